#pragma once
// The action viewer: the panel on the left of the main window with the tree
// of the `action` definitions found in the current folder's sources, and the
// button that builds the tree again (the window's ActionVew action).
//
// The tree is rebuilt from disk, never from the open documents. A rebuild
// keeps the file nodes that were expanded, the current node and the scroll
// position, by file name, so that a save in the folder does not fold what
// the user was reading. A double-click, or Enter, on a node opens its file
// (or brings its tab to the front); on an action it also puts the caret on
// the line where the action's name first stands in the document.
#include "search/actionscan.h"

#include <QIcon>
#include <QWidget>

class QAction;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class SearchWindow;

class TActionViewer : public QWidget {
    Q_OBJECT

public:
    // `redraw` is the window's ActionVew action, which the button shows.
    TActionViewer(QAction* redraw, SearchWindow& window, QWidget* parent = nullptr);

    QTreeWidget* Tree = nullptr;
    QToolButton* RedrawButton = nullptr;  // Action_ReDrawButton

    // Set by a double-click: the collapse that the same double-click asks
    // for is refused, so that opening a file does not fold its node. It
    // lasts only as long as the double-click's own handling.
    bool TreeCollapseGuard = false;
    // The name of the action node being jumped to, held while its file is
    // opened (which may rebuild the tree); empty otherwise. It never keeps a
    // rebuild from listing actions.
    QByteArray TreeJumpText;

    // The pictures of file nodes and action nodes.
    void SetImages(const QIcon& fileImage, const QIcon& actionImage);

    // Rebuilds the tree from the current folder of the settings.
    void ActionVewExecute();
    void ScanActionFolder(const QString& folder);
    void TreeDblClick();
    void TreeCollapsing(QTreeWidgetItem* node, bool& allowCollapse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        QString file;
        int action = -1;  // index below the file node; -1 for the file node
    };
    Place placeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemAt(const Place& place) const;
    void fillTree(const QStringList& expanded);
    void jumpToAction(const QByteArray& name);

    SearchWindow& window_;
    TActionScan scan_;
    QIcon fileImage_;
    QIcon actionImage_;
};
