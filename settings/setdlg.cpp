#include "settings/setdlg.h"

#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "settings/formparts.h"
#include "settings/settingsmessages.h"
#include "settings/settingsrecord.h"
#include "settings/settingstable.h"
#include "settings/storedvalues.h"
#include "settings/templatepage.h"
#include "settings/updown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFontPixels = 12;
constexpr int kWheelEditWidth = 48;

const QString kAllFiles = QStringLiteral("|全て(*.*)|*.*");

const char* const kMacroWarning =
    "このオプションをチェックすると全てのマクロが使用\n"
    "可能になりますが、ファイルアクセスなども許可され\n"
    "てしまうために悪意のあるマクロによってご使用の\n"
    "環境が破壊される恐れがあります。\n"
    "マクロの使用によって生じたいかなる損害についても、\n"
    "Quodex の開発者は責任を負いません。";

}  // namespace

TSDlg::TSDlg(QWidget* owner, qint32& wheelLineCount, TSettings& settings)
    : QDialog(owner), settings_(settings), wheelLineCount_(wheelLineCount) {
    setObjectName("SDlg");
    setWindowTitle("設定");
    setFont(formFont(kFontPixels));

    PageControl = named(new QTabWidget, "PageControl1");
    PageControl->addTab(buildGeneralPage(), "一般");
    PageControl->addTab(buildMacroPage(), "マクロ");
    TemplatePage = new TTemplatePage(settings_.RegKey);
    PageControl->addTab(TemplatePage, "コードテンプレート");
    auto* column = new QVBoxLayout(this);
    column->addWidget(PageControl, 1);
    buildButtons();
    fillControls();
    resize(520, 400);
}

// --- Controls ------------------------------------------------------------------------

