// Runs the application tests inside the program's own application object, without a
// display and with the user's real configuration out of reach.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "app/program/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    wendax::TWendaxApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
