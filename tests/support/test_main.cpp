// The entry of a test program: one application object for the whole run,
// offscreen unless a display was asked for, and a settings hive of its own so
// that no test can reach the user's real settings.
#include "tests/support/settingshive.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const ScopedSettingsHive hive;
    return RUN_ALL_TESTS();
}
