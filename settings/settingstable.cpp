#include "settings/settingstable.h"

#include "platform/paths.h"
#include "platform/regini.h"
#include "settings/currentfolder.h"

#include <algorithm>

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

QString defaultText(const StartupSetting& entry, const StoredText& value, const QString& appFolder) {
    const QString text = QString::fromUtf8(value.defaultText);
    return entry.underAppFolder ? appFolder + text : text;
}

void readOne(const TRegIniFile& reg, const StartupSetting& entry, TSettings& settings,
             qint32& wheelLineCount) {
    std::visit(Overloaded{
                   [&](const StoredText& value, QString TSettings::*field) {
                       settings.*field = ReadStored(reg, value, defaultText(entry, value, settings.AppFolder));
                   },
                   [&](const StoredBool& value, bool TSettings::*field) { settings.*field = ReadStored(reg, value); },
                   [&](const StoredInt& value, WheelLineCount) { wheelLineCount = ReadStored(reg, value); },
                   [](const auto&, const auto&) {},
               },
               entry.value, entry.target);
}

template <typename Value, typename Target>
const Value& storedValueOf(Target target) {
    const auto& table = StartupSettings();
    const auto row = std::find_if(table.begin(), table.end(), [&](const StartupSetting& entry) {
        const Target* candidate = std::get_if<Target>(&entry.target);
        return candidate && *candidate == target;
    });
    Q_ASSERT(row != table.end());
    return std::get<Value>(row->value);
}

}  // namespace

// The stored folder may have been written on Windows ("\" separators, letter
// case that need not match the disk).
QString CurrentFolderOfStored(const QString& stored, const QString& appFolder) {
    if (stored.isEmpty()) return appFolder;
    return currentFolderOf(paths::resolvePath(stored));
}

const std::vector<StartupSetting>& StartupSettings() {
    static const std::vector<StartupSetting> table{
        {stored::Path, &TSettings::CurrentFolder, true},
        {stored::HelpFile, &TSettings::LumHelpFile},
        {stored::LumcPath, &TSettings::LumcFolder},
        {stored::BatFile, &TSettings::BatFile},
        {stored::KioroFile, &TSettings::KioroFile},
        {stored::KioFile, &TSettings::KioFile},
        {stored::PaletteFile, &TSettings::PaletteFile, true},
        {stored::NewLine, &TSettings::InsertNewLine},
        {stored::SaveWindowState, &TSettings::SaveWindowState},
        {stored::PermitAllMacro, &TSettings::PermitAllMacro},
        {stored::WheelScrollCount, WheelLineCount{}},
        {stored::OpenMailOrMail, &TSettings::OpenMailOrMail},
    };
    return table;
}

void ReadStartupSettings(const TRegIniFile& reg, TSettings& settings, qint32& wheelLineCount) {
    for (const StartupSetting& entry : StartupSettings()) readOne(reg, entry, settings, wheelLineCount);
    settings.CurrentFolder = CurrentFolderOfStored(settings.CurrentFolder, settings.AppFolder);
    settings.FindHistory = ReadHistory(reg, stored::kFindSection);
    settings.ReplaceHistory = ReadHistory(reg, stored::kReplaceSection);
}

void WriteStartupSetting(TRegIniFile& reg, const TSettings& settings, QString TSettings::*field) {
    WriteStored(reg, storedValueOf<StoredText>(field), settings.*field);
}

void WriteStartupSetting(TRegIniFile& reg, const TSettings& settings, bool TSettings::*field) {
    WriteStored(reg, storedValueOf<StoredBool>(field), settings.*field);
}

void WriteWheelLineCount(TRegIniFile& reg, qint32 wheelLineCount) {
    WriteStored(reg, storedValueOf<StoredInt>(WheelLineCount{}), wheelLineCount);
}

QStringList ReadHistory(const TRegIniFile& reg, const QString& section) {
    QStringList history;
    for (int n = 0; n < stored::kHistoryLength; ++n) {
        const QString item = reg.ReadString(section, stored::HistoryItem(n), QString());
        if (item.isEmpty()) break;
        history.insert(n, item);
    }
    return history;
}

void WriteHistory(TRegIniFile& reg, const QString& section, const QStringList& history) {
    for (int n = 0; n < std::min<int>(history.size(), stored::kHistoryLength); ++n)
        reg.WriteString(section, stored::HistoryItem(n), history[n]);
}
