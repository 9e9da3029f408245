#pragma once
// The classic directory list: the current folder's ancestors from the root
// down to it, then its sub-folders. Double-click or Enter on an entry makes
// that folder current.
#include <QTreeWidget>

class TDirectoryListBox : public QTreeWidget {
    Q_OBJECT

public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);

    // The current folder, without a trailing "/" (except the root itself).
    QString Directory() const { return directory_; }
    // Shows `folder` (relative paths are taken from the process's current
    // folder); changed() follows when it differs from the current one.
    void SetDirectory(const QString& folder);

signals:
    void changed();

private:
    void rebuild();

    QString directory_;
};
