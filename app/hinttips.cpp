#include "app/hinttips.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>

namespace {

class HintlessTipFilter final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const auto* button = qobject_cast<QToolButton*>(watched);
        const QAction* action = button ? button->defaultAction() : nullptr;
        return action && action->statusTip().isEmpty();
    }
};

}  // namespace

void keepHintlessButtonsQuiet(QToolButton* button) { button->installEventFilter(new HintlessTipFilter(button)); }
