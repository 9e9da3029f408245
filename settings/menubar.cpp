#include "settings/menubar.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <memory>

TMenuBar::TMenuBar(QWidget* parent) : QToolBar(parent) {
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAcceptDrops(false);
    // The drop-down arrow would only repeat what a menu bar button means.
    setStyleSheet("QToolButton::menu-indicator { image: none; width: 0px; }");
}

TMenuBar::~TMenuBar() { freeButtons(); }

QToolButton* TMenuBar::Button(int index) const {
    if (index < 0 || index >= ButtonCount()) return nullptr;
    return buttons_[index].button;
}

void TMenuBar::SetButtonHeight(int height) {
    buttonHeight_ = height;
    for (const BoundButton& bound : buttons_) bound.button->setFixedHeight(height);
}

void TMenuBar::SetMenu(QMenu* menu) {
    if (menu == menu_) return;
    if (menu_) freeButtons();
    menu_ = menu;
    if (!menu_) return;
    const QList<QAction*> items = menu_->actions();
    for (int i = ButtonCount(); i < items.size(); ++i) addButton();
    for (int i = 0; i < items.size() && i < ButtonCount(); ++i) bindButton(buttons_[i], items[i]);
}

void TMenuBar::freeButtons() {
    while (!buttons_.empty()) {
        BoundButton bound = buttons_.back();
        buttons_.pop_back();
        QObject::disconnect(bound.itemChanged);
        if (QMenu* menu = bound.button->menu()) menu->removeEventFilter(this);
        // The tool bar's action owns the button and deletes it with itself.
        delete bound.slot;
    }
}

void TMenuBar::addButton() {
    auto button = std::make_unique<QToolButton>();
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setFixedHeight(buttonHeight_);
    button->setFocusPolicy(Qt::NoFocus);
    BoundButton bound;
    bound.button = button.get();
    bound.slot = addWidget(button.release());
    const int index = ButtonCount();
    connect(bound.button, &QToolButton::clicked, this, [this, index] {
        if (index < ButtonCount()) pressButton(buttons_[index]);
    });
    buttons_.push_back(bound);
}

void TMenuBar::bindButton(BoundButton& bound, QAction* item) {
    QObject::disconnect(bound.itemChanged);
    bound.item = item;
    bound.itemChanged = connect(item, &QAction::changed, this, [this, item] {
        for (const BoundButton& b : buttons_)
            if (b.item == item) refreshButton(b);
    });
    refreshButton(bound);
}

void TMenuBar::refreshButton(const BoundButton& bound) {
    QAction* item = bound.item;
    if (!item) return;
    // The caption keeps its "&" so that Alt with the access key drops the menu.
    bound.button->setText(item->text());
    if (bound.button->menu() != item->menu()) {
        if (bound.button->menu()) bound.button->menu()->removeEventFilter(this);
        if (item->menu()) item->menu()->installEventFilter(this);
    }
    bound.button->setMenu(item->menu());
    bound.button->setEnabled(item->isEnabled());
    bound.slot->setVisible(item->isVisible());
    bound.button->setStatusTip(item->statusTip());
}

void TMenuBar::pressButton(const BoundButton& bound) {
    if (bound.item && !bound.item->menu()) bound.item->trigger();
}

bool TMenuBar::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Right opens the highlighted item's own sub-menu when it has one.
    const bool subMenuAhead = menu->activeAction() && menu->activeAction()->menu();
    if (key == Qt::Key_Right && !subMenuAhead) {
        dropNeighbour(menu, +1);
        return true;
    }
    if (key == Qt::Key_Left) {
        dropNeighbour(menu, -1);
        return true;
    }
    return false;
}

void TMenuBar::dropNeighbour(QMenu* from, int step) {
    int index = -1;
    for (int i = 0; i < ButtonCount(); ++i)
        if (buttons_[i].button->menu() == from) index = i;
    if (index < 0 || ButtonCount() < 2) return;
    // The neighbour drops once this menu has closed, so menus never nest.
    QPointer<QToolButton> next;
    for (int i = 1; i < ButtonCount() && !next; ++i) {
        const int at = ((index + step * i) % ButtonCount() + ButtonCount()) % ButtonCount();
        const BoundButton& candidate = buttons_[at];
        if (candidate.button->menu() && candidate.button->isEnabled() && candidate.slot->isVisible())
            next = candidate.button;
    }
    from->close();
    if (next) QTimer::singleShot(0, next, [next] { next->showMenu(); });
}
