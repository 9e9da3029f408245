#pragma once
// TFDlg, the find and replace dialog. It shows the options stored at the
// last execution and the two histories, and on execution hands the texts and
// options to SearchState, puts the texts on top of the histories and stores
// both; the commands that open it do the searching.
//
// Find mode ("検索") hides the replacement row and 全て and is 245 pixels
// high; replace mode ("置換") shows everything.
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TEditorEx;
struct SearchState;
struct TSettings;

class TFDlg : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Find, Replace };
    static constexpr int kFindModeHeight = 245;

    // `editor` gives the selection shown at opening and the caret and text
    // length taken at execution; `replaceAllRequested` is set by 全て.
    TFDlg(QWidget* owner, Mode mode, TEditorEx& editor, TSettings& settings, SearchState& state,
          bool& replaceAllRequested);

    QComboBox* FindCombo = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ReplaceCombo = nullptr;
    QGroupBox* OptionBox = nullptr;
    QCheckBox* BigAndSmallChk = nullptr;
    QCheckBox* WordOnlyChk = nullptr;
    QCheckBox* OnAwkChk = nullptr;
    QCheckBox* OnAimaiChk = nullptr;
    QGroupBox* NextRg = nullptr;   // 0 前方検索, 1 後方検索
    QGroupBox* StartRg = nullptr;  // 0 全て, 1 カーソル位置から
    QPushButton* OkBtn = nullptr;
    QPushButton* NoBtn = nullptr;
    QPushButton* AllBtn = nullptr;

    int NextIndex() const;
    int StartIndex() const;

    void OkBtnClick();
    void NoBtnClick();
    void AllBtnClick();

private:
    void buildControls();
    void layOut();
    void readStoredOptions();
    void fillTexts();
    void enterFindMode();
    // Takes the dialog's values into the state, histories and store, then closes.
    void execute();
    void takeOptions();
    void takeTexts();
    void storeOptionsAndHistories() const;

    TEditorEx& editor_;
    TSettings& settings_;
    SearchState& state_;
    bool& replaceAllRequested_;
    QButtonGroup* nextButtons_ = nullptr;
    QButtonGroup* startButtons_ = nullptr;
};
