#pragma once
// The settings subsystem as the main window holds it: the settings dialog,
// the editor appearance window and the version window (each made by its
// command and freed when it returns), and the code template picker, which lives from the window's
// first showing to its close.
#include <QStringList>
#include <QtGlobal>

#include <memory>

class QWidget;
class TCDlg;
class TEditorEx;
struct TEditorExProp;
struct TSettings;

class TSettingsDialogs {
public:
    // The window's own settings record, wheel rows per step and snippet list,
    // which outlive this object.
    TSettingsDialogs(QWidget& window, TSettings& settings, qint32& wheelLineCount, const QStringList& snippetList);
    ~TSettingsDialogs();

    // 設定: the settings dialog, modal.
    void SystemButtonClick();
    // エディタ設定: stores `editProp` (so the store holds what the editors
    // show), lets the appearance window edit the stored set, and reads the
    // set and OpenMailOrMail back, whichever way the window closed. The
    // caller gives the set to the editors.
    void ShowEditorConfig(TEditorExProp& editProp);
    // バージョン情報: the version window, modal.
    void About1Click();

    void CreatePicker();
    void FreePicker();
    TCDlg* Picker() const { return picker_.get(); }
    // Opens the picker beside the caret of `editor`, which it then inserts into:
    // Ctrl+E (snippet completion) or Ctrl+J (code templates).
    void ShowPicker(TEditorEx& editor, bool snippetCompletion);

private:
    QWidget& window_;
    TSettings& settings_;
    qint32& wheelLineCount_;
    const QStringList& snippetList_;
    std::unique_ptr<TCDlg> picker_;
};
