#include "search/finddlg.h"

#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/regini.h"
#include "search/searchstate.h"
#include "settings/settingsrecord.h"
#include "settings/settingstable.h"
#include "settings/storedvalues.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 440;
constexpr int kComboWidth = 240;
constexpr int kFontPixels = 13;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QComboBox* historyCombo(const char* name, const QStringList& history) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // the dialog puts texts on top itself
    combo->setDuplicatesEnabled(true);
    combo->setCompleter(nullptr);  // what is typed is what is searched for
    combo->setMinimumWidth(kComboWidth);
    combo->addItems(history);
    combo->setEditText(QString());
    return combo;
}

// A group of two radio buttons numbered 0 and 1, as a radio group is.
QGroupBox* radioGroup(const char* name, const QString& title, const QString& first, const QString& second,
                      QButtonGroup*& buttons) {
    auto* box = named(new QGroupBox(title), name);
    buttons = new QButtonGroup(box);
    auto* column = new QVBoxLayout(box);
    int id = 0;
    for (const QString& caption : {first, second}) {
        auto* button = new QRadioButton(caption);
        buttons->addButton(button, id++);
        column->addWidget(button);
    }
    return box;
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// A text goes on top of its history, also when it is there already.
void putOnTop(QComboBox* combo, const QString& text) {
    if (text.isEmpty()) return;
    combo->insertItem(0, text);
    combo->setEditText(text);
}

// A reader says the label's text when the focus enters the box's edit line.
void labelCombo(QLabel* label, QComboBox* combo) {
    label->setBuddy(combo);
    combo->lineEdit()->setAccessibleName(QString(label->text()).remove('&'));
}

}  // namespace

TFDlg::TFDlg(QWidget* owner, Mode mode, TEditorEx& editor, TSettings& settings, SearchState& state,
             bool& replaceAllRequested)
    : QDialog(owner), editor_(editor), settings_(settings), state_(state), replaceAllRequested_(replaceAllRequested) {
    setObjectName("FDlg");
    setWindowTitle("置換");
    QFont formFont("ＭＳ Ｐゴシック");
    formFont.setPixelSize(kFontPixels);
    setFont(formFont);
    buildControls();
    layOut();
    readStoredOptions();
    fillTexts();
    const int replaceRow = ReplaceCombo->sizeHint().height() + 6;
    setFixedSize(kWidth, kFindModeHeight + replaceRow);
    if (mode == Mode::Find) enterFindMode();
}

void TFDlg::buildControls() {
    FindCombo = historyCombo("FindCombo", settings_.FindHistory);
    ReplaceCombo = historyCombo("ReplaceCombo", settings_.ReplaceHistory);
    Label2 = named(new QLabel("置換文字列(&E)"), "Label2");
    labelCombo(Label2, ReplaceCombo);

    OptionBox = named(new QGroupBox("オプション"), "OptionBox");
    BigAndSmallChk = named(new QCheckBox("大/小文字の区別(&C)"), "BigAndSmallChk");
    WordOnlyChk = named(new QCheckBox("ワード検索(&W)"), "WordOnlyChk");
    OnAwkChk = named(new QCheckBox("正規表現検索(&R)"), "OnAwkChk");
    OnAimaiChk = named(new QCheckBox("あいまい検索(&A)"), "OnAimaiChk");
    auto* options = new QVBoxLayout(OptionBox);
    for (QCheckBox* check : {BigAndSmallChk, WordOnlyChk, OnAwkChk, OnAimaiChk}) options->addWidget(check);

    NextRg = radioGroup("NextRg", "検索方向", "前方検索(&D)", "後方検索(&B)", nextButtons_);
    StartRg = radioGroup("StartRg", "検索開始位置", "全て(&F)", "カーソル位置から(&E)", startButtons_);

    OkBtn = named(new QPushButton("OK"), "OkBtn");
    NoBtn = named(new QPushButton("キャンセル"), "NoBtn");
    AllBtn = named(new QPushButton("全て"), "AllBtn");
    // Enter in the boxes and check boxes executes, as OK does.
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { NoBtnClick(); });
    connect(AllBtn, &QPushButton::clicked, this, [this] { AllBtnClick(); });
}

