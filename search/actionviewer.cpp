#include "search/actionviewer.h"

#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/prompt.h"
#include "search/searchwindow.h"
#include "settings/currentfolder.h"
#include "settings/settingsrecord.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kNameRole = Qt::UserRole;  // the file name, or the action's bytes

// Bytes that are no Shift-JIS character and control characters show as
// U+FFFD, a tab as a space: a binary file gives odd names, never broken ones.
QString readable(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t')
            c = u' ';
        else if (u < 0x20 || u == 0x7F || (u >= 0xF700 && u <= 0xF7FF))
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

QTreeWidgetItem* newNode(const QString& text, const QIcon& image, const QVariant& name) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setIcon(0, image);
    node->setData(0, kNameRole, name);
    return node;
}

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TActionViewer::TActionViewer(QAction* redraw, SearchWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setObjectName("ActionViewPanel");
    Tree = new QTreeWidget;
    Tree->setObjectName("Tree");
    Tree->setHeaderHidden(true);
    Tree->setUniformRowHeights(true);
    RedrawButton = new QToolButton;
    RedrawButton->setObjectName("Action_ReDrawButton");
    RedrawButton->setDefaultAction(redraw);
    RedrawButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    RedrawButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Tree);
    column->addWidget(RedrawButton);

    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this] { runGuarded([this] { TreeDblClick(); }); });
    connect(Tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) {
        bool allowCollapse = true;
        TreeCollapsing(node, allowCollapse);
        if (!allowCollapse) Tree->expandItem(node);
    });
    Tree->installEventFilter(this);
    Tree->viewport()->installEventFilter(this);
}

void TActionViewer::SetImages(const QIcon& fileImage, const QIcon& actionImage) {
    fileImage_ = fileImage;
    actionImage_ = actionImage;
}

// --- Building the tree ---------------------------------------------------------------

void TActionViewer::ActionVewExecute() { ScanActionFolder(window_.Settings().CurrentFolder); }

void TActionViewer::ScanActionFolder(const QString& folder) {
    QStringList expanded;
    for (int i = 0; i < Tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* file = Tree->topLevelItem(i);
        if (file->isExpanded()) expanded << file->data(0, kNameRole).toString();
    }
    const Place top = placeOf(Tree->itemAt(0, 0));
    const Place current = placeOf(Tree->currentItem());

    Tree->setUpdatesEnabled(false);
    Tree->clear();
    scan_.ScanActionFolder(folder);
    fillTree(expanded);
    if (QTreeWidgetItem* item = itemAt(current)) Tree->setCurrentItem(item);
    if (QTreeWidgetItem* item = itemAt(top)) Tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
    Tree->setUpdatesEnabled(true);
}

void TActionViewer::fillTree(const QStringList& expanded) {
    QList<QTreeWidgetItem*> files;
    files.reserve(qsizetype(scan_.Nodes.size()));
    for (const ActionFileNode& node : scan_.Nodes) {
        QTreeWidgetItem* file = newNode(readable(node.name), fileImage_, node.name);
        QList<QTreeWidgetItem*> actions;
        actions.reserve(qsizetype(node.actions.size()));
        for (const QByteArray& name : node.actions)
            actions << newNode(readable(cp932::decode(name)), actionImage_, name);
        file->addChildren(actions);
        files << file;
    }
    Tree->addTopLevelItems(files);
    for (QTreeWidgetItem* file : std::as_const(files)) {
        if (file->childCount() > 0 && expanded.contains(file->data(0, kNameRole).toString())) file->setExpanded(true);
    }
}

TActionViewer::Place TActionViewer::placeOf(const QTreeWidgetItem* item) const {
    if (!item) return {};
    if (const QTreeWidgetItem* file = item->parent())
        return {file->data(0, kNameRole).toString(), file->indexOfChild(const_cast<QTreeWidgetItem*>(item))};
    return {item->data(0, kNameRole).toString(), -1};
}

QTreeWidgetItem* TActionViewer::itemAt(const Place& place) const {
    if (place.file.isNull()) return nullptr;
    for (int i = 0; i < Tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* file = Tree->topLevelItem(i);
        if (file->data(0, kNameRole).toString() != place.file) continue;
        return place.action < 0 ? file : file->child(place.action);
    }
    return nullptr;
}

// --- Jumping ---------------------------------------------------------------------------

// Everything is taken from the node before the file is opened: opening may
// move the folder explorer, which rebuilds the tree.
void TActionViewer::TreeDblClick() {
    const QTreeWidgetItem* node = Tree->currentItem();
    if (Tree->topLevelItemCount() == 0 || !node) return;
    TreeCollapseGuard = true;
    const QTreeWidgetItem* parent = node->parent();
    const bool action = parent != nullptr;
    const QString file = (action ? parent : node)->data(0, kNameRole).toString();
    const QString path = currentFolderOf(window_.ExplorerFolder()) + file;
    const QScopedValueRollback jump(TreeJumpText, action ? node->data(0, kNameRole).toByteArray() : QByteArray());

    if (window_.IsDocumentOpen(path))
        window_.ActivateDocument(path);
    else
        window_.OpenDocument(path);
    if (action) jumpToAction(TreeJumpText);
}

// To the start of the line where the name first stands in the whole text (a
// comment or a longer word, maybe), or to the top when it is not there.
void TActionViewer::jumpToAction(const QByteArray& name) {
    TEditorEx* editor = window_.CurrentEditor();
    if (!editor) return;
    const qsizetype at = IndexOfWord(editor->Lines().Text(), name);
    editor->setFocus();
    editor->SetSelStart(at < 0 ? 0 : at + 1);
    editor->SetCol(0);
    window_.CenterCaretRow();
}

void TActionViewer::TreeCollapsing(QTreeWidgetItem* /*node*/, bool& allowCollapse) {
    allowCollapse = !TreeCollapseGuard;
    TreeCollapseGuard = false;
}

// The guard outlives no double-click: every other press of a key or a mouse
// button on the tree ends it before the tree acts. Enter acts as a
// double-click does.
bool TActionViewer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
        TreeCollapseGuard = false;
    if (watched == Tree && isEnter(event)) {
        runGuarded([this] { TreeDblClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
