#include "app/drivecombobox.h"

#include "app/dirlistbox.h"

#include <QDir>
#include <QStorageInfo>

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
    fill();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (dirList_) dirList_->SetDirectory(itemData(index).toString());
    });
}

void TDriveComboBox::fill() {
    QStringList roots;
    for (const QFileInfo& root : QDir::drives()) roots.append(root.absoluteFilePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    const QString home = QDir::homePath();
    if (!roots.contains(home)) roots.append(home);
    for (const QString& root : roots) addItem(root, root);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
    if (dirList_) disconnect(dirList_, nullptr, this, nullptr);
    dirList_ = list;
    if (!list) return;
    connect(list, &TDirectoryListBox::changed, this, &TDriveComboBox::followDirList);
    followDirList();
}

QString TDriveComboBox::DriveOf(const QString& folder) const {
    QString best;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const QString prefix = root.endsWith('/') ? root : root + '/';
        const bool holds = folder == root || folder.startsWith(prefix);
        if (holds && root.size() > best.size()) best = root;
    }
    return best;
}

void TDriveComboBox::followDirList() {
    if (!dirList_) return;
    const int index = findData(DriveOf(dirList_->Directory()));
    if (index >= 0) setCurrentIndex(index);
}
