#pragma once
// The main window as find and replace and the action viewer see it.
#include "search/searchwindow.h"

class TMF;

class TSearchHost final : public SearchWindow {
public:
    explicit TSearchHost(TMF& window) : window_(window) {}

    TEditorEx* CurrentEditor() override;
    TSettings& Settings() override;
    QWidget* DialogOwner() override;
    void UpdateModifiedMark() override;
    bool IsDocumentOpen(const QString& path) override;
    void OpenDocument(const QString& path) override;
    void ActivateDocument(const QString& path) override;
    QString ExplorerFolder() override;
    void CenterCaretRow() override;

private:
    TMF& window_;
};
