#pragma once
// The list of recently opened files: newest first, at most MaxFiles, a path
// opened again moves to the top (paths compared ignoring letter case). It is
// kept in a section of the settings hive and shown as a menu whose entries
// report the chosen path.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMenu;

class TOpenFileHistories : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxFiles = 15;

    explicit TOpenFileHistories(QObject* parent = nullptr);

    // Where the list is stored: the key (such as "\Software\Telsor\Quodex")
    // and the section ("Files").
    void SetStorage(const QString& key, const QString& section);
    // The menu that shows the list; it is rebuilt whenever the list changes.
    void SetMenu(QMenu* menu);

    const QStringList& Files() const { return files_; }

    // Puts `path` at the top, rebuilds the menu and stores the list.
    void Add(const QString& path);
    // Takes the list from the store (which another run may have changed).
    void ReadSection();
    void WriteSection() const;

signals:
    void openFile(const QString& path);

private:
    void rebuildMenu();

    QStringList files_;
    QString key_;
    QString section_;
    QPointer<QMenu> menu_;
};
