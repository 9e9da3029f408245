#pragma once
// What find and replace and the action viewer ask of the main window. The
// window implements it (app/searchhost.*); tests give a small fake.
#include <QString>

class QWidget;
class TEditorEx;
struct TSettings;

class SearchWindow {
public:
    virtual ~SearchWindow() = default;

    // The current document's editor; nullptr while there is none.
    virtual TEditorEx* CurrentEditor() = 0;
    // The settings record: the key of the stored values and the find and
    // replace histories.
    virtual TSettings& Settings() = 0;
    // The window dialogs and message boxes belong to.
    virtual QWidget* DialogOwner() = 0;
    // Marks the current document's tab as changed.
    virtual void UpdateModifiedMark() = 0;

    // Whether `path` is open in a tab (compared as the window compares names).
    virtual bool IsDocumentOpen(const QString& path) = 0;
    // Opens `path` in a tab and moves the folder explorer to its folder; a
    // missing file is ignored. Throws FileError when the file cannot be read.
    virtual void OpenDocument(const QString& path) = 0;
    // Brings the tab of `path` to the front.
    virtual void ActivateDocument(const QString& path) = 0;
    // The folder the folder explorer shows.
    virtual QString ExplorerFolder() = 0;
    // Scrolls the current editor so that its caret row stands near the middle.
    virtual void CenterCaretRow() = 0;
};
