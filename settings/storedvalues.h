#pragma once
// Every value the editor keeps under its settings key, named in this one
// place with the type it is stored as and the default that stands in while it
// is absent. Readers and writers take these descriptors, never literals.
#include <QString>

class TRegIniFile;

struct StoredText {
    const char* section;
    const char* name;
    const char* defaultText = "";
};

struct StoredBool {
    const char* section;
    const char* name;
    bool defaultValue = false;
};

struct StoredInt {
    const char* section;
    const char* name;
    int defaultValue = 0;
};

// `fallback` stands in for defaults that depend on the run (the program folder).
QString ReadStored(const TRegIniFile& reg, const StoredText& value, const QString& fallback);
QString ReadStored(const TRegIniFile& reg, const StoredText& value);
bool ReadStored(const TRegIniFile& reg, const StoredBool& value);
int ReadStored(const TRegIniFile& reg, const StoredInt& value);

void WriteStored(TRegIniFile& reg, const StoredText& value, const QString& text);
void WriteStored(TRegIniFile& reg, const StoredBool& value, bool on);
void WriteStored(TRegIniFile& reg, const StoredInt& value, int number);

namespace stored {

// The key every value below lives under.
inline constexpr const char* kRegKey = "\\Software\\Telsor\\Quodex";

// Paths of the compile and run commands; "Path" is the current folder, stored
// as the settings dialog's edit shows it.
inline constexpr StoredText Path{"Path", "Path"};
inline constexpr StoredText HelpFile{"Path", "HelpFile"};
inline constexpr StoredText LumcPath{"Path", "LumcPath"};
inline constexpr StoredText BatFile{"Path", "BatFile"};
inline constexpr StoredText KioroFile{"Path", "KioroFile"};
inline constexpr StoredText KioFile{"Path", "KioFile"};
// Under the program folder unless stored.
inline constexpr StoredText PaletteFile{"QBP", "File", "buttons/buttons.qbp"};

inline constexpr StoredBool NewLine{"Other", "NewLine", false};
inline constexpr StoredBool SaveWindowState{"Other", "SaveWindowState", false};
inline constexpr StoredBool PermitAllMacro{"Other", "PermitAllMacro", false};
inline constexpr StoredInt WheelScrollCount{"Other", "WheelScrollCount", 2};

// The editor property set keeps its own layout inside this one value.
inline constexpr const char* kEditorSection = "Editor";
inline constexpr const char* kEditorValue = "Editor";
inline constexpr StoredBool OpenMailOrMail{"Editor", "OpenMailOrMail", true};

// Find options; the find and replace histories are "Items[n]" of their sections.
inline constexpr const char* kFindSection = "Find";
inline constexpr const char* kReplaceSection = "Replace";
inline constexpr StoredBool FindMatchCase{"Find", "MatchCase", true};
inline constexpr StoredBool FindWholeWord{"Find", "WholeWord", true};
inline constexpr StoredBool FindRegexp{"Find", "Regexp", false};
inline constexpr StoredBool FindFuzzy{"Find", "Fuzzy", false};
inline constexpr StoredInt FindStart{"Find", "Start", 0};
inline constexpr StoredInt FindNext{"Find", "Next", 0};
inline constexpr int kHistoryLength = 10;
QString HistoryItem(int n);

// The file history's own layout lives in this section.
inline constexpr const char* kFilesSection = "Files";
// One value per template, named by the template.
inline constexpr const char* kCodeTemplateSection = "CodeTemplate";

// The viewer panels, stored with the layout.
inline constexpr StoredBool ActionViewChecked{"ViewInfo", "ActionViewChecked", true};
inline constexpr StoredBool FolderExpChecked{"ViewInfo", "FolderExpChecked", true};
inline constexpr StoredBool ShowLeftPanel{"ViewInfo", "ShowLeftPanel", true};

// A window's or bar's place: the same six values in each of these sections
// ("Floating" is not stored for the main window). -1 keeps the present value.
inline constexpr const char* kMainWindowPlace = "Pos\\MainWindow";
inline constexpr const char* kFunctionPaletPlace = "Pos\\FunctionPalet";
inline constexpr const char* kHelpBarPlace = "Pos\\HelpBar";
inline constexpr const char* kFileBarPlace = "Pos\\FileBar";
inline constexpr const char* kDbgBarPlace = "Pos\\DbgBar";
inline constexpr const char* kFindBarPlace = "Pos\\FindBar";
// The compile's output; hidden until the first compile.
inline constexpr const char* kOutputBarPlace = "Pos\\OutputBar";
inline constexpr StoredBool OutputBarVisible{kOutputBarPlace, "Visible", false};
inline constexpr int kUnsetPlace = -1;
constexpr StoredBool PlaceFloating(const char* section) { return {section, "Floating", false}; }
constexpr StoredInt PlaceTop(const char* section) { return {section, "Top", kUnsetPlace}; }
constexpr StoredInt PlaceLeft(const char* section) { return {section, "Left", kUnsetPlace}; }
constexpr StoredInt PlaceWidth(const char* section) { return {section, "Width", kUnsetPlace}; }
// So spelled in every section that has it.
constexpr StoredInt PlaceHeight(const char* section) { return {section, "Heiht", kUnsetPlace}; }
constexpr StoredBool PlaceVisible(const char* section) { return {section, "Visible", true}; }

}  // namespace stored
