#include "app/settingstable.h"

#include "app/currentfolder.h"
#include "platform/paths.h"
#include "platform/regini.h"

namespace {

constexpr int kHistoryLength = 10;

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

QString defaultText(const StartupSetting& entry, const QString& appFolder) {
    const QString text = QString::fromUtf8(entry.text);
    return entry.underAppFolder ? appFolder + text : text;
}

void readOne(const TRegIniFile& reg, const StartupSetting& entry, TSettings& settings,
             qint32& wheelLineCount) {
    const QString section = QString::fromUtf8(entry.section);
    const QString name = QString::fromUtf8(entry.name);
    std::visit(Overloaded{
                   [&](QString TSettings::*field) {
                       settings.*field = reg.ReadString(section, name, defaultText(entry, settings.AppFolder));
                   },
                   [&](bool TSettings::*field) { settings.*field = reg.ReadBool(section, name, entry.number != 0); },
                   [&](WheelLineCount) { wheelLineCount = reg.ReadInteger(section, name, entry.number); },
               },
               entry.target);
}

// The stored folder may have been written on Windows ("\" separators, letter
// case that need not match the disk).
QString storedCurrentFolder(const QString& stored, const QString& appFolder) {
    if (stored.isEmpty()) return appFolder;
    return currentFolderOf(paths::resolvePath(stored));
}

}  // namespace

const std::vector<StartupSetting>& StartupSettings() {
    static const std::vector<StartupSetting> table{
        {"Path", "Path", &TSettings::CurrentFolder, "", true},
        {"Path", "HelpFile", &TSettings::LumHelpFile},
        {"Path", "LumcPath", &TSettings::LumcFolder},
        {"Path", "BatFile", &TSettings::BatFile},
        {"Path", "KioroFile", &TSettings::KioroFile},
        {"Path", "KioFile", &TSettings::KioFile},
        {"QBP", "File", &TSettings::PaletteFile, "buttons/buttons.qbp", true},
        {"Other", "NewLine", &TSettings::InsertNewLine},
        {"Other", "SaveWindowState", &TSettings::SaveWindowState},
        {"Other", "PermitAllMacro", &TSettings::PermitAllMacro},
        {"Other", "WheelScrollCount", WheelLineCount{}, "", false, 2},
        {"Editor", "OpenMailOrMail", &TSettings::OpenMailOrMail, "", false, 1},
    };
    return table;
}

void ReadStartupSettings(const TRegIniFile& reg, TSettings& settings, qint32& wheelLineCount) {
    for (const StartupSetting& entry : StartupSettings()) readOne(reg, entry, settings, wheelLineCount);
    settings.CurrentFolder = storedCurrentFolder(settings.CurrentFolder, settings.AppFolder);
    settings.FindHistory = ReadHistory(reg, "Find");
    settings.ReplaceHistory = ReadHistory(reg, "Replace");
}

QStringList ReadHistory(const TRegIniFile& reg, const QString& section) {
    QStringList history;
    for (int n = 0; n < kHistoryLength; ++n) {
        const QString item = reg.ReadString(section, QString("Items[%1]").arg(n), QString());
        if (item.isEmpty()) break;
        history.insert(n, item);
    }
    return history;
}
