#include "app/printing/print_device.h"

#include <QFontMetrics>
#include <QPrinter>

namespace wendax {

class TQtPrintDevice::TSurface : public TPrintSurface {
  public:
    TSurface(QPrinter& printer, QPainter& painter)
        : FPrinter(printer), FPainter(painter), FMetrics(painter.font(), &printer) {}

    int PageWidth() const override { return FPrinter.width(); }
    int PageHeight() const override { return FPrinter.height(); }
    int CharHeight() const override { return FMetrics.height(); }
    int AverageCharWidth() const override { return FMetrics.averageCharWidth(); }
    int TextWidth(std::string_view text) const override {
        return FMetrics.horizontalAdvance(Text(text));
    }
    int TextHeight(std::string_view) const override { return FMetrics.height(); }
    void DrawText(int x, int y, std::string_view text) override {
        FPainter.drawText(x, y + FMetrics.ascent(), Text(text));
    }
    void NewPage() override { FPrinter.newPage(); }

  private:
    // The printed lines are UTF-8.
    static QString Text(std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    QPrinter& FPrinter;
    QPainter& FPainter;
    QFontMetrics FMetrics;
};

TQtPrintDevice::TQtPrintDevice(QPrinter& printer, const QFont& font)
    : FPrinter(printer), FFont(font), FOneDocument(!printer.outputFileName().isEmpty()) {}

TQtPrintDevice::~TQtPrintDevice() {
    if (FPainter.isActive()) FPainter.end();
}

bool TQtPrintDevice::StartJob() {
    if (FPainter.isActive()) {
        FPrinter.newPage();
        return true;
    }
    if (!FPainter.begin(&FPrinter)) return false;
    FPainter.setFont(QFont(FFont, &FPrinter));
    FPainter.setPen(Qt::black);
    FSurface = std::make_unique<TSurface>(FPrinter, FPainter);
    return true;
}

TPrintSurface& TQtPrintDevice::Surface() {
    return *FSurface;
}

void TQtPrintDevice::EndJob() {
    if (!FOneDocument) FPainter.end();
}

}  // namespace wendax
