// The main window's commands, bars, panels and resizing, driven for real.
#include "app/statusbar.h"
#include "palette/functionpalette.h"
#include "search/actionviewer.h"
#include "settings/menubar.h"
#include "tests/app/mainwindowfixture.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QHelpEvent>
#include <QToolTip>
#include <QWindow>

namespace {

// Every action reachable from the menus (sub-menus included), bars and buttons.
QSet<QAction*> reachableActions(const TMF& mf) {
    QSet<QAction*> found;
    std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
        for (QAction* item : menu->actions()) {
            found.insert(item);
            if (item->menu()) walk(item->menu());
        }
    };
    walk(mf.Menus.MN);
    walk(mf.Menus.PM);
    for (const QToolBar* bar : mf.findChildren<QToolBar*>())
        for (QAction* action : bar->actions()) found.insert(action);
    for (const QToolButton* button : mf.findChildren<QToolButton*>())
        if (button->defaultAction()) found.insert(button->defaultAction());
    return found;
}

TEST_F(MainWindowTest, EveryActionSitsInAMenuOrOnABar) {
    TMF& mf = showWindow();
    const QSet<QAction*> reachable = reachableActions(mf);
    for (QAction* action : mf.ActionList1.all()) {
        // The line-break toggle belongs to the palette's buttons.
        if (action == mf.ActionList1.InNewLine) continue;
        EXPECT_TRUE(reachable.contains(action)) << action->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, NoTwoActionsShareAShortcut) {
    TMF& mf = showWindow();
    QHash<QKeySequence, QString> owners;
    for (QAction* action : mf.ActionList1.all()) {
        const QKeySequence key = action->shortcut();
        if (key.isEmpty()) continue;
        EXPECT_FALSE(owners.contains(key)) << key.toString().toStdString() << ": "
                                           << owners.value(key).toStdString() << " and "
                                           << action->objectName().toStdString();
        owners.insert(key, action->objectName());
    }
}

TEST_F(MainWindowTest, MirrorsFollowTheirActions) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    a.SelIndent->setEnabled(false);
    EXPECT_FALSE(a.PMSelIndent->isEnabled());
    a.SelIndent->setEnabled(true);
    EXPECT_TRUE(a.PMSelIndent->isEnabled());
    int indents = 0;
    QObject::connect(a.SelIndent, &QAction::triggered, [&] { ++indents; });
    a.PMSelIndent->trigger();
    EXPECT_EQ(indents, 1);
}

TEST_F(MainWindowTest, MenuBarShowsTheMainMenu) {
    TMF& mf = showWindow();
    ASSERT_EQ(mf.MenuBar1->Menu(), mf.Menus.MN);
    ASSERT_EQ(mf.MenuBar1->ButtonCount(), 8);
    EXPECT_EQ(mf.MenuBar1->Button(0)->text(), "ファイル(&F)");
    EXPECT_EQ(mf.MenuBar1->Button(7)->text(), "ヘルプ(&H)");
    EXPECT_FALSE(mf.MenuBar1->isMovable());
    EXPECT_TRUE(mf.FileBar->isMovable());
    EXPECT_TRUE(mf.FileBar->isFloatable());
    EXPECT_FALSE(mf.FindBar->isMovable());  // docked, but not dragged on its own
}

// Qt would show the caption where the action has no hint.
TEST_F(MainWindowTest, ButtonsShowTheirHintAsToolTipAndNothingWithoutOne) {
    TMF& mf = showWindow();
    const auto tipOf = [](QToolButton* button) {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const auto buttonOf = [](QToolBar* bar, QAction* action) {
        return qobject_cast<QToolButton*>(bar->widgetForAction(action));
    };
    // A tip once shown fades out slowly: the silent ones first.
    EXPECT_EQ(tipOf(buttonOf(mf.FileBar, mf.ActionList1.SaveAll)), "");
    EXPECT_EQ(tipOf(mf.findChild<QToolButton*>("Action_ReDrawButton")), "");
    EXPECT_EQ(tipOf(buttonOf(mf.FileBar, mf.ActionList1.NewText)), "新しいソースまたはテキストを作成します");
}

TEST_F(MainWindowTest, BarTogglesInvertVisibilityAndTheViewMenuShowsIt) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;

    a.show_deb->trigger();
    EXPECT_TRUE(mf.ComBar->isHidden());
    EXPECT_FALSE(a.show_deb->isChecked());
    a.show_deb->trigger();
    EXPECT_FALSE(mf.ComBar->isHidden());
    EXPECT_TRUE(a.show_deb->isChecked());

    mf.HelpBar->hide();
    a.show_help->setChecked(true);
    emit mf.Menus.View1->aboutToShow();
    EXPECT_FALSE(a.show_help->isChecked());
    EXPECT_TRUE(a.show_stand->isChecked());
}

