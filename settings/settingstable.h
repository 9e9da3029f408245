#pragma once
// The values the editor reads from its settings key when the main window is
// first shown, in the order they are read, and the way each is written back
// (the settings dialog and the line-break toggle write through here).
#include "settings/settingsrecord.h"
#include "settings/storedvalues.h"

#include <QStringList>
#include <QtGlobal>

#include <variant>
#include <vector>

class TRegIniFile;

// The wheel scroller's rows per step, which the settings record does not hold.
struct WheelLineCount {
    bool operator==(const WheelLineCount&) const = default;
};

// Where a value goes; its type is the type the value is stored as.
using StartupTarget = std::variant<QString TSettings::*, bool TSettings::*, WheelLineCount>;
using StoredValue = std::variant<StoredText, StoredBool, StoredInt>;

struct StartupSetting {
    StoredValue value;
    StartupTarget target;
    // Texts whose default lies under the program folder (its own default
    // text, or the folder itself when that is empty).
    bool underAppFolder = false;
};

// The table, in reading order.
const std::vector<StartupSetting>& StartupSettings();

// Reads the table and then the find and replace histories from `reg` into
// `settings` (whose AppFolder must already be set) and `wheelLineCount`.
// The current folder comes back ending in "/"; a stored empty folder counts
// as none stored.
void ReadStartupSettings(const TRegIniFile& reg, TSettings& settings, qint32& wheelLineCount);

// The current folder that the stored "Path" text stands for: the program
// folder when it is empty, else the resolved path ending in "/".
QString CurrentFolderOfStored(const QString& stored, const QString& appFolder);

// Writes the value that `field` of `settings` is read from.
void WriteStartupSetting(TRegIniFile& reg, const TSettings& settings, QString TSettings::*field);
void WriteStartupSetting(TRegIniFile& reg, const TSettings& settings, bool TSettings::*field);
void WriteWheelLineCount(TRegIniFile& reg, qint32 wheelLineCount);

// The history stored as "Items[0]" .. "Items[9]" of `section`, most recent
// first; reading stops at the first empty or missing entry.
QStringList ReadHistory(const TRegIniFile& reg, const QString& section);
// Stores the first ten entries of `history` the same way.
void WriteHistory(TRegIniFile& reg, const QString& section, const QStringList& history);
