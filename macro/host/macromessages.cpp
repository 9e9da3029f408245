#include "macro/host/macromessages.h"

#include "macro/engine/ppa_error.h"
#include "platform/cp932.h"
#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

struct MessageRow {
    MacroMessage message;
    const char* text;  // nullptr: the engine's refusal of what is not permitted
    int icon;          // for the notices
};

// clang-format off
constexpr MessageRow kMessages[] = {
    // The engine's text, which quodex-macro shows too.
    {MacroMessage::NotPermitted, nullptr, mb::IconExclamation},
    {MacroMessage::AlreadyRunning, "マクロは既に実行中です", mb::IconExclamation},
    {MacroMessage::StartFailed, "失敗しました", mb::IconHand},
    {MacroMessage::IndexOutOfRange, "リストのインデックスが範囲を超えています (%1)", 0},
    {MacroMessage::Running, "マクロ実行中", 0},
};
// clang-format on

const MessageRow& rowOf(MacroMessage message) { return MessageRowOf(kMessages, message); }

}  // namespace

QString MacroMessageText(MacroMessage message, const QString& subject) {
    const char* own = rowOf(message).text;
    return WithSubject(own ? QString::fromUtf8(own) : cp932::decode(ppa::formatMessage(ppa::PPAMessage::NotPermitted)),
                       subject);
}

void ShowMacroMessage(MacroMessage message, QWidget* owner) {
    prompts().inform(applicationTitle(), MacroMessageText(message), rowOf(message).icon, owner);
}

void RaiseMacroMessage(MacroMessage message, const QString& subject) {
    throw ppa::EPPAError(cp932::encode(MacroMessageText(message, subject)).toStdString());
}
