#include "app/messages.h"

#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

struct MessageRow {
    AppMessage message;
    const char* caption;
    const char* text;
    int flags;  // buttons | icon
};

// clang-format off
constexpr MessageRow kMessages[] = {
    {AppMessage::AlreadyOpen, "開く", "%1 はすでに開かれています", mb::Ok | mb::IconAsterisk},
    {AppMessage::ReloadQuestion, "確認", "本当に読み直してよいですか？", mb::YesNo | mb::IconQuestion},
    {AppMessage::ChangedQuestion, "確認", "%1は変更されています。保存しますか？", mb::YesNoCancel | mb::IconQuestion},
    {AppMessage::SaveQuestion, "確認", "%1を保存しますか？", mb::YesNoCancel | mb::IconQuestion},
    {AppMessage::NothingOpensIt, "", "開くことのできるプログラムがありません", mb::Ok | mb::IconHand},
    {AppMessage::ReplaceQuestion, "確認", "%1 は既に存在します。\n置き換えますか？", mb::YesNo | mb::IconQuestion | mb::DefButton2},
    {AppMessage::OpenInAnotherTab, "名前をつけて保存", "%1 は他のタブで開かれています。\n別の名前を指定してください。", mb::Ok | mb::IconExclamation},
};
// clang-format on

const MessageRow& rowOf(AppMessage message) { return MessageRowOf(kMessages, message); }

}  // namespace

QString AppMessageText(AppMessage message, const QString& subject) {
    return WithSubject(QString::fromUtf8(rowOf(message).text), subject);
}

int ShowAppMessage(AppMessage message, QWidget* owner, const QString& subject) {
    const MessageRow& row = rowOf(message);
    MessageRequest request;
    request.kind = (row.flags & mb::ButtonsMask) == mb::Ok ? PromptKind::Notice : PromptKind::Question;
    request.caption = QString::fromUtf8(row.caption);
    request.text = AppMessageText(message, subject);
    request.flags = row.flags;
    request.owner = owner;
    return prompts().present(request);
}
