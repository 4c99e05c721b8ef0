// Print jobs on a Qt printer: the printer font at the printer's resolution, text drawn in
// printer dots from the top-left corner of the printable area.
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "app/printing/print_text.h"

class QPrinter;

namespace wendax {

class TQtPrintDevice : public TPrintDevice {
  public:
    // Prints on `printer` with `font`. A printer that writes a file puts all jobs of one
    // print into that one file, one after the other, each starting on a new page: a job
    // of its own would overwrite the copies before it.
    TQtPrintDevice(QPrinter& printer, const QFont& font);
    ~TQtPrintDevice() override;

    bool StartJob() override;
    TPrintSurface& Surface() override;
    void EndJob() override;

  private:
    class TSurface;

    QPrinter& FPrinter;
    QFont FFont;
    QPainter FPainter;
    std::unique_ptr<TSurface> FSurface;
    bool FOneDocument;
};

}  // namespace wendax
