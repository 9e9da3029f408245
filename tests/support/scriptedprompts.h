#pragma once
// A prompt service for tests: it records every prompt and answers from a
// script the test writes beforehand, in the order the prompts must come. A
// prompt nobody scripted (none left, or a different kind next) fails the
// current test and is answered with cancel. It puts itself in place of the
// prompt service for its lifetime.
#include "platform/prompt.h"

#include <deque>
#include <string>
#include <vector>

struct PromptCall {
    PromptKind kind = PromptKind::MessageBox;
    QString caption;  // message caption; dialog, folder and text input title
    QString text;     // message text; the text input's prompt
    int flags = 0;    // message boxes: buttons | icon | default button
    FileDialogRequest file;  // file dialogs
    QString initialFolder;   // folder picker
    QColor initialColour;    // colour picker
    QString initialText;     // text input
    QWidget* owner = nullptr;

    int buttons() const { return flags & mb::ButtonsMask; }
    int icon() const { return flags & mb::IconMask; }
};

std::string describe(PromptKind kind);
std::string describe(const PromptCall& call);

class ScriptedPrompts final : public PromptService {
public:
    ScriptedPrompts();
    // Fails the current test when scripted answers were never asked for.
    ~ScriptedPrompts() override;

    // The script, one entry per expected prompt.
    void answerQuestion(int button);
    void answerMessageBox(int button);
    void expectNotice();
    void expectError();
    void answerOpenFiles(const QStringList& paths);  // empty: cancelled
    void answerSaveFile(const QString& path);        // empty: cancelled
    void answerFolder(const QString& folder);        // empty: cancelled
    void answerColour(std::optional<QColor> colour);
    void answerText(std::optional<QString> text);

    const std::vector<PromptCall>& calls() const { return calls_; }
    std::vector<PromptCall> callsOf(PromptKind kind) const;
    int remaining() const { return static_cast<int>(script_.size()); }
    void clear();

    int present(const MessageRequest& request) override;
    QStringList chooseOpenFiles(const FileDialogRequest& request) override;
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseFolder(const QString& title, const QString& initialFolder,
                         QWidget* owner) override;
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial, QWidget* owner) override;

private:
    struct Answer {
        PromptKind kind;
        int button = IdCancel;
        QStringList paths;
        std::optional<QColor> colour;
        QString text;
        bool hasText = false;
    };
    // Records `call` and hands out the next answer when it is of the call's
    // kind; otherwise fails the test and answers cancel.
    Answer take(const PromptCall& call);

    std::vector<PromptCall> calls_;
    std::deque<Answer> script_;
    ScopedPromptService installed_{this};
};
