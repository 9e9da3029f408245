#pragma once
// The main window as the macro host sees it: each request goes to the
// window's own document operations and commands.
#include "macro/host/macrowindow.h"

class TMF;

class TMacroWindowAdapter final : public MacroWindow {
public:
    explicit TMacroWindowAdapter(TMF& window) : window_(window) {}

    QWidget* Widget() override;
    TEditorEx* CurEditor() override;
    int DocumentCount() override;
    int ActiveDocIndex() override;
    QString DocumentName(int index) override;
    TEditorEx* DocumentEditor(int index) override;
    QString ActivePageCaption() override;
    void ActivateDocument(int index) override;
    void OpenDocument(const QString& path) override;
    void SaveCurrentDocumentAs(const QString& path) override;
    void CloseCurrentPage() override;
    void CloseWindow() override;
    void Run(WindowCommand command) override;
    void SetMacroStatus(const QString& text) override;
    bool PermitAllMacro() override;
    QString CurrentFolder() override;

private:
    TMF& window_;
};
