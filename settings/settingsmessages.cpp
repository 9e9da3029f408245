#include "settings/settingsmessages.h"

#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

enum class Box { Notice, Error };

struct MessageRow {
    SettingsMessage message;
    Box box;
    const char* text;
};

// clang-format off
constexpr MessageRow kMessages[] = {
    {SettingsMessage::DuplicateTemplate, Box::Notice, "既にその名前をもつテンプレートが存在します"},
    {SettingsMessage::UnwritableTemplate, Box::Error,
     "テンプレート「%1」の名前かコードに制御文字 0x02 または 0x03 が含まれているため、"
     "テンプレートファイルに書き出せません。ファイルには何も書き出していません。"},
    {SettingsMessage::NotAnInteger, Box::Error, "'%1' は有効な整数値ではありません"},
    {SettingsMessage::CannotOpen, Box::Error, "%1 を開けませんでした"},
    {SettingsMessage::BothBracketsNeeded, Box::Notice, "括弧を両方に入力してください"},
};
// clang-format on

const MessageRow& rowOf(SettingsMessage message) { return MessageRowOf(kMessages, message); }

}  // namespace

QString SettingsMessageText(SettingsMessage message, const QString& subject) {
    return WithSubject(QString::fromUtf8(rowOf(message).text), subject);
}

void ShowSettingsMessage(SettingsMessage message, QWidget* owner, const QString& subject) {
    const QString text = SettingsMessageText(message, subject);
    if (rowOf(message).box == Box::Notice)
        prompts().showMessage(text, owner);
    else
        prompts().showError(text, owner);
}
