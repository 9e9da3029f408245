// A bar floats the way Qt floats it when the user drags it off: it becomes a
// frameless tool window of its own, which the main window's layout passes
// over until the bar is docked again. Docked bars go back to their stored
// rows and order within a row; how they share a row is Qt's.
#include "app/layout.h"

#include "app/barrows.h"
#include "app/mainunit.h"
#include "output/compileoutput.h"
#include "palette/functionpalette.h"
#include "platform/regini.h"
#include "settings/storedvalues.h"

#include <QDockWidget>
#include <QSplitter>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kUnset = stored::kUnsetPlace;

struct BarSection {
    QToolBar* bar;
    const char* section;
};

// The bars whose places are stored, in the order they are written and read.
std::vector<BarSection> storedBars(const TMF& mf) {
    return {{mf.FunctionPalet, stored::kFunctionPaletPlace},
            {mf.HelpBar, stored::kHelpBarPlace},
            {mf.FileBar, stored::kFileBarPlace},
            {mf.ComBar, stored::kDbgBarPlace},
            {mf.FindBar, stored::kFindBarPlace}};
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
void writePosition(TRegIniFile& reg, const char* section, const TMF& mf, const QWidget& control) {
    const bool normalBounds = &control == &mf && mf.isMaximized();
    const QRect bounds = normalBounds ? QRect(mf.Settings.Left, mf.Settings.Top, mf.Settings.Width, mf.Settings.Height)
                                      : QRect(control.pos(), control.size());
    WriteStored(reg, stored::PlaceTop(section), bounds.top());
    WriteStored(reg, stored::PlaceLeft(section), bounds.left());
    WriteStored(reg, stored::PlaceWidth(section), bounds.width());
    WriteStored(reg, stored::PlaceHeight(section), bounds.height());
    WriteStored(reg, stored::PlaceVisible(section), !control.isHidden());
}

// The window's section holds the same bounds as a bar's.
StoredPlace readPlace(const TRegIniFile& reg, const char* section) {
    StoredPlace place;
    place.floating = ReadStored(reg, stored::PlaceFloating(section));
    place.top = ReadStored(reg, stored::PlaceTop(section));
    place.left = ReadStored(reg, stored::PlaceLeft(section));
    place.width = ReadStored(reg, stored::PlaceWidth(section));
    place.height = ReadStored(reg, stored::PlaceHeight(section));
    place.visible = ReadStored(reg, stored::PlaceVisible(section));
    return place;
}

int storedOr(int stored, int current) { return stored == kUnset ? current : stored; }

void applyWindowBounds(TMF& mf, const TRegIniFile& reg) {
    const StoredPlace place = readPlace(reg, stored::kMainWindowPlace);
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

// The output bar docks below the editor, where only its height is its own;
// floating, it is a window like a floating bar.
void writeOutputBar(TRegIniFile& reg, const TMF& mf) {
    const QDockWidget& bar = *mf.CompileOutput->OutputBar;
    WriteStored(reg, stored::PlaceFloating(stored::kOutputBarPlace), bar.isFloating());
    writePosition(reg, stored::kOutputBarPlace, mf, bar);
}

void loadOutputBar(TMF& mf, const TRegIniFile& reg) {
    QDockWidget& bar = *mf.CompileOutput->OutputBar;
    StoredPlace place = readPlace(reg, stored::kOutputBarPlace);
    place.visible = ReadStored(reg, stored::OutputBarVisible);
    bar.setFloating(place.floating);
    if (place.floating) {
        // Stored as pos() (the frame's corner) and size(), so put back so.
        bar.move(storedOr(place.left, bar.x()), storedOr(place.top, bar.y()));
        bar.resize(storedOr(place.width, bar.width()), storedOr(place.height, bar.height()));
    } else if (place.height != kUnset) {
        mf.resizeDocks({&bar}, {place.height}, Qt::Vertical);
    }
    bar.setVisible(place.visible);
}

}  // namespace

void SaveWindowLayout(const TMF& mf, TRegIniFile& reg) {
    writePosition(reg, stored::kMainWindowPlace, mf, mf);
    for (const BarSection& entry : storedBars(mf)) {
        WriteStored(reg, stored::PlaceFloating(entry.section), entry.bar->isFloating());
        writePosition(reg, entry.section, mf, *entry.bar);
    }
    writeOutputBar(reg, mf);
}

void LoadWindowLayout(TMF& mf, const TRegIniFile& reg) {
    // The bar area widens the palette by what the window grows from here.
    mf.LastWidth = mf.width();
    applyWindowBounds(mf, reg);

    std::vector<std::pair<QToolBar*, StoredPlace>> places;
    for (const BarSection& entry : storedBars(mf)) places.emplace_back(entry.bar, readPlace(reg, entry.section));
    applyPaletteWidth(mf, places.front().second.width);
    arrangeDockedBars(mf, places);
    for (auto& [bar, place] : places) {
        if (place.floating) floatBar(*bar, place);
        bar->setVisible(place.visible);
    }
    loadOutputBar(mf, reg);
}
