#include "settings/templatepage.h"

#include "platform/prompt.h"
#include "platform/regini.h"
#include "settings/codetemplates.h"
#include "settings/formparts.h"
#include "settings/settingsmessages.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

const QString kTemplateFilter = QStringLiteral("テンプレートファイル(*.qtf)|*.qtf");
const QString kTemplateExtension = QStringLiteral("qtf");

// The memo breaks lines with LF; bodies keep them as CR LF.
QString memoText(QString body) {
    return body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

QString bodyText(QString memo) { return memo.replace(u'\n', QLatin1String("\r\n")); }

FileDialogRequest templateFileRequest(QWidget* owner) {
    FileDialogRequest request;
    request.owner = owner;
    request.filter = kTemplateFilter;
    request.defaultExtension = kTemplateExtension;
    return request;
}

}  // namespace

TTemplatePage::TTemplatePage(const QString& regKey, QWidget* parent) : QWidget(parent), regKey_(regKey) {
    setObjectName("TemplateSheet");
    buildControls();
}

void TTemplatePage::buildControls() {
    CodeNameListBox = named(new QListWidget, "CodeNameListBox");
    CodeContentsEdit = named(new QPlainTextEdit, "CodeContentsEdit");
    CodeContentsEdit->setTabChangesFocus(false);
    CodeContentsEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* nameLabel = new QLabel("名前(&T)");
    nameLabel->setBuddy(CodeNameListBox);
    CodeNameListBox->setAccessibleName("名前");  // lists do not read their label
    auto* codeLabel = new QLabel("コード(&O)");
    codeLabel->setBuddy(CodeContentsEdit);
    TemplateAddButton = named(new QPushButton("追加(&A)"), "TemplateAddButton");
    TemplateEditButton = named(new QPushButton("編集(&E)"), "TemplateEditButton");
    TemplateDelButton = named(new QPushButton("削除(&L)"), "TemplateDelButton");
    TemplateImportButton = named(new QPushButton("インポート"), "TemplateImportButton");
    TemplateExportButton = named(new QPushButton("エクスポート"), "TemplateExportButton");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {TemplateAddButton, TemplateEditButton, TemplateDelButton}) buttons->addWidget(button);
    buttons->addSpacing(12);
    for (QPushButton* button : {TemplateImportButton, TemplateExportButton}) buttons->addWidget(button);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(codeLabel, 0, 1);
    grid->addWidget(CodeNameListBox, 1, 0);
    grid->addWidget(CodeContentsEdit, 1, 1);
    grid->addLayout(buttons, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 5);

    bind(TemplateAddButton, &TTemplatePage::TemplateAddButtonClick);
    bind(TemplateEditButton, &TTemplatePage::TemplateEditButtonClick);
    bind(TemplateDelButton, &TTemplatePage::TemplateDelButtonClick);
    bind(TemplateImportButton, &TTemplatePage::TemplateImportButtonClick);
    bind(TemplateExportButton, &TTemplatePage::TemplateExportButtonClick);
    connect(CodeNameListBox, &QListWidget::currentRowChanged, this,
            [this] { runGuarded([this] { CodeNameListBoxClick(); }); });
    connect(CodeContentsEdit, &QPlainTextEdit::textChanged, this,
            [this] { runGuarded([this] { CodeContentsEditChange(); }); });
}

void TTemplatePage::bind(QPushButton* button, void (TTemplatePage::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

QStringList TTemplatePage::Names() const {
    QStringList names;
    for (int i = 0; i < CodeNameListBox->count(); ++i) names.append(CodeNameListBox->item(i)->text());
    return names;
}

void TTemplatePage::Load() {
    QStringList names;
    LoadTemplates(TRegIniFile(regKey_), names, Bodies);
    CodeNameListBox->addItems(names);
}

void TTemplatePage::Store() const {
    TRegIniFile reg(regKey_);
    StoreTemplates(reg, Names(), Bodies);
}

// --- Showing and typing ----------------------------------------------------------

int TTemplatePage::selectedBody() const {
    const int row = CodeNameListBox->currentRow();
    return row >= 0 && row < Bodies.size() ? row : -1;
}

void TTemplatePage::showBody() {
    const QScopedValueRollback showing(showing_, true);
    if (const int row = selectedBody(); row >= 0)
        CodeContentsEdit->setPlainText(memoText(Bodies[row]));
    else if (CodeNameListBox->count() == 0)
        CodeContentsEdit->clear();
}

void TTemplatePage::selectRow(int row) {
    CodeNameListBox->setCurrentRow(row);
    showBody();
}

void TTemplatePage::CodeNameListBoxClick() { showBody(); }

void TTemplatePage::CodeContentsEditChange() {
    if (showing_) return;
    if (const int row = selectedBody(); row >= 0) Bodies[row] = bodyText(CodeContentsEdit->toPlainText());
}

// --- Add, rename, delete ------------------------------------------------------------

QString TTemplatePage::askName(const QString& initial) {
    return prompts().inputText("名前を入力してください", "名前", initial, this).value_or(QString());
}

void TTemplatePage::TemplateAddButtonClick() {
    const QString name = askName(QString());
    if (name.isEmpty()) return;
    const QStringList names = Names();
    if (names.contains(name, Qt::CaseInsensitive)) {
        ShowSettingsMessage(SettingsMessage::DuplicateTemplate, this);
        return;
    }
    CodeNameListBox->addItem(name);
    Bodies.append(QString());
    CodeNameListBox->setFocus();
    selectRow(CodeNameListBox->count() - 1);
}

void TTemplatePage::TemplateEditButtonClick() {
    QListWidgetItem* item = CodeNameListBox->currentItem();
    if (!item) return;
    const QString name = askName(item->text());
    if (!name.isEmpty()) item->setText(name);
}

void TTemplatePage::TemplateDelButtonClick() {
    const int row = CodeNameListBox->currentRow();
    if (row < 0) return;
    if (row < Bodies.size()) Bodies.removeAt(row);
    delete CodeNameListBox->takeItem(row);
    selectRow(std::min(row, CodeNameListBox->count() - 1));
}

// --- Template files -------------------------------------------------------------------

void TTemplatePage::TemplateImportButtonClick() {
    const QStringList files = prompts().chooseOpenFiles(templateFileRequest(this));
    if (files.isEmpty()) return;
    QStringList names;
    ReadTemplateFile(files.first(), names, Bodies);
    CodeNameListBox->addItems(names);
}

void TTemplatePage::TemplateExportButtonClick() {
    Store();
    const QStringList names = Names();
    if (const std::optional<qsizetype> unwritable = FirstUnwritableTemplate(names, Bodies)) {
        ShowSettingsMessage(SettingsMessage::UnwritableTemplate, this, names[*unwritable]);
        return;
    }
    FileDialogRequest request = templateFileRequest(this);
    request.overwritePrompt = true;
    const QString file = prompts().chooseSaveFile(request);
    if (!file.isEmpty()) WriteTemplateFile(names, Bodies, file);
}
