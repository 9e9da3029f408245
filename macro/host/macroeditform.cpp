#include "macro/host/macroeditform.h"

#include "components/editorex.h"
#include "components/editorexprop.h"
#include "macro/host/macrofiles.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/textfile.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

const QString TMacroEditForm::kMacroFilter = "Quodexマクロ(*.qmc)|*.qmc";

namespace {

constexpr int kWidth = 594;
constexpr int kHeight = 430;
constexpr int kTabWidth = 4;

// The words the macro language reserves, coloured in MEdit.
const QStringList kReservedWords = {"and", "begin", "case", "div",    "do",  "downto", "else", "end", "for",
                                    "if",  "Integer", "mod", "not",   "of",  "or",     "repeat", "shl", "shr",
                                    "string", "then", "to",  "until", "var", "while",  "xor"};

TEditorExProp macroEditorProp() {
    TEditorExProp prop;
    prop.Caret.TabSpaceCount = kTabWidth;
    prop.Caret.AutoIndent = true;
    prop.ReserveWordList = kReservedWords;
    return prop;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

TMacroEditForm::TMacroEditForm(QWidget* owner) : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint) {
    buildForm();
    connect(ExeButton, &QPushButton::clicked, this, [this] { runGuarded([this] { ExeButtonClick(); }); });
    connect(OpenButton, &QPushButton::clicked, this, [this] { runGuarded([this] { OpenButtonClick(); }); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { runGuarded([this] { SaveButtonClick(); }); });
}

void TMacroEditForm::buildForm() {
    setObjectName("MacroEditForm");
    setWindowTitle("Quodexマクロ");
    resize(kWidth, kHeight);

    Label1 = named(new QLabel("名前(&N)"), "Label1");
    FileEdit = named(new QLineEdit, "FileEdit");
    Label1->setBuddy(FileEdit);
    ExeButton = named(new QPushButton("実行"), "ExeButton");
    OpenButton = named(new QPushButton("開く(&O)"), "OpenButton");
    SaveButton = named(new QPushButton("保存(&S)"), "SaveButton");
    MEdit = named(new TEditorEx, "MEdit");
    macroEditorProp().AssignTo(*MEdit);
    // A screen reader names the editor after what it holds.
    MEdit->Scintilla()->setAccessibleName("マクロ");

    auto* bar = new QHBoxLayout;
    bar->addWidget(Label1);
    bar->addWidget(FileEdit, 1);
    bar->addWidget(ExeButton);
    bar->addWidget(OpenButton);
    bar->addWidget(SaveButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(MEdit, 1);
}

void TMacroEditForm::ShowForm() {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void TMacroEditForm::ExeButtonClick() { emit runRequested(textfile::splitLines(MEdit->Lines().Text())); }

void TMacroEditForm::OpenButtonClick() {
    FileDialogRequest request;
    request.owner = this;
    request.filter = kMacroFilter;
    request.initialFolder = MacroFolder();
    const QStringList chosen = prompts().chooseOpenFiles(request);
    // The menu is made again also after a cancel: the folder may have changed.
    const auto rebuild = qScopeGuard([this] { emit macroFilesChanged(); });
    if (chosen.isEmpty()) return;
    MEdit->Lines().LoadFromFile(chosen.first());
    FileEdit->setText(paths::fileNamePart(chosen.first()));
}

void TMacroEditForm::SaveButtonClick() {
    const QString file = MacroFolder() + MacroSaveName(FileEdit->text());
    textfile::saveByteLines(file, textfile::splitLines(MEdit->Lines().Text()));
    MEdit->SetModified(false);
    emit macroFilesChanged();
}

void TMacroEditForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit macroFilesChanged();
}