TEST_F(MainWindowTest, HidingBothViewersHidesTheLeftPanelAndShowingItBringsBothBack) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;

    a.FolderExpM->trigger();
    EXPECT_TRUE(mf.FolderPanel->isHidden());
    EXPECT_FALSE(mf.LeftPanel->isHidden());

    a.ActionVewM->trigger();
    EXPECT_TRUE(mf.ActionViewPanel->isHidden());
    EXPECT_TRUE(mf.LeftPanel->isHidden());
    EXPECT_FALSE(a.ShowLeftBarM->isChecked());
    EXPECT_FALSE(a.ActionVewM->isEnabled());
    EXPECT_FALSE(a.FolderExpM->isEnabled());

    a.ShowLeftBarM->trigger();
    EXPECT_FALSE(mf.LeftPanel->isHidden());
    EXPECT_FALSE(mf.ActionViewPanel->isHidden());
    EXPECT_FALSE(mf.FolderPanel->isHidden());
    EXPECT_TRUE(a.ActionVewM->isEnabled());
    EXPECT_TRUE(a.FolderExpM->isEnabled());
}

TEST_F(MainWindowTest, HidingOneViewerKeepsTheOtherAndShowingItAgainSplitsThePanel) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;

    a.ActionVewM->trigger();
    EXPECT_TRUE(mf.ActionViewPanel->isHidden());
    EXPECT_FALSE(mf.LeftPanel->isHidden());
    a.ActionVewM->trigger();
    EXPECT_FALSE(mf.ActionViewPanel->isHidden());
    EXPECT_TRUE(a.ActionVewM->isChecked());

    a.FolderExpM->trigger();
    QApplication::processEvents();
    const int whole = mf.LeftPanel->sizes().value(0);
    a.FolderExpM->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(mf.FolderPanel->isHidden());
    EXPECT_LT(mf.LeftPanel->sizes().value(0), whole);
    EXPECT_GT(mf.LeftPanel->sizes().value(1), 0);
}

TEST_F(MainWindowTest, GrowingTheWindowWidensThePaletteAndShrinkingLeavesIt) {
    TMF& mf = showWindow();
    const int palette = mf.PalettePanel->width();
    const int width = mf.width();

    mf.resize(width + 100, mf.height());
    QApplication::processEvents();
    EXPECT_EQ(mf.PalettePanel->minimumWidth(), palette + 100);
    EXPECT_EQ(mf.LastWidth, width + 100);

    mf.resize(width - 50, mf.height());
    QApplication::processEvents();
    EXPECT_EQ(mf.PalettePanel->minimumWidth(), palette + 100);
    EXPECT_EQ(mf.LastWidth, width - 50);
}

TEST_F(MainWindowTest, StatusPanelZeroTakesWhatTheOthersLeave) {
    TMF& mf = showWindow();
    mf.resize(900, mf.height());
    QApplication::processEvents();
    const int caret = mf.StB->PanelWidth(2);
    EXPECT_EQ(mf.StB->PanelWidth(0), mf.StB->width() - 50 - caret - 80);
    EXPECT_GE(caret, 85);
    // A caret deep in a large file reads whole.
    EXPECT_GE(caret, mf.StB->FittingWidth("1247801行65535桁"));
    EXPECT_GT(mf.StB->FittingWidth("1247801行65535桁"), mf.StB->fontMetrics().horizontalAdvance("1247801行65535桁"));
}

TEST_F(MainWindowTest, TheStatusBarShowsTheHintOfWhatIsUnderTheMouse) {
    TMF& mf = showWindow();
    mf.ActionList1.NewText->showStatusText(&mf);
    EXPECT_EQ(mf.StB->PanelText(0), "新しいソースまたはテキストを作成します");
    mf.StB->SetPanelText(3, "マクロ実行中");
    EXPECT_EQ(mf.StB->PanelText(3), "マクロ実行中");
}

TEST_F(MainWindowTest, NormalBoundsFollowTheWindowUntilItIsMaximized) {
    TMF& mf = showWindow();
    mf.resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(mf.Settings.Width, 700);
    EXPECT_EQ(mf.Settings.Height, 500);

    mf.showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(mf.Settings.Width, 700);
}

TEST_F(MainWindowTest, TitleAndProgramFolders) {
    TMF mf(QStringList{"quodex"});
    EXPECT_EQ(mf.windowTitle(), "Quodex");
    mf.show();
    QApplication::processEvents();
    EXPECT_EQ(mf.Settings.AppFolder, appFolder.path());
    EXPECT_EQ(mf.Settings.CurrentFolder, appFolder.path());
    EXPECT_EQ(mf.TemplateFile, appFolder.path() + "KioroTemplate.qtf");
    EXPECT_EQ(mf.Settings.RegKey, "\\Software\\Telsor\\Quodex");

    mf.SetMainTitle("/tmp/a[*].lum");
    EXPECT_EQ(mf.windowHandle()->title(), "Quodex - /tmp/a[*].lum");
}

}  // namespace
