// The main window's Print command: the print dialog, then one job per copy of the whole
// file or of the active pane's highlight, in the printer font.
#include <QPrinter>

#include "app/dialogs/dialogs.h"
#include "app/editor/editor_window.h"
#include "app/frame/main_window.h"
#include "app/printing/print_device.h"

namespace wendax {
namespace {

TPrintRange RangeOf(const QPrinter& printer) {
    switch (printer.printRange()) {
        case QPrinter::AllPages:
            return prAllPages;
        case QPrinter::Selection:
            return prSelection;
        default:
            return prOther;
    }
}

// The printer's copy count stands for the number of jobs; each job is printed once, so
// a printer that also repeats copies itself cannot multiply them.
class TSingleCopies {
  public:
    explicit TSingleCopies(QPrinter& printer) : FPrinter(printer), FCopies(printer.copyCount()) {
        FPrinter.setCopyCount(1);
    }
    ~TSingleCopies() { FPrinter.setCopyCount(FCopies); }
    int Copies() const { return FCopies; }

  private:
    QPrinter& FPrinter;
    int FCopies;
};

}  // namespace

void TFM_Main::FilePrint() {
    TEditorWindow* window = ActiveEditorWindow();
    if (window == nullptr) return;
    int line1 = 0, col1 = 0, line2 = 0, col2 = 0;
    const bool selected = window->ActiveEditor().GetSelection(line1, col1, line2, col2);
    QPrinter& printer = Printer();
    printer.setPrintRange(QPrinter::AllPages);
    if (!FDialogs.Print(printer, selected)) return;
    const TPrintedLines lines =
        PrintedLines(window->Editor1(), window->ActiveEditor(), RangeOf(printer));
    TSingleCopies copies(printer);
    if (copies.Copies() < 1 || lines.Count == 0) return;
    bool printed = false;
    {
        TQtPrintDevice device(printer, PrinterFont());
        printed = PrintCopies(device, lines, copies.Copies());
    }
    if (!printed)
        ShowMessage(FDialogs, mkError, QStringLiteral("The print job could not be started."));
}

}  // namespace wendax
