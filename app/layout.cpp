// The layout stored at exit and restored at start-up while SaveWindowState
// is set: the main window's bounds, each bar's place (docked in the bar area
// or floating in its own window) and visibility, and the viewer panels.
//
// A bar floats the way Qt floats it when the user drags it off: it becomes a
// frameless tool window of its own, which the main window's layout passes
// over until the bar is docked again. Docked bars go back to their stored
// rows and order within a row; how they share a row is Qt's.
#include "app/barrows.h"
#include "app/mainunit.h"
#include "platform/regini.h"

#include <QSplitter>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr const char* kMainWindowSection = "Pos\\MainWindow";
constexpr const char* kViewSection = "ViewInfo";
constexpr int kUnset = -1;

struct BarSection {
    QToolBar* bar;
    const char* section;
};

// The bars whose places are stored, in the order they are written and read.
std::vector<BarSection> storedBars(const TMF& mf) {
    return {{mf.FunctionPalet, "Pos\\FunctionPalet"},
            {mf.HelpBar, "Pos\\HelpBar"},
            {mf.FileBar, "Pos\\FileBar"},
            {mf.ComBar, "Pos\\DbgBar"},
            {mf.FindBar, "Pos\\FindBar"}};
}

struct StoredPlace {
    bool floating = false;
    int top = kUnset;
    int left = kUnset;
    int width = kUnset;
    int height = kUnset;
    bool visible = true;
};

// A floating bar is a window itself, so its own bounds are the ones stored.
void writePosition(TRegIniFile& reg, const QString& section, const TMF& mf, const QWidget& control) {
    if (&control == &mf && mf.isMaximized()) {
        reg.WriteInteger(section, "Top", mf.Settings.Top);
        reg.WriteInteger(section, "Left", mf.Settings.Left);
        reg.WriteInteger(section, "Width", mf.Settings.Width);
        reg.WriteInteger(section, "Heiht", mf.Settings.Height);
    } else {
        reg.WriteInteger(section, "Top", control.y());
        reg.WriteInteger(section, "Left", control.x());
        reg.WriteInteger(section, "Width", control.width());
        reg.WriteInteger(section, "Heiht", control.height());
    }
    reg.WriteBool(section, "Visible", !control.isHidden());
}

// The window's section holds the same bounds as a bar's.
StoredPlace readPlace(const TRegIniFile& reg, const QString& section) {
    StoredPlace place;
    place.floating = reg.ReadBool(section, "Floating", false);
    place.top = reg.ReadInteger(section, "Top", kUnset);
    place.left = reg.ReadInteger(section, "Left", kUnset);
    place.width = reg.ReadInteger(section, "Width", kUnset);
    place.height = reg.ReadInteger(section, "Heiht", kUnset);
    place.visible = reg.ReadBool(section, "Visible", true);
    return place;
}

int storedOr(int stored, int current) { return stored == kUnset ? current : stored; }

void applyWindowBounds(TMF& mf, const TRegIniFile& reg) {
    const StoredPlace place = readPlace(reg, kMainWindowSection);
    mf.move(storedOr(place.left, mf.x()), storedOr(place.top, mf.y()));
    mf.resize(storedOr(place.width, mf.width()), storedOr(place.height, mf.height()));
}

// The palette is the one bar whose width is its own (it grows with the
// window); the other bars are as wide as their buttons.
void applyPaletteWidth(TMF& mf, int storedWidth) {
    if (storedWidth == kUnset) return;
    const int extra = storedWidth - mf.FunctionPalet->sizeHint().width();
    if (extra > 0) mf.PalettePanel->setFixedWidth(mf.PalettePanel->minimumWidth() + extra);
}

// What the bar does itself when the user drags it off and lets it go.
void floatBar(QToolBar& bar, const StoredPlace& place) {
    const QRect current(bar.mapToGlobal(QPoint(0, 0)), bar.sizeHint());
    bar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    bar.setGeometry(storedOr(place.left, current.left()), storedOr(place.top, current.top()),
                    storedOr(place.width, current.width()), storedOr(place.height, current.height()));
}

