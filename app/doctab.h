#pragma once
// One document: its tab sheet, the editor that fills it, and the file it was
// loaded from or saved to.
#include <QString>
#include <array>

class QWidget;
class TEditorEx;

struct TDocTab {
    TEditorEx* Editor = nullptr;        // the main view, child of the sheet
    QWidget* Sheet = nullptr;           // the page on EditorTabSheet
    TEditorEx* LowerEditor = nullptr;   // the second view while split
    QWidget* LowerSplitter = nullptr;
    std::array<bool, 10> BookMarks{};   // drives the bookmark items' checks
    QString Name;                       // full path; empty while untitled
};
