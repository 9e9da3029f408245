// The window and bar layout and the viewer panels, stored at a confirmed
// exit and restored by the next start, driven through the real window.
#include "app/barrows.h"
#include "components/editorex.h"
#include "output/compileoutput.h"
#include "palette/functionpalette.h"
#include "platform/regini.h"
#include "search/actionviewer.h"
#include "settings/menubar.h"
#include "tests/app/mainwindowfixture.h"

#include <QAction>
#include <QDockWidget>
#include <QSplitter>
#include <QToolBar>

namespace {

constexpr const char* kKey = "\\Software\\Telsor\\Quodex";

class LayoutTest : public MainWindowTest {
protected:
    void saveWindowState(bool on) { TRegIniFile(kKey).WriteBool("Other", "SaveWindowState", on); }

    // Closes the window as the user does and starts the program again.
    TMF& restart() {
        EXPECT_TRUE(mf->close());
        mf.reset();
        return showWindow();
    }

    static void settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    int readInt(const char* section, const char* name) const {
        return TRegIniFile(kKey).ReadInteger(section, name, -12345);
    }
    bool readBool(const char* section, const char* name, bool def) const {
        return TRegIniFile(kKey).ReadBool(section, name, def);
    }
};

TEST_F(LayoutTest, BoundsFloatingAndHiddenBarsAndPanelsComeBack) {
    saveWindowState(true);
    TMF& first = showWindow();
    first.setGeometry(40, 30, 820, 560);
    first.show_helpClick();  // hides HelpBar
    first.FolderExpMClick();  // hides the folder panel
    // ComBar moves up into the first row of buttons, before HelpBar.
    first.insertToolBar(first.HelpBar, first.ComBar);
    first.FileBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    first.FileBar->setGeometry(300, 200, 120, 30);
    first.FileBar->show();
    settle();
    const QRect fileBar = first.FileBar->geometry();
    const QPoint framePos = first.pos();  // what the window was placed by
    const int paletteWidth = first.PalettePanel->width();  // grown with the window
    ASSERT_GT(paletteWidth, 300);

    TMF& mf = restart();
    settle();

    EXPECT_EQ(readInt("Pos\\MainWindow", "Left"), framePos.x());
    EXPECT_EQ(readInt("Pos\\MainWindow", "Top"), framePos.y());
    EXPECT_EQ(readInt("Pos\\MainWindow", "Width"), 820);
    EXPECT_EQ(readInt("Pos\\MainWindow", "Heiht"), 560);
    EXPECT_TRUE(readBool("Pos\\MainWindow", "Visible", false));
    EXPECT_TRUE(readBool("Pos\\FileBar", "Floating", false));
    EXPECT_EQ(readInt("Pos\\FileBar", "Left"), fileBar.left());
    EXPECT_EQ(readInt("Pos\\FileBar", "Heiht"), fileBar.height());
    EXPECT_FALSE(readBool("Pos\\HelpBar", "Visible", true));
    EXPECT_FALSE(readBool("ViewInfo", "FolderExpChecked", true));
    EXPECT_TRUE(readBool("ViewInfo", "ActionViewChecked", false));

    EXPECT_EQ(mf.geometry(), QRect(40, 30, 820, 560));
    EXPECT_EQ(mf.PalettePanel->width(), paletteWidth);
    EXPECT_TRUE(mf.FileBar->isFloating());
    EXPECT_TRUE(mf.FileBar->isVisible());
    EXPECT_EQ(mf.FileBar->geometry(), fileBar);
    EXPECT_TRUE(mf.HelpBar->isHidden());
    EXPECT_TRUE(mf.FolderPanel->isHidden());
    EXPECT_FALSE(mf.ActionViewPanel->isHidden());
    EXPECT_FALSE(mf.LeftPanel->isHidden());

    // ComBar is back in the first row of buttons, after Panel1.
    EXPECT_EQ(mf.ComBar->y(), mf.Panel1->y());
    EXPECT_GT(mf.ComBar->x(), mf.Panel1->x());
    EXPECT_LT(mf.ComBar->y(), mf.FunctionPalet->y());
    EXPECT_EQ(mf.FindBar->y(), mf.FunctionPalet->y());
    EXPECT_GT(mf.FindBar->x(), mf.FunctionPalet->x());
    EXPECT_GT(mf.FunctionPalet->y(), mf.MenuBar1->y());
}

// Hidden until the first compile; then shown, floating or docked, like a bar.
TEST_F(LayoutTest, TheOutputBarComesBackAsItWasLeft) {
    saveWindowState(true);
    TMF& first = showWindow();
    EXPECT_TRUE(first.CompileOutput->OutputBar->isHidden());
    first.show_outputClick();
    first.CompileOutput->OutputBar->setFloating(true);
    first.CompileOutput->OutputBar->setGeometry(120, 300, 500, 160);
    settle();
    const QRect floating = first.CompileOutput->OutputBar->geometry();

    TMF& mf = restart();
    settle();

    EXPECT_TRUE(readBool("Pos\\OutputBar", "Floating", false));
    EXPECT_TRUE(readBool("Pos\\OutputBar", "Visible", false));
    EXPECT_EQ(readInt("Pos\\OutputBar", "Width"), floating.width());
    EXPECT_TRUE(mf.CompileOutput->OutputBar->isFloating());
    EXPECT_FALSE(mf.CompileOutput->OutputBar->isHidden());
    EXPECT_EQ(mf.CompileOutput->OutputBar->geometry(), floating);

    mf.show_outputClick();  // hidden again
    EXPECT_TRUE(restart().CompileOutput->OutputBar->isHidden());
}

TEST_F(LayoutTest, AMaximizedWindowStoresAndGetsBackItsNormalBounds) {
    saveWindowState(true);
    TMF& first = showWindow();
    first.setGeometry(50, 60, 700, 500);
    settle();
    const QPoint framePos = first.pos();
    first.showMaximized();
    settle();
    ASSERT_TRUE(first.isMaximized());

    TMF& mf = restart();
    settle();

    EXPECT_EQ(readInt("Pos\\MainWindow", "Left"), framePos.x());
    EXPECT_EQ(readInt("Pos\\MainWindow", "Top"), framePos.y());
    EXPECT_EQ(readInt("Pos\\MainWindow", "Width"), 700);
    EXPECT_EQ(readInt("Pos\\MainWindow", "Heiht"), 500);
    EXPECT_FALSE(mf.isMaximized());
    EXPECT_EQ(mf.geometry(), QRect(50, 60, 700, 500));
}

TEST_F(LayoutTest, AHiddenLeftPanelComesBackHiddenWithItsItemsDisabled) {
    saveWindowState(true);
    TMF& first = showWindow();
    first.ShowLeftBarMClick();

    TMF& mf = restart();
    EXPECT_TRUE(mf.LeftPanel->isHidden());
    EXPECT_FALSE(mf.ActionList1.ActionVewM->isEnabled());
    EXPECT_FALSE(mf.ActionList1.FolderExpM->isEnabled());
    mf.ShowLeftBarMClick();
    EXPECT_FALSE(mf.LeftPanel->isHidden());
    EXPECT_FALSE(mf.ActionViewPanel->isHidden());
    EXPECT_FALSE(mf.FolderPanel->isHidden());
}

TEST_F(LayoutTest, MissingValuesKeepTheDesignedPlaces) {
    saveWindowState(true);
    TRegIniFile reg(kKey);
    reg.WriteInteger("Pos\\MainWindow", "Width", 900);
    TMF& mf = showWindow();
    settle();
    EXPECT_EQ(mf.width(), 900);
    EXPECT_EQ(mf.FileBar->y(), mf.Panel1->y());
    EXPECT_EQ(mf.HelpBar->y(), mf.Panel1->y());
    EXPECT_EQ(mf.ComBar->y(), mf.FunctionPalet->y());
    EXPECT_FALSE(mf.FileBar->isFloating());
    EXPECT_TRUE(mf.FileBar->isVisible());
}

TEST_F(LayoutTest, WithoutSaveWindowStateOnlyTheEditorPropertiesAreStored) {
    saveWindowState(false);
    TRegIniFile reg(kKey);
    reg.WriteInteger("Pos\\MainWindow", "Left", 7);
    reg.WriteInteger("Pos\\MainWindow", "Width", 999);
    reg.WriteBool("ViewInfo", "FolderExpChecked", false);
    reg.WriteBool("Pos\\HelpBar", "Visible", false);

    TMF& first = showWindow();
    EXPECT_NE(first.width(), 999);
    EXPECT_FALSE(first.FolderPanel->isHidden());
    EXPECT_FALSE(first.HelpBar->isHidden());
    first.show_standClick();
    first.setGeometry(20, 20, 640, 480);
    EXPECT_TRUE(first.close());

    const TRegIniFile after(kKey);
    EXPECT_TRUE(after.ValueExists("Editor", "Editor"));
    EXPECT_EQ(after.ReadInteger("Pos\\MainWindow", "Left", -1), 7);
    EXPECT_EQ(after.ReadSection("Pos\\MainWindow"), QStringList({"Left", "Width"}));
    EXPECT_FALSE(after.SectionExists("Pos\\FileBar"));
    EXPECT_EQ(after.ReadSection("ViewInfo"), QStringList{"FolderExpChecked"});
}

TEST_F(LayoutTest, ACancelledExitStoresNothing) {
    saveWindowState(true);
    TMF& mf = showWindow();
    mf.CurEditor->setFocus();
    mf.CurEditor->SetModified(true);
    prompts.answerQuestion(IdCancel);
    EXPECT_FALSE(mf.close());
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Pos\\MainWindow"));
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Editor"));
    mf.CurEditor->SetModified(false);
}

TEST(BarRows, BarsSharingATopShareARowOrderedByLeft) {
    const std::vector<DockedPlace> places{
        {0, 0, 25},     // 0: the menu row
        {52, 200, 27},  // 1
        {25, 180, 27},  // 2
        {25, 0, 27},    // 3
        {52, 0, 56},    // 4: a taller bar in the same row as 1
        {26, 90, 26},   // 5: a pixel lower, still the second row
    };
    const std::vector<std::vector<int>> rows = arrangeRows(places);
    const std::vector<std::vector<int>> expected{{0}, {3, 5, 2}, {4, 1}};
    EXPECT_EQ(rows, expected);
}

TEST(BarRows, NoBarsNoRows) { EXPECT_TRUE(arrangeRows({}).empty()); }

}  // namespace
