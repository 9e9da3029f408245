#include "settings/menubar.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A main menu of top-level items, each with a sub-menu unless told otherwise.
struct MainMenu {
    QMenu menu;
    QList<QMenu*> subMenus;

    explicit MainMenu(const QStringList& captions) {
        for (const QString& caption : captions) {
            QMenu* sub = menu.addMenu(caption);
            sub->addAction("item of " + caption);
            subMenus.append(sub);
        }
    }
};

QStringList buttonCaptions(const TMenuBar& bar) {
    QStringList captions;
    for (int i = 0; i < bar.ButtonCount(); ++i) captions << bar.Button(i)->text();
    return captions;
}

TEST(TMenuBar, ShowsOneButtonPerTopLevelItemBoundToItsSubMenu) {
    MainMenu mn({"ファイル(&F)", "編集(&E)", "ヘルプ(&H)"});
    TMenuBar bar;
    bar.SetMenu(&mn.menu);

    EXPECT_EQ(bar.Menu(), &mn.menu);
    EXPECT_EQ(buttonCaptions(bar), QStringList({"ファイル(&F)", "編集(&E)", "ヘルプ(&H)"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(bar.Button(i)->menu(), mn.subMenus[i]);
        EXPECT_EQ(bar.Button(i)->popupMode(), QToolButton::InstantPopup);
        EXPECT_EQ(bar.Button(i)->height(), 21);
    }
    EXPECT_EQ(bar.Button(3), nullptr);
}

TEST(TMenuBar, SettingTheSameMenuAgainKeepsTheButtons) {
    MainMenu mn({"A", "B"});
    TMenuBar bar;
    bar.SetMenu(&mn.menu);
    QToolButton* first = bar.Button(0);
    QToolButton* second = bar.Button(1);

    bar.SetMenu(&mn.menu);

    EXPECT_EQ(bar.Button(0), first);
    EXPECT_EQ(bar.Button(1), second);
}

TEST(TMenuBar, NoMenuRemovesEveryButtonAndAnotherMenuRebuildsThem) {
    MainMenu first({"A", "B", "C"});
    MainMenu second({"X"});
    TMenuBar bar;
    bar.SetMenu(&first.menu);

    bar.SetMenu(&second.menu);
    EXPECT_EQ(buttonCaptions(bar), QStringList({"X"}));
    EXPECT_EQ(bar.Button(0)->menu(), second.subMenus[0]);

    bar.SetMenu(nullptr);
    EXPECT_EQ(bar.ButtonCount(), 0);
    EXPECT_EQ(bar.Menu(), nullptr);
    for (QToolButton* child : bar.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(child->objectName(), "qt_toolbar_ext_button");  // the tool bar's own
}

TEST(TMenuBar, AnItemWithoutSubMenuIsTriggeredByItsButton) {
    QMenu mn;
    QAction* plain = mn.addAction("実行");
    int triggered = 0;
    QObject::connect(plain, &QAction::triggered, [&] { ++triggered; });
    TMenuBar bar;
    bar.SetMenu(&mn);

    bar.Button(0)->click();

    EXPECT_EQ(triggered, 1);
}

TEST(TMenuBar, ButtonsFollowChangesOfTheirItems) {
    MainMenu mn({"マクロ(&M)"});
    TMenuBar bar;
    bar.SetMenu(&mn.menu);
    QAction* item = mn.menu.actions().first();

    item->setText("マクロ(&N)");
    item->setEnabled(false);

    EXPECT_EQ(bar.Button(0)->text(), "マクロ(&N)");
    EXPECT_FALSE(bar.Button(0)->isEnabled());
}

}  // namespace

namespace {

// Presses `key` in whichever menu is open once the event loop runs.
void pressInOpenMenu(int key) {
    QTimer::singleShot(50, [key] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(popup, &press);
        }
    });
}

TEST(TMenuBar, LeftAndRightMoveToTheNeighbouringMenus) {
    MainMenu mn({"A", "B", "C"});
    TMenuBar bar;
    bar.SetMenu(&mn.menu);
    bar.show();
    QStringList shown;
    for (QMenu* sub : mn.subMenus)
        QObject::connect(sub, &QMenu::aboutToShow, [&shown, sub] { shown << sub->title(); });

    pressInOpenMenu(Qt::Key_Right);
    QTimer::singleShot(150, [] { pressInOpenMenu(Qt::Key_Left); });
    QTimer::singleShot(300, [] { pressInOpenMenu(Qt::Key_Left); });
    QTimer::singleShot(450, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    bar.Button(1)->showMenu();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 700) QApplication::processEvents(QEventLoop::AllEvents, 20);

    EXPECT_EQ(shown, QStringList({"B", "C", "B", "A"}));
}

}  // namespace
