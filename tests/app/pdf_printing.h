// Printing into PDF files with no printer installed, read back with pdftotext.
#pragma once

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include "scripted_dialogs.h"

namespace wendax {

// The answer to a print dialog: Ok for `copies` copies of `range` into the file `pdf`.
TDialogAnswer PrintToPdf(const QString& pdf, int copies, QPrinter::PrintRange range);
// The text of `pdf` as pdftotext reads it (keeping the page layout when `layout`), pages
// ended by form feeds.
QString PdfText(const QString& pdf, bool layout = false);
// The pages of `pdf` that hold text, each as its non-empty lines.
QList<QStringList> PdfPages(const QString& pdf);

}  // namespace wendax
