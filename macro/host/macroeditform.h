#pragma once
// TMacroEditForm, "Quodexマクロ": a window beside the main window, always on
// top, in which a macro is written, run on the main window's current
// document, opened from and saved to the macro folder.
#include <QByteArray>
#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TEditorEx;

class TMacroEditForm : public QWidget {
    Q_OBJECT

public:
    // A window of its own that lives as long as `owner`.
    explicit TMacroEditForm(QWidget* owner);

    TEditorEx* MEdit = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* FileEdit = nullptr;
    QPushButton* ExeButton = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* SaveButton = nullptr;

    // The filter of the open dialog MOD.
    static const QString kMacroFilter;

    void ExeButtonClick();
    // Loads a macro chosen from the macro folder.
    void OpenButtonClick();
    // Saves under the name's ".qmc" form in the macro folder, without asking.
    void SaveButtonClick();
    // Shows the window, centred on the screen the first time.
    void ShowForm();

signals:
    // The text of MEdit as lines, to run.
    void runRequested(const QList<QByteArray>& lines);
    // After opening, saving and closing: the macro menu may have changed.
    void macroFilesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    bool placed_ = false;
};
