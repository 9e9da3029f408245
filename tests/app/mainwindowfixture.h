#pragma once
// The real main window in a sandbox: a temporary program folder, settings
// hive and lock folder, and prompts answered from the test's script.
#include "app/mainunit.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        qputenv("QUODEX_LOCK_DIR", lockFolder_.path().toUtf8());
        // An empty palette, so that no start reports missing palette files.
        appFolder.writeFile("buttons/buttons.qbp", {});
    }
    ~MainWindowTest() override { qunsetenv("QUODEX_LOCK_DIR"); }

    // Creates and shows the window, as the program does at start, with
    // `arguments` on its command line.
    TMF& showWindow(const QStringList& arguments = {}) {
        mf = std::make_unique<TMF>(QStringList{"quodex"} + arguments);
        mf->show();
        QApplication::processEvents();
        return *mf;
    }

    QString lockFolder() const { return lockFolder_.path(); }

    ScopedSettingsHive hive;
    ScopedAppFolder appFolder;
    ScriptedPrompts prompts;
    std::unique_ptr<TMF> mf;

private:
    QTemporaryDir lockFolder_;
};
