#pragma once
// The drive box of the folder explorer: the file-system roots, the mounted
// volumes and the home folder. Choosing one moves the bound directory list
// there, and the box follows the list to whichever entry holds its folder.
#include <QComboBox>
#include <QPointer>

class TDirectoryListBox;

class TDriveComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TDriveComboBox(QWidget* parent = nullptr);

    void SetDirList(TDirectoryListBox* list);
    // The entry whose folder holds `folder` most closely.
    QString DriveOf(const QString& folder) const;

private:
    void fill();
    void followDirList();

    QPointer<TDirectoryListBox> dirList_;
};
