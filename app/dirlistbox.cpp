#include "app/dirlistbox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {
constexpr int kPathRole = Qt::UserRole;

QString cleanFolder(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}
}  // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(10);
    setColumnCount(1);
    // Every level is always open; the branch arrows would only mislead.
    setStyleSheet("QTreeView::branch { image: none; border-image: none; }");
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        SetDirectory(item->data(0, kPathRole).toString());
    });
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
    const QString clean = cleanFolder(folder);
    if (clean == directory_) return;
    directory_ = clean;
    rebuild();
    emit changed();
}

void TDirectoryListBox::rebuild() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;  // the folder and its ancestors, root last
    for (QDir dir(directory_);; ) {
        chain.append(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    QTreeWidgetItem* parent = nullptr;
    for (auto it = chain.crbegin(); it != chain.crend(); ++it) {
        const QString name = QDir(*it).isRoot() ? *it : QFileInfo(*it).fileName();
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, name);
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, *it);
        parent = item;
    }
    const QDir current(directory_);
    const QStringList subFolders =
        current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subFolders) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, sub);
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, current.absoluteFilePath(sub));
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
}
