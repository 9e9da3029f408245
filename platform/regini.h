#pragma once
// INI-style access to one key of the settings hive, the way the programs
// address the registry: a key such as "\Software\Telsor\Quodex", sections as
// its subkeys ("Find", "Pos\MainWindow"), named values inside them.
//
// The hive HKEY_CURRENT_USER\Software\Telsor is the QSettings store of the
// organisation "Telsor" (user scope, native format), so the key above, section
// "Find", value "MatchCase" is the settings key "Quodex/Find/MatchCase".
//
// As in the registry, key, section and value names are matched ignoring
// letter case: an existing entry keeps the spelling it was created with. Value
// names may contain "/" and "\"; they are stored escaped and read back as
// written. A stored value that does not read as the requested type gives the
// default. Every change is written through to disk at once, so another
// process sees it.
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

class TRegIniFile {
public:
    // `key` as the programs write it: "\Software\Telsor\Quodex" or
    // "Software\Telsor"; the leading backslash is optional and the
    // "Software\Telsor" prefix is compared ignoring case. A key outside it is
    // taken as relative to "Software\Telsor".
    explicit TRegIniFile(const QString& key);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    QString ReadString(const QString& section, const QString& name, const QString& def) const;
    bool ReadBool(const QString& section, const QString& name, bool def) const;
    int ReadInteger(const QString& section, const QString& name, int def) const;

    void WriteString(const QString& section, const QString& name, const QString& value);
    void WriteBool(const QString& section, const QString& name, bool value);
    void WriteInteger(const QString& section, const QString& name, int value);

    bool ValueExists(const QString& section, const QString& name) const;
    bool SectionExists(const QString& section) const;
    // Value names of a section, as written, in the store's order.
    QStringList ReadSection(const QString& section) const;
    // Names of the sections (subkeys) directly below this key.
    QStringList ReadSections() const;

    void EraseSection(const QString& section);
    // Deletes every value of `section` and keeps the section itself, empty,
    // as the registry keeps a subkey whose values are all deleted: it still
    // exists for SectionExists and ReadSections.
    void ClearSection(const QString& section);
    void DeleteValue(const QString& section, const QString& name);
    // Deletes `subkey` (relative to this key, may contain backslashes) with
    // every section and value below it.
    void DeleteKey(const QString& subkey);

    // For many writes in a row (a whole table of templates, say): with write
    // through off, changes reach the disk at UpdateFile() or when this object
    // goes away, instead of after each write.
    void SetWriteThrough(bool on);
    void UpdateFile();

    // True once a write could not be stored (read-only or damaged store).
    bool WriteFailed() const { return writeFailed_; }

private:
    // Settings group path of a section below this key, existing names
    // matched ignoring case; empty for the key itself.
    QString groupOf(const QString& section) const;
    // Stored (escaped) name of a value in `group`, matched ignoring case;
    // the escaped `name` itself when no such value exists yet.
    QString storedNameOf(const QString& group, const QString& name) const;
    QString settingsKey(const QString& section, const QString& name) const;
    void write(const QString& section, const QString& name, const QString& text);
    void removeGroup(const QString& group);
    // Removes the value stored as `key`, leaving a section of that name alone.
    void removeValue(const QString& key);
    void changed();

    std::unique_ptr<QSettings> settings_;
    QStringList base_;  // the key's path below the hive, as given
    bool writeThrough_ = true;
    bool pending_ = false;
    bool writeFailed_ = false;
};

namespace regini {

// Value-name escaping used by TRegIniFile: "%", "/" and "\" become "%25",
// "%2F" and "%5C"; the empty name is stored as "%". Exposed for tests.
QString escapeValueName(const QString& name);
QString unescapeValueName(const QString& stored);

}  // namespace regini
