#pragma once
// TFrame1, the editor appearance settings: five pages of controls over a
// working copy of the property set, and a preview editor that shows every
// change at once.
//
// The copy comes from the store when the frame loads and goes back only
// through 保存, together with the "Mail,URLを開く" box; キャンセル stores
// nothing. The reserved-word page is the exception among the pages: its
// text reaches the copy only through 適用.
//
// Number fields store a value only inside their range; a text that is no
// number is reported and changes nothing.
#include "components/editorexprop.h"
#include "settings/appearancerules.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TColorPanel;
class TEditorEx;
class TFontNameListBox;
class TRadioGroup;
class TUpDown;

class TFrame1 : public QWidget {
    Q_OBJECT

public:
    explicit TFrame1(QWidget* parent = nullptr);
    ~TFrame1() override;

    // Where Load reads and 保存 writes the set; "OpenMailOrMail" lives in the
    // section "Editor" of the same key.
    void SetStorage(const QString& key, const QString& section, const QString& name);
    // Reads the set into the copy and fills every control and the preview.
    void Load();
    const TEditorExProp& WorkingCopy() const { return prop_; }

    QTabWidget* PageControl = nullptr;

    // 表示
    TFontNameListBox* FontList = nullptr;
    QLineEdit* FontSizeEdt = nullptr;
    TUpDown* FontSizeUpDown = nullptr;
    QLineEdit* FontMarginEdit = nullptr;
    TUpDown* FontMarginUpDown = nullptr;
    TRadioGroup* ScrollRadioGroup = nullptr;
    QCheckBox* RulerCheckBox = nullptr;
    QGroupBox* RulerGroupBox = nullptr;
    TRadioGroup* RulerRadioGroup = nullptr;
    QCheckBox* LeftBarCheckBox = nullptr;
    QGroupBox* LeftBarGroupBox = nullptr;
    QCheckBox* LeftBarZeroBaseCheckBox = nullptr;
    QCheckBox* LeftBarLoadZeroCheckBox = nullptr;
    QCheckBox* LeftBarModeCheckBox = nullptr;
    QCheckBox* AutoIndentCheckBox = nullptr;
    QCheckBox* FreeCaretCheckBox = nullptr;
    QCheckBox* InTabCheckBox = nullptr;
    QCheckBox* NextLineCheckBox = nullptr;
    QCheckBox* KeepCaretCheckBox = nullptr;
    QCheckBox* SelMoveCheckBox = nullptr;
    QCheckBox* FreeRowCheckBox = nullptr;
    QCheckBox* LockScCheckBox = nullptr;
    QCheckBox* EofCheckBox = nullptr;
    QCheckBox* RetCheckBox = nullptr;
    QCheckBox* WrapCheckBox = nullptr;
    QCheckBox* HideCheckBox = nullptr;
    QCheckBox* UnderLineCheckBox = nullptr;
    QCheckBox* BackIndentCheckBox = nullptr;
    QCheckBox* OpenMailorUrlCheckBox = nullptr;

    // 色
    TColorPanel* EdtBGColorPanel = nullptr;
    TColorPanel* LeftBarColorPanel = nullptr;
    TColorPanel* LeftBarBGColorPanel = nullptr;
    QListWidget* EdtColorListBox = nullptr;
    TColorPanel* FontColorPanel = nullptr;
    TColorPanel* FontBGColorPanel = nullptr;
    QCheckBox* FBoldCheckBox = nullptr;
    QCheckBox* FItalicCheckBox = nullptr;
    QCheckBox* FUnderLineCheckBox = nullptr;
    QPushButton* SetSomeColorSettingButton = nullptr;

    // 制御文字
    QLineEdit* HexEdit = nullptr;
    QLineEdit* QuotEdit = nullptr;
    QLineEdit* CommentEdit = nullptr;
    QListWidget* BracketsListBox = nullptr;
    TColorPanel* BracketColorPanel = nullptr;
    TColorPanel* BracketBGColorPanel = nullptr;
    QCheckBox* BrBoldCheckBox = nullptr;
    QCheckBox* BrItalicCheckBox = nullptr;
    QCheckBox* BrUnderLineCheckBox = nullptr;
    QLineEdit* LeftBracketEdit = nullptr;
    QLineEdit* RightBracketEdit = nullptr;
    QPushButton* AddBracketButton = nullptr;
    QPushButton* DeleteBracketButton = nullptr;
    QPushButton* SetSameBracketsStyleButton = nullptr;

