#include "tools/palettor/palettormessages.h"

#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

struct MessageRow {
    PalettorMessage message;
    const char* caption;
    const char* text;
    int flags;  // buttons | icon
};

// clang-format off
constexpr MessageRow kMessages[] = {
    {PalettorMessage::NoPackage, "Palettor", "ファイルが指定されていません", mb::Ok | mb::IconAsterisk},
    {PalettorMessage::Done, "Palettor", "正常に完了しました", mb::Ok | mb::IconAsterisk},
    {PalettorMessage::RegistryFailed, "Palettor", "Quodexの設定に書き込めませんでした", mb::Ok | mb::IconHand},
    {PalettorMessage::UnstorableCell, "Palettor", "%1行目の%2列目（%3）にタブか改行が含まれているため、保存できません。この文字を取り除いてから保存してください。", mb::Ok | mb::IconExclamation},
    {PalettorMessage::RowsLeftOut, "Palettor", "空欄のある次の行は保存しませんでした: %1行目", mb::Ok | mb::IconExclamation},
    {PalettorMessage::PackageUnsaved, "確認", "qbpファイルの変更が保存されていません。保存しますか？", mb::YesNoCancel | mb::IconQuestion},
    {PalettorMessage::DefinitionUnsaved, "確認", "qbtファイルの変更が保存されていません。保存しますか？", mb::YesNoCancel | mb::IconQuestion},
};
// clang-format on

const MessageRow& rowOf(PalettorMessage message) { return MessageRowOf(kMessages, message); }

}  // namespace

QString PalettorMessageText(PalettorMessage message, const QStringList& arguments) {
    QString text = QString::fromUtf8(rowOf(message).text);
    for (const QString& argument : arguments) text = text.arg(argument);
    return text;
}

int ShowPalettorMessage(PalettorMessage message, QWidget* owner, const QStringList& arguments) {
    const MessageRow& row = rowOf(message);
    const QString caption = QString::fromUtf8(row.caption);
    const QString text = PalettorMessageText(message, arguments);
    const int buttons = row.flags & mb::ButtonsMask;
    if (buttons != mb::Ok) return prompts().ask(caption, text, buttons, row.flags & mb::IconMask, owner);
    prompts().inform(caption, text, row.flags & mb::IconMask, owner);
    return IdOk;
}
