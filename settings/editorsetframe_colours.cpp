// TFrame1, page 色: the background, the line numbers' colours and the
// colour list of syntax elements and marks.
#include "settings/appearancerules.h"
#include "settings/colorpanel.h"
#include "settings/editorsetframe.h"
#include "settings/formparts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* TFrame1::buildColourPage() {
    auto* page = named(new QWidget, "ColorSheet");
    auto* background = new QGridLayout;
    EdtBGColorPanel = AddColorPanelRow(background, 0, "EdtBGColorPanel", "背景色");

    auto* lineNumbers = named(new QGroupBox("行番号色"), "LeftBarColorGroupBox");
    auto* numberGrid = new QGridLayout(lineNumbers);
    LeftBarColorPanel = AddColorPanelRow(numberGrid, 0, "LeftBarColorPanel", "文字色");
    LeftBarBGColorPanel = AddColorPanelRow(numberGrid, 1, "LeftBarBGColorPanel", "背景色");

    auto* text = named(new QGroupBox("文字色"), "FontColorGroupBox");
    EdtColorListBox = named(new QListWidget, "EdtColorListBox");
    EdtColorListBox->setAccessibleName("色を設定する項目");
    EdtColorListBox->addItems(appearance::ColourEntryCaptions());
    auto* panels = new QGridLayout;
    FontColorPanel = AddColorPanelRow(panels, 0, "FontColorPanel", "文字色");
    FontBGColorPanel = AddColorPanelRow(panels, 1, "FontBGColorPanel", "文字背景色");
    FBoldCheckBox = named(new QCheckBox("太字"), "FBoldCheckBox");
    FItalicCheckBox = named(new QCheckBox("イタリック"), "FItalicCheckBox");
    FUnderLineCheckBox = named(new QCheckBox("下線"), "FUnderLineCheckBox");
    SetSomeColorSettingButton = named(new QPushButton("現在の設定を全てに適応"), "SetSomeColorSettingButton");
    auto* controls = new QVBoxLayout;
    controls->addLayout(panels);
    for (QCheckBox* box : {FBoldCheckBox, FItalicCheckBox, FUnderLineCheckBox}) controls->addWidget(box);
    controls->addWidget(SetSomeColorSettingButton);
    controls->addStretch();
    auto* textRow = new QHBoxLayout(text);
    textRow->addWidget(EdtColorListBox);
    textRow->addLayout(controls);

    auto* left = new QVBoxLayout;
    left->addLayout(background);
    left->addWidget(lineNumbers);
    left->addStretch();
    auto* row = new QHBoxLayout(page);
    row->addLayout(left);
    row->addWidget(text, 1);

    onSignal(EdtBGColorPanel, &QPushButton::clicked, this, [this] { EdtBGColorPanelClick(); });
    onSignal(LeftBarColorPanel, &QPushButton::clicked, this, [this] { LeftBarColorPanelClick(); });
    onSignal(LeftBarBGColorPanel, &QPushButton::clicked, this, [this] { LeftBarBGColorPanelClick(); });
    onSignal(EdtColorListBox, &QListWidget::currentRowChanged, this, [this] { EdtColorListBoxClick(); });
    onSignal(FontColorPanel, &QPushButton::clicked, this, [this] { FontColorPanelClick(); });
    onSignal(FontBGColorPanel, &QPushButton::clicked, this, [this] { FontBGColorPanelClick(); });
    for (QCheckBox* box : {FBoldCheckBox, FItalicCheckBox, FUnderLineCheckBox})
        onSignal(box, &QCheckBox::clicked, this, [this] { FStyleCheckBoxClick(); });
    onSignal(SetSomeColorSettingButton, &QPushButton::clicked, this, [this] { SetSomeColorSettingButtonClick(); });
    return page;
}

void TFrame1::fillColourPage() {
    EdtBGColorPanel->SetColor(prop_.Color);
    LeftBarColorPanel->SetColor(prop_.Leftbar.Color);
    LeftBarBGColorPanel->SetColor(prop_.Leftbar.BkColor);
}

// The style boxes are set by code here; they only write on the user's click.
void TFrame1::showColourEntry(int entry) {
    colourEntry_ = entry;
    const appearance::EntryLook look = appearance::LookOf(prop_, entry);
    const bool mark = appearance::IsMarkEntry(entry);
    FontColorPanel->SetColor(look.color);
    FontBGColorPanel->SetColor(look.bkColor);
    FontBGColorPanel->setEnabled(!mark);
    FBoldCheckBox->setChecked(look.style.Bold);
    FItalicCheckBox->setChecked(look.style.Italic);
    FUnderLineCheckBox->setChecked(look.style.Underline);
    for (QCheckBox* box : {FBoldCheckBox, FItalicCheckBox, FUnderLineCheckBox}) box->setEnabled(!mark);
}

void TFrame1::EdtBGColorPanelClick() {
    const auto colour = askColour(EdtBGColorPanel);
    if (!colour) return;
    appearance::SetBackground(prop_, *colour);
    EdtBGColorPanel->SetColor(*colour);
    LeftBarBGColorPanel->SetColor(*colour);
    showPreview();
}

void TFrame1::LeftBarColorPanelClick() { pickColourInto(LeftBarColorPanel, prop_.Leftbar.Color); }

void TFrame1::LeftBarBGColorPanelClick() { pickColourInto(LeftBarBGColorPanel, prop_.Leftbar.BkColor); }

void TFrame1::EdtColorListBoxClick() {
    const int entry = EdtColorListBox->currentRow();
    if (entry >= 0) showColourEntry(entry);
}

void TFrame1::FontColorPanelClick() {
    if (colourEntry_ < 0) return;
    const auto colour = askColour(FontColorPanel);
    if (!colour) return;
    appearance::SetEntryColor(prop_, colourEntry_, *colour);
    showColourEntry(colourEntry_);
    showPreview();
}

void TFrame1::FontBGColorPanelClick() {
    if (colourEntry_ < 0 || appearance::IsMarkEntry(colourEntry_)) return;
    const auto colour = askColour(FontBGColorPanel);
    if (!colour) return;
    appearance::SetEntryBkColor(prop_, colourEntry_, *colour);
    FontBGColorPanel->SetColor(*colour);
    showPreview();
}

void TFrame1::FStyleCheckBoxClick() {
    if (colourEntry_ < 0 || appearance::IsMarkEntry(colourEntry_)) return;
    appearance::SetEntryStyle(prop_, colourEntry_, stylesOf(FBoldCheckBox, FItalicCheckBox, FUnderLineCheckBox));
    showPreview();
}

void TFrame1::SetSomeColorSettingButtonClick() {
    appearance::ApplyToAllEntries(prop_, FontColorPanel->Color(), FontBGColorPanel->Color(),
                                  stylesOf(FBoldCheckBox, FItalicCheckBox, FUnderLineCheckBox));
    showPreview();
}
