#pragma once
// The values the editor reads from its settings key when the main window is
// first shown, in the order they are read, with the defaults that stand in
// for values that are not stored. The settings dialog writes most of them.
#include "app/settingsrecord.h"

#include <QStringList>
#include <QtGlobal>

#include <variant>
#include <vector>

class TRegIniFile;

// The wheel scroller's rows per step, which the settings record does not hold.
struct WheelLineCount {};

// Where a value goes; its type is the type the value is read as.
using StartupTarget = std::variant<QString TSettings::*, bool TSettings::*, WheelLineCount>;

struct StartupSetting {
    const char* section;
    const char* name;
    StartupTarget target;
    // Strings: the default text, after the program folder when
    // `underAppFolder`. Booleans (0 or 1) and integers: `number`.
    const char* text = "";
    bool underAppFolder = false;
    int number = 0;
};

// The table, in reading order.
const std::vector<StartupSetting>& StartupSettings();

// Reads the table and then the find and replace histories from `reg` into
// `settings` (whose AppFolder must already be set) and `wheelLineCount`.
// The current folder comes back ending in "/"; a stored empty folder counts
// as none stored.
void ReadStartupSettings(const TRegIniFile& reg, TSettings& settings, qint32& wheelLineCount);

// The history stored as "Items[0]" .. "Items[9]" of `section`, most recent
// first; reading stops at the first empty or missing entry.
QStringList ReadHistory(const TRegIniFile& reg, const QString& section);
