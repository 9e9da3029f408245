#include "palette/functionpalette.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPaletteWidth = 300;
constexpr int kPaletteHeight = 50;

}  // namespace

TFunctionPalette::TFunctionPalette(QWidget* parent) : QWidget(parent) {
    setObjectName("PalettePanel");
    setFixedSize(kPaletteWidth, kPaletteHeight);
    PC = new QTabWidget(this);
    PC->setObjectName("PC");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(PC);
}
