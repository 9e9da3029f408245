#include "tests/support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <sstream>

std::string describe(PromptKind kind)
{
    switch (kind) {
    case PromptKind::Question:
        return "question";
    case PromptKind::Notice:
        return "notice";
    case PromptKind::Error:
        return "error box";
    case PromptKind::MessageBox:
        return "message box";
    case PromptKind::OpenFiles:
        return "open dialog";
    case PromptKind::SaveFile:
        return "save dialog";
    case PromptKind::Folder:
        return "folder picker";
    case PromptKind::Colour:
        return "colour picker";
    case PromptKind::Text:
        return "text input";
    }
    return "prompt";
}

std::string describe(const PromptCall& call)
{
    std::ostringstream out;
    out << describe(call.kind) << " caption \"" << call.caption.toStdString() << "\"";
    if (!call.text.isEmpty())
        out << " text \"" << call.text.toStdString() << "\"";
    switch (call.kind) {
    case PromptKind::Question:
    case PromptKind::Notice:
    case PromptKind::Error:
    case PromptKind::MessageBox:
        out << " flags 0x" << std::hex << call.flags << std::dec;
        break;
    case PromptKind::OpenFiles:
    case PromptKind::SaveFile:
        out << " filter \"" << call.file.filter.toStdString() << "\" folder \""
            << call.file.initialFolder.toStdString() << "\"";
        break;
    default:
        break;
    }
    return out.str();
}

ScriptedPrompts::ScriptedPrompts() = default;

ScriptedPrompts::~ScriptedPrompts()
{
    for (const Answer& answer : script_)
        ADD_FAILURE() << "scripted " << describe(answer.kind) << " never shown";
}

void ScriptedPrompts::answerQuestion(int button)
{
    script_.push_back({PromptKind::Question, button, {}, {}, {}, false});
}

void ScriptedPrompts::answerMessageBox(int button)
{
    script_.push_back({PromptKind::MessageBox, button, {}, {}, {}, false});
}

void ScriptedPrompts::expectNotice()
{
    script_.push_back({PromptKind::Notice, IdOk, {}, {}, {}, false});
}

void ScriptedPrompts::expectError()
{
    script_.push_back({PromptKind::Error, IdOk, {}, {}, {}, false});
}

void ScriptedPrompts::answerOpenFiles(const QStringList& paths)
{
    script_.push_back({PromptKind::OpenFiles, IdOk, paths, {}, {}, false});
}

void ScriptedPrompts::answerSaveFile(const QString& path)
{
    script_.push_back({PromptKind::SaveFile, IdOk, {path}, {}, {}, false});
}

void ScriptedPrompts::answerFolder(const QString& folder)
{
    script_.push_back({PromptKind::Folder, IdOk, {folder}, {}, {}, false});
}

void ScriptedPrompts::answerColour(std::optional<QColor> colour)
{
    script_.push_back({PromptKind::Colour, IdOk, {}, colour, {}, false});
}

void ScriptedPrompts::answerText(std::optional<QString> text)
{
    script_.push_back({PromptKind::Text, IdOk, {}, {}, text.value_or(QString()), text.has_value()});
}

std::vector<PromptCall> ScriptedPrompts::callsOf(PromptKind kind) const
{
    std::vector<PromptCall> matching;
    for (const PromptCall& call : calls_) {
        if (call.kind == kind)
            matching.push_back(call);
    }
    return matching;
}

void ScriptedPrompts::clear()
{
    calls_.clear();
    script_.clear();
}

ScriptedPrompts::Answer ScriptedPrompts::take(const PromptCall& call)
{
    calls_.push_back(call);
    const Answer cancelled{call.kind, IdCancel, {}, {}, {}, false};
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << describe(call) << " (nothing scripted)";
        return cancelled;
    }
    if (script_.front().kind != call.kind) {
        ADD_FAILURE() << "unexpected " << describe(call) << " (a "
                      << describe(script_.front().kind) << " was scripted next)";
        return cancelled;
    }
    Answer answer = script_.front();
    script_.pop_front();
    return answer;
}

int ScriptedPrompts::present(const MessageRequest& request)
{
    PromptCall call;
    call.kind = request.kind;
    call.caption = request.caption;
    call.text = request.text;
    call.flags = request.flags;
    call.owner = request.owner;
    return take(call).button;
}

QStringList ScriptedPrompts::chooseOpenFiles(const FileDialogRequest& request)
{
    PromptCall call;
    call.kind = PromptKind::OpenFiles;
    call.caption = request.title;
    call.file = request;
    call.owner = request.owner;
    return take(call).paths;
}

QString ScriptedPrompts::chooseSaveFile(const FileDialogRequest& request)
{
    PromptCall call;
    call.kind = PromptKind::SaveFile;
    call.caption = request.title;
    call.file = request;
    call.owner = request.owner;
    return take(call).paths.value(0);
}

QString ScriptedPrompts::chooseFolder(const QString& title, const QString& initialFolder,
                                      QWidget* owner)
{
    PromptCall call;
    call.kind = PromptKind::Folder;
    call.caption = title;
    call.initialFolder = initialFolder;
    call.owner = owner;
    return take(call).paths.value(0);
}

std::optional<QColor> ScriptedPrompts::chooseColour(const QColor& initial, QWidget* owner)
{
    PromptCall call;
    call.kind = PromptKind::Colour;
    call.initialColour = initial;
    call.owner = owner;
    return take(call).colour;
}

std::optional<QString> ScriptedPrompts::inputText(const QString& caption, const QString& prompt,
                                                  const QString& initial, QWidget* owner)
{
    PromptCall call;
    call.kind = PromptKind::Text;
    call.caption = caption;
    call.text = prompt;
    call.initialText = initial;
    call.owner = owner;
    const Answer answer = take(call);
    if (!answer.hasText)
        return std::nullopt;
    return answer.text;
}
