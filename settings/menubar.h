#pragma once
// A tool bar whose buttons stand for the top-level items of a main menu, so
// that the menu can sit among the movable bars of the main window.
//
// The main menu is a QMenu that is never shown itself: each of its actions is
// one top-level item, and an item's sub-menu (QAction::menu()) drops down
// from its button. An item without a sub-menu is triggered by its button.
// As in a menu bar, Left and Right in a dropped menu move to the neighbouring
// item's menu, and Alt with an item's access key drops its menu.
#include <QPointer>
#include <QToolBar>
#include <vector>

class QMenu;
class QAction;
class QToolButton;

class TMenuBar : public QToolBar {
    Q_OBJECT

public:
    explicit TMenuBar(QWidget* parent = nullptr);
    ~TMenuBar() override;

    QMenu* Menu() const { return menu_; }
    // Rebuilds the buttons for `menu`; the menu already set changes nothing,
    // and none removes every button.
    void SetMenu(QMenu* menu);

    // Buttons size themselves to their captions; only the height is fixed.
    void SetButtonHeight(int height);
    int ButtonHeight() const { return buttonHeight_; }

    int ButtonCount() const { return int(buttons_.size()); }
    QToolButton* Button(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct BoundButton {
        QAction* slot = nullptr;        // the tool bar's handle on the button
        QToolButton* button = nullptr;
        QPointer<QAction> item;         // the menu item the button stands for
        QMetaObject::Connection itemChanged;
    };

    void freeButtons();
    void addButton();
    void bindButton(BoundButton& bound, QAction* item);
    void refreshButton(const BoundButton& bound);
    void pressButton(const BoundButton& bound);
    // Drops the menu of the button `step` places from the one whose menu is `from`.
    void dropNeighbour(QMenu* from, int step);

    QMenu* menu_ = nullptr;
    std::vector<BoundButton> buttons_;
    int buttonHeight_ = 21;
};
