#include "platform/regini.h"

#include <QSettings>

#include <limits>
#include <optional>
#include <utility>

namespace {

const QString kHiveOrganisation = QStringLiteral("Telsor");

// The stored store keeps no group without a value, so an emptied section
// holds this one. Escaped value names never take this form (a "%" in them is
// always followed by a hexadecimal pair), and it is never listed as a value.
const QString kEmptySectionMarker = QStringLiteral("%empty");

QStringList keyComponents(const QString& key)
{
    // QSettings takes "/" as a separator too, so it is one here as well.
    QString path = key;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The key's components below "Software\Telsor".
QStringList componentsBelowHive(const QString& key)
{
    QStringList parts = keyComponents(key);
    if (parts.size() >= 2
        && parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0
        && parts[1].compare(kHiveOrganisation, Qt::CaseInsensitive) == 0) {
        parts.remove(0, 2);
    }
    return parts;
}

QString joinGroup(const QString& parent, const QString& child)
{
    return parent.isEmpty() ? child : parent + QLatin1Char('/') + child;
}

// The entry of `names` equal to `wanted` ignoring case; an exact match wins
// when the store holds several spellings.
QString findIgnoringCase(const QStringList& names, const QString& wanted,
                         QString (*decode)(const QString&))
{
    QString caseless;
    for (const QString& stored : names) {
        if (decode && stored == kEmptySectionMarker)
            continue;
        const QString name = decode ? decode(stored) : stored;
        if (name == wanted)
            return stored;
        if (caseless.isNull() && name.compare(wanted, Qt::CaseInsensitive) == 0)
            caseless = stored;
    }
    return caseless;
}

QStringList childGroupsOf(QSettings& settings, const QString& group)
{
    settings.beginGroup(group);
    QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}

QStringList childKeysOf(QSettings& settings, const QString& group)
{
    settings.beginGroup(group);
    QStringList keys = settings.childKeys();
    settings.endGroup();
    return keys;
}

// Resolves `components` below `start` to stored group names. `found` tells
// whether every component already exists.
QString resolveGroups(QSettings& settings, QString start, const QStringList& components,
                      bool* found)
{
    bool all = true;
    QString group = std::move(start);
    for (const QString& component : components) {
        QString stored;
        if (all)
            stored = findIgnoringCase(childGroupsOf(settings, group), component, nullptr);
        if (stored.isNull()) {
            all = false;
            stored = component;
        }
        group = joinGroup(group, stored);
    }
    if (found)
        *found = all;
    return group;
}

std::optional<QString> variantText(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        // An unquoted "a, b" in the file reads as a list.
        return value.toStringList().join(QLatin1String(", "));
    case QMetaType::QByteArray:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default:
        return std::nullopt;
    }
}

}  // namespace

namespace regini {

QString escapeValueName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("%");
    QString stored;
    stored.reserve(name.size());
    for (QChar ch : name) {
        if (ch == QLatin1Char('%'))
            stored += QLatin1String("%25");
        else if (ch == QLatin1Char('/'))
            stored += QLatin1String("%2F");
        else if (ch == QLatin1Char('\\'))
            stored += QLatin1String("%5C");
        else
            stored += ch;
    }
    return stored;
}

QString unescapeValueName(const QString& stored)
{
    if (stored == QLatin1String("%"))
        return {};
    QString name;
    name.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QStringView rest = QStringView(stored).mid(i);
        if (rest.startsWith(QLatin1String("%25"))) {
            name += QLatin1Char('%');
            i += 2;
        } else if (rest.startsWith(QLatin1String("%2F"), Qt::CaseInsensitive)) {
            name += QLatin1Char('/');
            i += 2;
        } else if (rest.startsWith(QLatin1String("%5C"), Qt::CaseInsensitive)) {
            name += QLatin1Char('\\');
            i += 2;
        } else {
            name += stored[i];
        }
    }
    return name;
}

}  // namespace regini

TRegIniFile::TRegIniFile(const QString& key)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kHiveOrganisation)),
      base_(componentsBelowHive(key))
{
    // The system-wide store is not part of the user's hive.
    settings_->setFallbacksEnabled(false);
}

TRegIniFile::~TRegIniFile()
{
    if (pending_)
        UpdateFile();
}

QString TRegIniFile::groupOf(const QString& section) const
{
    return resolveGroups(*settings_, {}, base_ + keyComponents(section), nullptr);
}

QString TRegIniFile::storedNameOf(const QString& group, const QString& name) const
{
    const QString stored =
        findIgnoringCase(childKeysOf(*settings_, group), name, &regini::unescapeValueName);
    return stored.isNull() ? regini::escapeValueName(name) : stored;
}

QString TRegIniFile::settingsKey(const QString& section, const QString& name) const
{
    const QString group = groupOf(section);
    return joinGroup(group, storedNameOf(group, name));
}

