// The stored values read when the main window is first shown.
#include "app/mainunit.h"
#include "settings/settingstable.h"
#include "platform/regini.h"

void TMF::LoadSettings() {
    const TRegIniFile reg(Settings.RegKey);
    ReadStartupSettings(reg, Settings, Wheel.LineCount);
    if (Settings.SaveWindowState) {
        LoadLayout(reg);
        LoadViewInfo(reg);
    }
}
