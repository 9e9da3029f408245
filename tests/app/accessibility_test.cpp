// The main window as a screen reader finds it: every control named, the
// status panels' texts readable.
#include "components/editorex.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/accessibility.h"
#include "tests/support/qtprinters.h"

namespace {

TEST_F(MainWindowTest, EveryControlOfTheMainWindowHasAName) {
    TMF& mf = showWindow();
    EXPECT_EQ(unnamedControls(&mf), QStringList());
}

TEST_F(MainWindowTest, TheStatusPanelsReadAsTheyChange) {
    TMF& mf = showWindow();
    mf.CurEditor->Lines().SetText("one\r\ntwo\r\nthree");
    mf.CurEditor->SetRow(2);
    QApplication::processEvents();
    EXPECT_TRUE(accessibleTexts(&mf).contains("3行0桁"));
}

}  // namespace
