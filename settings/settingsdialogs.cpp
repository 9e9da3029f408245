#include "settings/settingsdialogs.h"

#include "settings/aboutbox.h"
#include "components/editorexprop.h"
#include "platform/regini.h"
#include "settings/codedlg.h"
#include "settings/editorconfigform.h"
#include "settings/editorsetframe.h"
#include "settings/setdlg.h"
#include "settings/settingsrecord.h"
#include "settings/storedvalues.h"

TSettingsDialogs::TSettingsDialogs(QWidget& window, TSettings& settings, qint32& wheelLineCount,
                                   const QStringList& snippetList)
    : window_(window), settings_(settings), wheelLineCount_(wheelLineCount), snippetList_(snippetList) {}

TSettingsDialogs::~TSettingsDialogs() = default;

void TSettingsDialogs::SystemButtonClick() {
    TSDlg dialog(&window_, wheelLineCount_, settings_);
    dialog.exec();
}

void TSettingsDialogs::ShowEditorConfig(TEditorExProp& editProp) {
    const QString& key = settings_.RegKey;
    editProp.WriteReg(key, stored::kEditorSection, stored::kEditorValue);
    {
        TEditorConfigForm form(&window_);
        form.EdSetFrm->SetStorage(key, stored::kEditorSection, stored::kEditorValue);
        form.EdSetFrm->Load();
        form.exec();
    }
    editProp.ReadReg(key, stored::kEditorSection, stored::kEditorValue);
    settings_.OpenMailOrMail = ReadStored(TRegIniFile(key), stored::OpenMailOrMail);
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
