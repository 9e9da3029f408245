#include "search/actionviewer.h"

#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TActionViewer::TActionViewer(QAction* redraw, QWidget* parent) : QWidget(parent) {
    setObjectName("ActionViewPanel");
    Tree = new QTreeWidget;
    Tree->setObjectName("Tree");
    Tree->setHeaderHidden(true);
    RedrawButton = new QToolButton;
    RedrawButton->setObjectName("RedrawButton");
    RedrawButton->setDefaultAction(redraw);
    RedrawButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    RedrawButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Tree);
    column->addWidget(RedrawButton);
}
