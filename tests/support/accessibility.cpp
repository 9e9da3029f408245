#include "tests/support/accessibility.h"

#include <QAccessible>
#include <QWidget>

#include <functional>

namespace {

bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
        return true;
    default:
        return false;
    }
}

// Children are walked to a fixed depth: item views can be deep, never endless.
void walk(QAccessibleInterface* node, int depth, const std::function<void(QAccessibleInterface*)>& visit) {
    if (!node || depth > 60 || node->state().invisible) return;
    visit(node);
    for (int child = 0; child < node->childCount(); ++child) walk(node->child(child), depth + 1, visit);
}

QString describe(const QAccessibleInterface* node) {
    const QObject* object = node->object();
    if (!object) return QStringLiteral("(item) role %1").arg(int(node->role()));
    return QString::fromLatin1(object->metaObject()->className()) + ' ' + object->objectName();
}

}  // namespace

QStringList unnamedControls(QWidget* root) {
    QStringList unnamed;
    walk(QAccessible::queryAccessibleInterface(root), 0, [&](QAccessibleInterface* node) {
        if (interactive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) unnamed << describe(node);
    });
    return unnamed;
}

QStringList accessibleTexts(QWidget* root) {
    QStringList texts;
    walk(QAccessible::queryAccessibleInterface(root), 0, [&](QAccessibleInterface* node) {
        for (const QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
            const QString text = node->text(kind);
            if (!text.isEmpty()) texts << text;
        }
    });
    return texts;
}
