#pragma once
// TInputForm: the one-line text input window. The caller's text variable is
// the initial text and receives the result: the typed text for "OK", the
// empty text for "キャンセル" (or Esc); closing the window with its close box
// leaves the variable as it was.
//
// InputFormPrompts puts this window behind the prompt service's text input
// for the editor, so the user gets it wherever the editor asks for a text.
#include "platform/prompt.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TInputForm : public QDialog {
    Q_OBJECT

public:
    TInputForm(QWidget* owner, const QString& prompt, const QString& caption, QString& text);

    QLabel* Label = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // キャンセル

    void Button1Click();
    void Button2Click();
    // True once キャンセル or Esc closed the window.
    bool Cancelled() const { return cancelled_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString& text_;
    QString caption_;
    bool cancelled_ = false;
};

// The prompt service `inner` with TInputForm as its text input: the answer
// is the variable's text, or nothing for キャンセル.
class InputFormPrompts final : public PromptService {
public:
    explicit InputFormPrompts(PromptService& inner) : inner_(inner) {}

    int present(const MessageRequest& request) override { return inner_.present(request); }
    QStringList chooseOpenFiles(const FileDialogRequest& request) override { return inner_.chooseOpenFiles(request); }
    QString chooseSaveFile(const FileDialogRequest& request) override { return inner_.chooseSaveFile(request); }
    QString chooseFolder(const QString& title, const QString& initialFolder, QWidget* owner) override {
        return inner_.chooseFolder(title, initialFolder, owner);
    }
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner) override {
        return inner_.chooseColour(initial, owner);
    }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& initial,
                                     QWidget* owner) override;

private:
    PromptService& inner_;
};
