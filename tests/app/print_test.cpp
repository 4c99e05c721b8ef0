// Printing through the print dialog into PDF files, read back with pdftotext: lines,
// page breaks, copies, the selection with its blanked and cut columns.
#include <QFile>
#include <QPrinter>

#include "pdf_printing.h"
#include "program_fixture.h"

namespace wendax {
namespace {

class Printing : public ProgramTest {
  protected:
    QString Pdf() const { return Path(QStringLiteral("out.pdf")); }

    // The next print dialog is answered with Ok for `copies` copies of `range` into the PDF.
    void ExpectPrint(int copies = 1, QPrinter::PrintRange range = QPrinter::AllPages) {
        FDialogs.Expect(PrintToPdf(Pdf(), copies, range));
    }
    QStringList Pages() const {
        QStringList pages = PdfText(Pdf()).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
        return pages;
    }
    static QStringList Lines(const QString& page) {
        return page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(Printing, ThreeLinesPrintOnOnePageInOrder) {
    Start();
    Open(QStringLiteral("a.txt"), "one\ntwo\nthree");
    ExpectPrint();
    Run("MI_FilePrint");
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(Lines(pages[0]), (QStringList{"one", "two", "three"}));
    EXPECT_FALSE(FDialogs.Calls()[0].OfferSelection);
}

TEST_F(Printing, EachCopyStartsOnAPageOfItsOwn) {
    Start();
    Open(QStringLiteral("a.txt"), "one\ntwo\nthree");
    ExpectPrint(2);
    Run("MI_FilePrint");
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 2);
    for (const QString& page : pages)
        EXPECT_EQ(Lines(page), (QStringList{"one", "two", "three"}));
    // The dialog's copy count is kept for the next print.
    EXPECT_EQ(Main().Printer().copyCount(), 2);
}

TEST_F(Printing, LongTextsRunOverPagesWithEveryLineInOrder) {
    Start();
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    Open(QStringLiteral("a.txt"), text);
    ExpectPrint();
    Run("MI_FilePrint");
    const QStringList pages = Pages();
    EXPECT_GE(pages.size(), 3);
    QStringList all;
    for (const QString& page : pages)
        all += Lines(page);
    ASSERT_EQ(all.size(), 200);
    EXPECT_EQ(all.first(), "line 1");
    EXPECT_EQ(all.last(), "line 200");
    EXPECT_EQ(Lines(pages[1]).first(), "line " + QString::number(Lines(pages[0]).size() + 1));
}

TEST_F(Printing, ALineWiderThanThePageContinuesOnTheNextLine) {
    Start();
    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text += "word" + QByteArray::number(i) + " ";
    Open(QStringLiteral("a.txt"), text + "\nend");
    ExpectPrint();
    Run("MI_FilePrint");
    const QStringList lines = Lines(Pages().value(0));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.last(), "end");
    QString joined;
    for (int i = 0; i + 1 < lines.size(); ++i)
        joined += lines[i];
    EXPECT_EQ(joined.simplified().remove(QLatin1Char(' ')),
              QString::fromLatin1(text).remove(QLatin1Char(' ')));
}

TEST_F(Printing, TheSelectionIsOfferedOnlyWithAHighlightAndPrintsBlankedAndCut) {
    Start();
    TFakeEditorWindow& window =
        Open(QStringLiteral("a.txt"), "line one\nline two\nline three\nline four\nline five");
    window.Pane1().Select(2, 5, 4, 3);
    Main().UpdateCommandStates();
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    EXPECT_TRUE(FDialogs.Calls()[0].OfferSelection);
    EXPECT_EQ(Lines(Pages().value(0)), (QStringList{"two", "line three", "li"}));
}

TEST_F(Printing, ABlankedStartKeepsTheRestInItsColumns) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abcdefgh\nABCDEFGH");
    window.Pane1().Select(1, 1, 2, 9);
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    window.Pane1().Select(1, 5, 2, 9);
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    // The text after the blanked part starts where it started in the whole line.
    const QStringList lines = PdfText(Pdf(), true).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].trimmed(), "efgh");
    EXPECT_GT(lines[0].indexOf(QLatin1String("efgh")), lines[1].indexOf(QLatin1String("ABCD")));
}

TEST_F(Printing, AfterSelectAllTheSelectionPrintsTheWholeText) {
    Start();
    Open(QStringLiteral("a.txt"), "alpha\nbeta");
    Main().UpdateCommandStates();
    Run("MI_EditSelectAll");
    ExpectPrint(1, QPrinter::Selection);
    Run("MI_FilePrint");
    EXPECT_EQ(Lines(Pages().value(0)), (QStringList{"alpha", "beta"}));
}

TEST_F(Printing, CancellingTheDialogPrintsNothing) {
    Start();
    Open(QStringLiteral("a.txt"), "one");
    FDialogs.ExpectCancel(dkPrint);
    Run("MI_FilePrint");
    EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(Printing, AnEmptyTextCannotBePrinted) {
    Start();
    Open(QStringLiteral("a.txt"), "");
    Main().UpdateCommandStates();
    EXPECT_FALSE(Enabled("MI_FilePrint"));
    Open(QStringLiteral("b.txt"), "b");
    Main().UpdateCommandStates();
    EXPECT_TRUE(Enabled("MI_FilePrint"));
}

TEST_F(Printing, AJobThatCannotStartIsReported) {
    Start();
    Open(QStringLiteral("a.txt"), "one");
    TDialogAnswer answer;
    answer.Kind = dkPrint;
    answer.SetUpPrinter = [this](QPrinter& printer) {
        printer.setOutputFileName(Path(QStringLiteral("missing/dir/out.pdf")));
    };
    FDialogs.Expect(answer);
    FDialogs.ExpectMessage(mrOk);
    Run("MI_FilePrint");
    EXPECT_EQ(FDialogs.MessageTexts(), QStringList{"The print job could not be started."});
    EXPECT_EQ(FDialogs.Calls()[1].Message.Kind, mkError);
}

TEST_F(Printing, PrintSetupConfiguresThePrinterOfLaterJobs) {
    Start();
    TDialogAnswer answer;
    answer.Kind = dkPrintSetup;
    answer.SetUpPrinter = [](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    FDialogs.Expect(answer);
    Run("MI_FilePrintSetup");
    EXPECT_EQ(Main().Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

}  // namespace
}  // namespace wendax
