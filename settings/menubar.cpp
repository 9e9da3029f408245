#include "settings/menubar.h"

#include <QAction>
#include <QMenu>
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
    bound.button->setMenu(item->menu());
    bound.button->setEnabled(item->isEnabled());
    bound.slot->setVisible(item->isVisible());
    bound.button->setStatusTip(item->statusTip());
}

void TMenuBar::pressButton(const BoundButton& bound) {
    if (bound.item && !bound.item->menu()) bound.item->trigger();
}