QWidget* TSDlg::buildGeneralPage() {
    auto* page = named(new QWidget, "GeneralSheet");
    auto* grid = new QGridLayout(page);
    struct Row {
        QLineEdit*& edit;
        const char* editName;
        QPushButton*& button;
        const char* buttonName;
        const char* label;
        void (TSDlg::*handler)();
    };
    const Row rows[] = {
        {PathEdit, "PathEdit", PathButton, "PathButton", "カレントディレクトリ", &TSDlg::PathButtonClick},
        {HelpEdit, "HelpEdit", HelpButton, "HelpButton", "ヘルプファイル", &TSDlg::HelpButtonClick},
        {LumcEdit, "LumcEdit", LumcButton, "LumcButton", "lumcディレクトリ", &TSDlg::LumcButtonClick},
        {BatEdit, "BatEdit", BatButton, "BatButton", "バッチファイル", &TSDlg::BatButtonClick},
        {KioroEdit, "KioroEdit", KioroButton, "KioroButton", "Kioro本体", &TSDlg::KioroButtonClick},
        {KioEdit, "KioEdit", KioButton, "KioButton", "実行KIOファイル", &TSDlg::KioButtonClick},
    };
    int line = 0;
    for (const Row& row : rows) {
        row.edit = named(new QLineEdit, row.editName);
        row.button = named(new QPushButton("参照"), row.buttonName);
        auto* label = new QLabel(row.label);
        label->setBuddy(row.edit);
        grid->addWidget(label, line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(row.button, line, 2);
        const auto handler = row.handler;
        connect(row.button, &QPushButton::clicked, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
        ++line;
    }
    WindowStateChk = named(new QCheckBox("ウィンドウの状態を保存する"), "WindowStateChk");
    grid->addWidget(WindowStateChk, line++, 0, 1, 3);

    WheelScrollCountEdit = named(new QLineEdit("0"), "WheelScrollCountEdit");
    WheelScrollCountEdit->setFixedWidth(kWheelEditWidth);
    UpDown1 = named(new TUpDown(WheelScrollCountEdit), "UpDown1");
    auto* wheelLabel = new QLabel("ホイールでスクロールする行数");
    wheelLabel->setBuddy(WheelScrollCountEdit);
    auto* wheel = new QHBoxLayout;
    wheel->setSpacing(0);
    wheel->addWidget(WheelScrollCountEdit);
    wheel->addWidget(UpDown1);
    wheel->addStretch();
    grid->addWidget(wheelLabel, line, 0);
    grid->addLayout(wheel, line++, 1, 1, 2);
    grid->setRowStretch(line, 1);
    return page;
}

QWidget* TSDlg::buildMacroPage() {
    auto* page = named(new QWidget, "MacroSheet");
    MacroPermitChk = named(new QCheckBox("全てのマクロ命令を許可する"), "MacroPermitChk");
    MacroPermitMemo = named(new QPlainTextEdit(QString::fromUtf8(kMacroWarning)), "MacroPermitMemo");
    MacroPermitMemo->setReadOnly(true);
    MacroPermitMemo->setFrameShape(QFrame::NoFrame);
    MacroPermitMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette note = MacroPermitMemo->palette();
    note.setColor(QPalette::Base, note.color(QPalette::Window));
    MacroPermitMemo->setPalette(note);
    connect(MacroPermitChk, &QCheckBox::toggled, this, [this] { runGuarded([this] { MacroPermitChkClick(); }); });
    auto* column = new QVBoxLayout(page);
    column->addWidget(MacroPermitChk);
    column->addWidget(MacroPermitMemo, 1);
    return page;
}

void TSDlg::buildButtons() {
    OKButton = named(new QPushButton("OK"), "OKButton");
    OKButton->setDefault(true);
    CancelButton = named(new QPushButton("キャンセル"), "CancelButton");
    connect(OKButton, &QPushButton::clicked, this, [this] { runGuarded([this] { OKButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { runGuarded([this] { CancelButtonClick(); }); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void TSDlg::fillControls() {
    PathEdit->setText(settings_.CurrentFolder);
    HelpEdit->setText(settings_.LumHelpFile);
    LumcEdit->setText(settings_.LumcFolder);
    BatEdit->setText(settings_.BatFile);
    KioroEdit->setText(settings_.KioroFile);
    KioEdit->setText(settings_.KioFile);
    WindowStateChk->setChecked(settings_.SaveWindowState);
    MacroPermitChk->setChecked(settings_.PermitAllMacro);
    MacroPermitChkClick();
    UpDown1->SetPosition(wheelLineCount_);
    TemplatePage->Load();
}

void TSDlg::MacroPermitChkClick() { MacroPermitMemo->setVisible(MacroPermitChk->isChecked()); }

// --- OK and キャンセル -------------------------------------------------------------------

void TSDlg::OKButtonClick() {
    const QString wheelText = WheelScrollCountEdit->text();
    bool isNumber = false;
    const int wheelLineCount = wheelText.trimmed().toInt(&isNumber, 10);
    if (!isNumber) {
        ShowSettingsMessage(SettingsMessage::NotAnInteger, this, wheelText);
        PageControl->setCurrentIndex(0);
        WheelScrollCountEdit->setFocus();
        WheelScrollCountEdit->selectAll();
        return;
    }
    settings_.CurrentFolder = CurrentFolderOfStored(PathEdit->text(), settings_.AppFolder);
    settings_.LumHelpFile = HelpEdit->text();
    settings_.LumcFolder = LumcEdit->text();
    settings_.BatFile = BatEdit->text();
    settings_.KioroFile = KioroEdit->text();
    settings_.KioFile = KioEdit->text();
    settings_.SaveWindowState = WindowStateChk->isChecked();
    settings_.PermitAllMacro = MacroPermitChk->isChecked();
    wheelLineCount_ = wheelLineCount;
    writeSettings();
    TemplatePage->Store();
    accept();
}

void TSDlg::writeSettings() const {
    TRegIniFile reg(settings_.RegKey);
    reg.SetWriteThrough(false);
    // The folder as the edit shows it; reading it back at start-up adds the "/".
    WriteStored(reg, stored::Path, PathEdit->text());
    for (QString TSettings::*path : {&TSettings::LumHelpFile, &TSettings::LumcFolder, &TSettings::BatFile,
                                     &TSettings::KioroFile, &TSettings::KioFile})
        WriteStartupSetting(reg, settings_, path);
    WriteStartupSetting(reg, settings_, &TSettings::SaveWindowState);
    WriteStartupSetting(reg, settings_, &TSettings::PermitAllMacro);
    WriteWheelLineCount(reg, wheelLineCount_);
    reg.UpdateFile();
}

void TSDlg::CancelButtonClick() { reject(); }

// --- Browsing ------------------------------------------------------------------------------

void TSDlg::browseFolder(QLineEdit* edit, const QString& title) {
    const QString folder = prompts().chooseFolder(title, edit->text(), this);
    if (!folder.isEmpty()) edit->setText(folder);
}

void TSDlg::browseFile(QLineEdit* edit, const QString& filter) {
    FileDialogRequest request;
    request.owner = this;
    request.filter = filter + kAllFiles;
    request.initialFolder = paths::folderPart(edit->text());
    const QStringList files = prompts().chooseOpenFiles(request);
    if (!files.isEmpty()) edit->setText(files.first());
}

void TSDlg::PathButtonClick() { browseFolder(PathEdit, "カレントディレクトリを指定して下さい"); }

void TSDlg::HelpButtonClick() { browseFile(HelpEdit, "Lumiraヘルプ(index.html)|index.html"); }

void TSDlg::LumcButtonClick() { browseFolder(LumcEdit, "lumc,lumpのあるディレクトリを指定して下さい"); }

void TSDlg::BatButtonClick() { browseFile(BatEdit, "バッチファイル(*.bat)|*.bat"); }

void TSDlg::KioroButtonClick() { browseFile(KioroEdit, "Halvane本体(*.exe)|*.exe"); }

void TSDlg::KioButtonClick() { browseFile(KioEdit, "Kioro定義ファイル(*.kio)|*.kio"); }