    // 予約文字
    QPlainTextEdit* ReserveEditor = nullptr;
    QPushButton* ReserveLoadButton = nullptr;
    QPushButton* ReserveSaveButton = nullptr;
    QPushButton* ReserveApplyButton = nullptr;

    // 整形
    QCheckBox* OnWrapCheckBox = nullptr;
    QCheckBox* FollowRetMarkCheckBox = nullptr;
    QCheckBox* FollowPunctuationCheckBox = nullptr;
    QCheckBox* LeadingCheckBox = nullptr;
    QCheckBox* WordBreakCheckBox = nullptr;
    QLineEdit* WrapByteEdit = nullptr;
    TUpDown* WrapByteEditUpDown = nullptr;
    QLineEdit* FollowStrEdit = nullptr;
    QLineEdit* LeadStrEdit = nullptr;
    QLineEdit* PunctuationStrEdit = nullptr;
    QPushButton* FollowStrStandardButton = nullptr;
    QPushButton* LeadStrStandardButton = nullptr;
    QPushButton* PunctuationStrStandardButton = nullptr;

    TEditorEx* EditorEx1 = nullptr;  // the preview
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // Handlers, named after their control and event.
    void FontListClick();
    void FontSizeEdtChange();
    void FontMarginEditChange();
    void ScrollRadioGroupClick();
    void RulerCheckBoxClick();
    void RulerRadioGroupClick();
    void LeftBarCheckBoxClick();
    void EdtBGColorPanelClick();
    void LeftBarColorPanelClick();
    void LeftBarBGColorPanelClick();
    void EdtColorListBoxClick();
    void FontColorPanelClick();
    void FontBGColorPanelClick();
    void FStyleCheckBoxClick();
    void SetSomeColorSettingButtonClick();
    void BracketsListBoxClick();
    void BracketColorPanelClick();
    void BracketBGColorPanelClick();
    void BrStyleCheckBoxClick();
    void AddBracketButtonClick();
    void DeleteBracketButtonClick();
    void SetSameBracketsStyleButtonClick();
    void ReserveLoadButtonClick();
    void ReserveSaveButtonClick();
    void ReserveApplyButtonClick();
    void WrapByteEditChange();
    void SaveButtonClick();
    void CancelButtonClick();

signals:
    // 保存 (true, after storing) or キャンセル (false): the window closes.
    void closeRequested(bool saved);

private:
    // One check box mapped one to one onto a property of the copy.
    struct BoxBinding {
        QCheckBox* box;
        bool& (*property)(TEditorExProp&);
    };

    QWidget* buildViewPage();
    QWidget* buildOptionGroup();
    QWidget* buildColourPage();
    QWidget* buildControlPage();
    QWidget* buildBracketGroup();
    QWidget* buildReservePage();
    QWidget* buildWrapPage();
    void buildBottom();
    void compactLayouts();
    QCheckBox* boundBox(const char* name, const QString& caption, const QString& hint,
                        bool& (*property)(TEditorExProp&));

    void fillViewPage();
    void fillColourPage();
    void fillControlPage();
    void fillWrapPage();
    void showColourEntry(int entry);
    void fillBrackets(int select);
    void showBracket(int index);
    int selectedBracket() const;
    // The number field's text checked against its range; a text that is no
    // number is reported here.
    appearance::CheckedNumber checkedNumber(const QLineEdit* edit, appearance::NumberRange range);
    std::optional<QColor> askColour(const TColorPanel* panel);
    // Asks for a colour from `panel`; a chosen one goes into `field`, the
    // panel and the preview.
    void pickColourInto(TColorPanel* panel, QColor& field);
    // What is typed in `edit` goes into the text property of the copy.
    void bindText(QLineEdit* edit, QString& (*property)(TEditorExProp&));
    static TFontStyles stylesOf(const QCheckBox* bold, const QCheckBox* italic, const QCheckBox* underline);
    void showPreview();

    QString key_;
    QString section_;
    QString name_;
    TEditorExProp prop_;  // the working copy
    QList<BoxBinding> boxes_;
    int colourEntry_ = -1;
    // Set while the frame itself fills controls, so that their change
    // signals are not taken for the user's.
    bool filling_ = false;
};
