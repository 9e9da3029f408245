#pragma once
// The main window as find and replace and the action viewer see it, for
// tests: documents are editors keyed by path (one untitled editor to start
// with), opening loads the file, and every call is counted.
#include "components/editorex.h"
#include "search/searchwindow.h"
#include "settings/settingsrecord.h"
#include "settings/storedvalues.h"

#include <QFileInfo>
#include <QWidget>

#include <map>
#include <memory>

class FakeSearchWindow final : public SearchWindow {
public:
    FakeSearchWindow() {
        settings.RegKey = stored::kRegKey;
        documents[QString()] = std::make_unique<TEditorEx>(&owner);
        current = documents[QString()].get();
    }

    TEditorEx& editor() { return *current; }

    TEditorEx* CurrentEditor() override { return current; }
    TSettings& Settings() override { return settings; }
    QWidget* DialogOwner() override { return &owner; }
    void UpdateModifiedMark() override { ++modifiedMarks; }
    bool IsDocumentOpen(const QString& path) override { return documents.count(path) > 0; }
    void OpenDocument(const QString& path) override {
        ++opens;
        if (!QFileInfo(path).isFile()) return;
        auto editor = std::make_unique<TEditorEx>(&owner);
        editor->Lines().LoadFromFile(path);
        current = editor.get();
        documents[path] = std::move(editor);
    }
    void ActivateDocument(const QString& path) override {
        ++activations;
        current = documents.at(path).get();
    }
    QString ExplorerFolder() override { return explorerFolder; }
    void CenterCaretRow() override { ++centred; }

    QWidget owner;
    TSettings settings;
    std::map<QString, std::unique_ptr<TEditorEx>> documents;
    TEditorEx* current = nullptr;
    QString explorerFolder;
    int modifiedMarks = 0;
    int opens = 0;
    int activations = 0;
    int centred = 0;
};