// Docks every bar of the top area that does not float (and those about to
// float, which the layout then passes over) in rows as their places say:
// stored places for the stored bars, present places for the others.
void arrangeDockedBars(TMF& mf, const std::vector<std::pair<QToolBar*, StoredPlace>>& stored) {
    std::vector<QToolBar*> bars;
    std::vector<DockedPlace> places;
    std::vector<QToolBar*> floating;
    for (QToolBar* bar : mf.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        if (mf.toolBarArea(bar) != Qt::TopToolBarArea) continue;
        const auto entry = std::find_if(stored.begin(), stored.end(), [bar](const auto& s) { return s.first == bar; });
        if (entry == stored.end() && bar->isFloating()) continue;  // not ours to move
        if (entry != stored.end() && entry->second.floating) {
            floating.push_back(bar);
            continue;
        }
        const QRect now = bar->geometry();
        DockedPlace place{now.top(), now.left(), now.height()};
        if (entry != stored.end()) {
            place.top = storedOr(entry->second.top, place.top);
            place.left = storedOr(entry->second.left, place.left);
            place.height = storedOr(entry->second.height, place.height);
        }
        bars.push_back(bar);
        places.push_back(place);
    }

    std::vector<std::pair<QToolBar*, bool>> hidden;
    for (QToolBar* bar : bars) hidden.emplace_back(bar, bar->isHidden());
    for (QToolBar* bar : floating) hidden.emplace_back(bar, bar->isHidden());
    for (const auto& [bar, wasHidden] : hidden) mf.removeToolBar(bar);

    const std::vector<std::vector<int>> rows = arrangeRows(places);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) mf.addToolBarBreak(Qt::TopToolBarArea);
        for (int index : rows[r]) mf.addToolBar(Qt::TopToolBarArea, bars[index]);
    }
    for (QToolBar* bar : floating) mf.addToolBar(Qt::TopToolBarArea, bar);
    for (const auto& [bar, wasHidden] : hidden) bar->setHidden(wasHidden);
}

}  // namespace

void TMF::SaveOnClose() {
    EditProp.WriteReg(Settings.RegKey, "Editor", "Editor");
    if (!Settings.SaveWindowState) return;
    TRegIniFile reg(Settings.RegKey);
    reg.SetWriteThrough(false);
    SaveLayout(reg);
    SaveViewInfo(reg);
    reg.UpdateFile();
}

void TMF::SaveLayout(TRegIniFile& reg) {
    writePosition(reg, kMainWindowSection, *this, *this);
    for (const BarSection& entry : storedBars(*this)) {
        reg.WriteBool(entry.section, "Floating", entry.bar->isFloating());
        writePosition(reg, entry.section, *this, *entry.bar);
    }
}

void TMF::LoadLayout(const TRegIniFile& reg) {
    // The bar area widens the palette by what the window grows from here.
    LastWidth = width();
    applyWindowBounds(*this, reg);

    std::vector<std::pair<QToolBar*, StoredPlace>> places;
    for (const BarSection& entry : storedBars(*this)) places.emplace_back(entry.bar, readPlace(reg, entry.section));
    applyPaletteWidth(*this, places.front().second.width);
    arrangeDockedBars(*this, places);
    for (auto& [bar, place] : places) {
        if (place.floating) floatBar(*bar, place);
        bar->setVisible(place.visible);
    }
}

void TMF::SaveViewInfo(TRegIniFile& reg) {
    reg.WriteBool(kViewSection, "ActionViewChecked", !ActionViewPanel->isHidden());
    reg.WriteBool(kViewSection, "FolderExpChecked", !FolderPanel->isHidden());
    reg.WriteBool(kViewSection, "ShowLeftPanel", !LeftPanel->isHidden());
}

void TMF::LoadViewInfo(const TRegIniFile& reg) {
    if (!reg.ReadBool(kViewSection, "ActionViewChecked", true)) ActionViewPanel->hide();
    if (!reg.ReadBool(kViewSection, "FolderExpChecked", true)) hideFolderPanel();
    if (!reg.ReadBool(kViewSection, "ShowLeftPanel", true) && !LeftPanel->isHidden()) ShowLeftBarMClick();
}
