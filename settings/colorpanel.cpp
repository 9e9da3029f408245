#include "settings/colorpanel.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kPanelWidth = 41;
constexpr int kPanelHeight = 21;

}  // namespace

TColorPanel::TColorPanel(const QString& caption, QWidget* parent) : QPushButton(parent) {
    setAccessibleName(caption);
    setFixedSize(kPanelWidth, kPanelHeight);
    SetColor(Qt::white);
}

void TColorPanel::SetColor(const QColor& color) {
    color_ = color;
    // A style sheet, since the style would otherwise paint over the palette.
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; }"
                                 "QPushButton:disabled { border: 1px dotted gray; }")
                      .arg(color.name()));
    setAccessibleDescription(color.name());
}

TColorPanel* AddColorPanelRow(QGridLayout* grid, int row, const char* name, const QString& caption) {
    auto* panel = new TColorPanel(caption);
    panel->setObjectName(name);
    auto* label = new QLabel(caption);
    label->setBuddy(panel);
    grid->addWidget(label, row, 0);
    grid->addWidget(panel, row, 1);
    return panel;
}