void TFDlg::layOut() {
    auto* label1 = named(new QLabel("検索文字列(&T)"), "Label1");
    labelCombo(label1, FindCombo);
    auto* texts = new QGridLayout;
    texts->addWidget(label1, 0, 0);
    texts->addWidget(FindCombo, 0, 1);
    texts->addWidget(Label2, 1, 0);
    texts->addWidget(ReplaceCombo, 1, 1);

    auto* directions = new QVBoxLayout;
    directions->addWidget(NextRg);
    directions->addWidget(StartRg);
    auto* choices = new QHBoxLayout;
    choices->addWidget(OptionBox, 0, Qt::AlignTop);
    choices->addLayout(directions);

    auto* left = new QVBoxLayout;
    left->addLayout(texts);
    left->addLayout(choices);
    left->addStretch(1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {OkBtn, NoBtn, AllBtn}) buttons->addWidget(button);
    buttons->addStretch(1);

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(buttons);

    setTabOrder(FindCombo, ReplaceCombo);
    setTabOrder(ReplaceCombo, BigAndSmallChk);
    setTabOrder(BigAndSmallChk, WordOnlyChk);
    setTabOrder(WordOnlyChk, OnAwkChk);
    setTabOrder(OnAwkChk, OnAimaiChk);
    setTabOrder(OnAimaiChk, nextButtons_->button(0));
    setTabOrder(nextButtons_->button(0), startButtons_->button(0));
    setTabOrder(startButtons_->button(0), OkBtn);
    setTabOrder(OkBtn, NoBtn);
    setTabOrder(NoBtn, AllBtn);
}

void TFDlg::readStoredOptions() {
    const TRegIniFile reg(settings_.RegKey);
    BigAndSmallChk->setChecked(ReadStored(reg, stored::FindMatchCase));
    WordOnlyChk->setChecked(ReadStored(reg, stored::FindWholeWord));
    OnAwkChk->setChecked(ReadStored(reg, stored::FindRegexp));
    OnAimaiChk->setChecked(ReadStored(reg, stored::FindFuzzy));
    // A stored index outside the group selects nothing, as in a radio group.
    if (QAbstractButton* start = startButtons_->button(ReadStored(reg, stored::FindStart))) start->setChecked(true);
    if (QAbstractButton* next = nextButtons_->button(ReadStored(reg, stored::FindNext))) next->setChecked(true);
}

void TFDlg::fillTexts() {
    if (editor_.GetSelLength() == 0) return;
    FindCombo->setEditText(cp932::decode(editor_.GetSelText()));
    FindCombo->lineEdit()->selectAll();
}

void TFDlg::enterFindMode() {
    setWindowTitle("検索");
    ReplaceCombo->hide();
    Label2->hide();
    AllBtn->hide();
    setFixedSize(kWidth, kFindModeHeight);
}

int TFDlg::NextIndex() const { return nextButtons_->checkedId(); }

int TFDlg::StartIndex() const { return startButtons_->checkedId(); }

// --- Execution -----------------------------------------------------------------

void TFDlg::OkBtnClick() { execute(); }

void TFDlg::AllBtnClick() {
    replaceAllRequested_ = true;
    execute();
}

void TFDlg::NoBtnClick() {
    state_.Confirmed = false;
    reject();
}

void TFDlg::execute() {
    takeOptions();
    takeTexts();
    state_.Confirmed = true;
    storeOptionsAndHistories();
    accept();
}

void TFDlg::takeOptions() {
    state_.MatchCase = BigAndSmallChk->isChecked();
    state_.WholeWord = WordOnlyChk->isChecked();
    state_.Regexp = OnAwkChk->isChecked();
    state_.Fuzzy = OnAimaiChk->isChecked();
    const bool fromTop = StartIndex() == 0;
    state_.FromCaret = fromTop ? 0 : 1;
    state_.StartPos = fromTop ? 0 : editor_.GetSelStart();
    if (NextIndex() == 0) {
        state_.Backward = 0;
    } else {
        // Never 0 for a text with something in it: backward searches go
        // from the caret.
        state_.FromCaret = editor_.TextLength();
        state_.Backward = 1;
    }
}

void TFDlg::takeTexts() {
    const QString findText = FindCombo->currentText();
    const QString replaceText = ReplaceCombo->currentText();
    state_.FindText = cp932::encode(findText);
    state_.ReplaceText = cp932::encode(replaceText);
    putOnTop(FindCombo, findText);
    putOnTop(ReplaceCombo, replaceText);
    settings_.FindHistory = itemsOf(FindCombo);
    settings_.ReplaceHistory = itemsOf(ReplaceCombo);
}

void TFDlg::storeOptionsAndHistories() const {
    TRegIniFile reg(settings_.RegKey);
    reg.SetWriteThrough(false);
    WriteStored(reg, stored::FindMatchCase, BigAndSmallChk->isChecked());
    WriteStored(reg, stored::FindWholeWord, WordOnlyChk->isChecked());
    WriteStored(reg, stored::FindRegexp, OnAwkChk->isChecked());
    WriteStored(reg, stored::FindFuzzy, OnAimaiChk->isChecked());
    WriteStored(reg, stored::FindStart, StartIndex());
    WriteStored(reg, stored::FindNext, NextIndex());
    WriteHistory(reg, stored::kFindSection, settings_.FindHistory);
    WriteHistory(reg, stored::kReplaceSection, settings_.ReplaceHistory);
    reg.UpdateFile();
}
