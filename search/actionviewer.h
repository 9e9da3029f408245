#pragma once
// The action viewer: the panel on the left of the main window with the tree
// of the `action` definitions found in the current folder's sources, and the
// button that builds the tree again.
#include <QWidget>

class QAction;
class QToolButton;
class QTreeWidget;

class TActionViewer : public QWidget {
    Q_OBJECT

public:
    // `redraw` is the window's ActionVew action, which the button shows.
    explicit TActionViewer(QAction* redraw, QWidget* parent = nullptr);

    QTreeWidget* Tree = nullptr;
    QToolButton* RedrawButton = nullptr;
};
