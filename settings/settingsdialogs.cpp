#include "settings/settingsdialogs.h"

#include "settings/aboutbox.h"
#include "settings/codedlg.h"
#include "settings/setdlg.h"

TSettingsDialogs::TSettingsDialogs(QWidget& window, TSettings& settings, qint32& wheelLineCount,
                                   const QStringList& snippetList)
    : window_(window), settings_(settings), wheelLineCount_(wheelLineCount), snippetList_(snippetList) {}

TSettingsDialogs::~TSettingsDialogs() = default;

void TSettingsDialogs::SystemButtonClick() {
    TSDlg dialog(&window_, wheelLineCount_, settings_);
    dialog.exec();
}

void TSettingsDialogs::About1Click() {
    TAboutBox box(&window_);
    box.exec();
}

void TSettingsDialogs::CreatePicker() { picker_ = std::make_unique<TCDlg>(&window_, settings_, snippetList_); }

void TSettingsDialogs::FreePicker() { picker_.reset(); }

void TSettingsDialogs::ShowPicker(TEditorEx& editor, bool snippetCompletion) {
    if (!picker_) return;
    picker_->SetTemplateEditor(&editor);
    picker_->Popup(snippetCompletion ? TCDlg::SnippetMode : TCDlg::TemplateMode);
}
