// One QApplication for the whole run of a Qt test program, on the offscreen platform.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>

namespace {

class TQtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        FApplication = std::make_unique<QApplication>(FArgc, FArgv);
        QApplication::setApplicationName(QStringLiteral("Wendax 32"));
    }
    void TearDown() override { FApplication.reset(); }

  private:
    char FName[16] = "wendax_qt_tests";
    char* FArgv[2] = {FName, nullptr};
    int FArgc = 1;
    std::unique_ptr<QApplication> FApplication;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new TQtApplicationEnvironment);

}  // namespace
