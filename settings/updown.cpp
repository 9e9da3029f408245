#include "settings/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* arrowButton(QWidget* owner, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(owner);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(17, 11);
    return button;
}

}  // namespace

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent) : QWidget(parent), associate_(associate) {
    UpButton = arrowButton(this, Qt::UpArrow, "Up");
    DownButton = arrowButton(this, Qt::DownArrow, "Down");
    UpButton->setAccessibleName("増やす");
    DownButton->setAccessibleName("減らす");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(UpButton);
    column->addWidget(DownButton);
    connect(UpButton, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
    associate_->installEventFilter(this);
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, Min, Max);
    associate_->setText(QString::number(position_));
}

void TUpDown::Step(int delta) {
    bool ok = false;
    const int typed = associate_->text().trimmed().toInt(&ok, 10);
    const qint64 next = qint64(ok ? typed : position_) + delta;
    SetPosition(int(std::clamp<qint64>(next, Min, Max)));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