QString TRegIniFile::ReadString(const QString& section, const QString& name,
                                const QString& def) const
{
    return variantText(settings_->value(settingsKey(section, name))).value_or(def);
}

bool TRegIniFile::ReadBool(const QString& section, const QString& name, bool def) const
{
    const std::optional<QString> text = variantText(settings_->value(settingsKey(section, name)));
    if (!text)
        return def;
    const QString word = text->trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || word == QLatin1String("1"))
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || word == QLatin1String("0"))
        return false;
    return def;
}

int TRegIniFile::ReadInteger(const QString& section, const QString& name, int def) const
{
    const std::optional<QString> text = variantText(settings_->value(settingsKey(section, name)));
    if (!text)
        return def;
    bool ok = false;
    const qlonglong number = text->trimmed().toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(number);
}

void TRegIniFile::write(const QString& section, const QString& name, const QString& text)
{
    const QString group = groupOf(section);
    settings_->setValue(joinGroup(group, storedNameOf(group, name)), text);
    // A section with a value needs no mark to exist.
    const QString marker = joinGroup(group, kEmptySectionMarker);
    if (settings_->contains(marker))
        settings_->remove(marker);
    changed();
}

void TRegIniFile::WriteString(const QString& section, const QString& name, const QString& value)
{
    write(section, name, value);
}

void TRegIniFile::WriteBool(const QString& section, const QString& name, bool value)
{
    write(section, name, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void TRegIniFile::WriteInteger(const QString& section, const QString& name, int value)
{
    write(section, name, QString::number(value));
}

bool TRegIniFile::ValueExists(const QString& section, const QString& name) const
{
    return settings_->contains(settingsKey(section, name));
}

bool TRegIniFile::SectionExists(const QString& section) const
{
    bool found = false;
    const QString group = resolveGroups(*settings_, {}, base_ + keyComponents(section), &found);
    if (!found)
        return false;
    if (!group.isEmpty())
        return true;
    // The hive itself exists once anything is stored in it.
    return !settings_->allKeys().isEmpty();
}

QStringList TRegIniFile::ReadSection(const QString& section) const
{
    QStringList names;
    for (const QString& stored : childKeysOf(*settings_, groupOf(section)))
        if (stored != kEmptySectionMarker)
            names << regini::unescapeValueName(stored);
    return names;
}

QStringList TRegIniFile::ReadSections() const
{
    return childGroupsOf(*settings_, groupOf({}));
}

void TRegIniFile::removeGroup(const QString& group)
{
    // Only the group's contents: a value of the same name beside the group
    // is a different entry, as in the registry.
    settings_->beginGroup(group);
    settings_->remove(QString());
    settings_->endGroup();
    changed();
}

void TRegIniFile::EraseSection(const QString& section)
{
    // An empty name would mean this whole key; the registry wrapper erases
    // named subkeys only.
    if (keyComponents(section).isEmpty())
        return;
    removeGroup(groupOf(section));
}

void TRegIniFile::ClearSection(const QString& section)
{
    if (keyComponents(section).isEmpty())
        return;
    const QString group = groupOf(section);
    for (const QString& stored : childKeysOf(*settings_, group))
        removeValue(joinGroup(group, stored));
    settings_->setValue(joinGroup(group, kEmptySectionMarker), QString());
    changed();
}

void TRegIniFile::DeleteValue(const QString& section, const QString& name)
{
    const QString group = groupOf(section);
    const QString stored =
        findIgnoringCase(childKeysOf(*settings_, group), name, &regini::unescapeValueName);
    if (stored.isNull())
        return;
    removeValue(joinGroup(group, stored));
    changed();
}

void TRegIniFile::removeValue(const QString& key)
{
    // QSettings removes a key together with a group of the same name; the
    // group is a different entry, so it is put back.
    settings_->beginGroup(key);
    QList<std::pair<QString, QVariant>> below;
    for (const QString& inner : settings_->allKeys())
        below.emplace_back(key + QLatin1Char('/') + inner, settings_->value(inner));
    settings_->endGroup();
    settings_->remove(key);
    for (const auto& [innerKey, value] : below)
        settings_->setValue(innerKey, value);
}

void TRegIniFile::DeleteKey(const QString& subkey)
{
    if (keyComponents(subkey).isEmpty())
        return;
    removeGroup(groupOf(subkey));
}

void TRegIniFile::changed()
{
    pending_ = true;
    if (writeThrough_)
        UpdateFile();
}

void TRegIniFile::SetWriteThrough(bool on)
{
    writeThrough_ = on;
    if (on && pending_)
        UpdateFile();
}

void TRegIniFile::UpdateFile()
{
    pending_ = false;
    settings_->sync();
    if (settings_->status() == QSettings::AccessError)
        writeFailed_ = true;
}
