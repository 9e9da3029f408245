#pragma once
// TSDlg, "設定": the paths and options of the settings record, the wheel's
// rows per step and the code templates. OK checks the wheel count, then
// writes everything to the record, the wheel count and the settings store
// and closes; a wheel count that is no decimal integer is reported and
// nothing at all changes. キャンセル (Esc, the close box) changes nothing
// but what an Export has stored already.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TTemplatePage;
class TUpDown;
struct TSettings;

class TSDlg : public QDialog {
    Q_OBJECT

public:
    TSDlg(QWidget* owner, qint32& wheelLineCount, TSettings& settings);

    QTabWidget* PageControl = nullptr;
    QLineEdit* PathEdit = nullptr;
    QPushButton* PathButton = nullptr;
    QLineEdit* HelpEdit = nullptr;
    QPushButton* HelpButton = nullptr;
    QLineEdit* LumcEdit = nullptr;
    QPushButton* LumcButton = nullptr;
    QLineEdit* BatEdit = nullptr;
    QPushButton* BatButton = nullptr;
    QLineEdit* KioroEdit = nullptr;
    QPushButton* KioroButton = nullptr;
    QLineEdit* KioEdit = nullptr;
    QPushButton* KioButton = nullptr;
    QCheckBox* WindowStateChk = nullptr;
    QLineEdit* WheelScrollCountEdit = nullptr;
    TUpDown* UpDown1 = nullptr;
    QCheckBox* MacroPermitChk = nullptr;
    QPlainTextEdit* MacroPermitMemo = nullptr;
    TTemplatePage* TemplatePage = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKButtonClick();
    void CancelButtonClick();
    void PathButtonClick();
    void HelpButtonClick();
    void LumcButtonClick();
    void BatButtonClick();
    void KioroButtonClick();
    void KioButtonClick();
    void MacroPermitChkClick();

private:
    QWidget* buildGeneralPage();
    QWidget* buildMacroPage();
    void buildButtons();
    void fillControls();
    void browseFolder(QLineEdit* edit, const QString& title);
    void browseFile(QLineEdit* edit, const QString& filter);
    void writeSettings() const;

    TSettings& settings_;
    qint32& wheelLineCount_;
};
