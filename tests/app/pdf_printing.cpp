#include "pdf_printing.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace wendax {

TDialogAnswer PrintToPdf(const QString& pdf, int copies, QPrinter::PrintRange range) {
    TDialogAnswer answer;
    answer.Kind = dkPrint;
    answer.SetUpPrinter = [pdf, copies, range](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        printer.setCopyCount(copies);
        printer.setPrintRange(range);
    };
    return answer;
}

QString PdfText(const QString& pdf, bool layout) {
    QStringList arguments{pdf, QStringLiteral("-")};
    if (layout) arguments.prepend(QStringLiteral("-layout"));
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromLatin1(process.readAllStandardOutput());
}

QList<QStringList> PdfPages(const QString& pdf) {
    QList<QStringList> pages;
    for (const QString& page : PdfText(pdf).split(QLatin1Char('\f')))
        if (!page.trimmed().isEmpty()) pages << page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return pages;
}

}  // namespace wendax
