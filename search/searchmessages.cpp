#include "search/searchmessages.h"

#include "platform/messagetable.h"
#include "platform/prompt.h"

namespace {

struct MessageRow {
    SearchMessage message;
    PromptKind kind;
    const char* caption;
    const char* text;
    int flags;  // buttons | icon
};

// clang-format off
constexpr MessageRow kMessages[] = {
    {SearchMessage::SearchedToEnd, PromptKind::Notice, "終了", "最後まで検索しました。", mb::Ok | mb::IconAsterisk},
    {SearchMessage::ReplaceQuestion, PromptKind::Question, "確認", "置換しますか？", mb::YesNoCancel | mb::IconQuestion},
    {SearchMessage::ReplacedToEnd, PromptKind::Notice, "終了", "最後まで置換しました", mb::Ok | mb::IconAsterisk},
    {SearchMessage::ReplacedAll, PromptKind::Notice, "終了", "全て置換しました", mb::Ok | mb::IconAsterisk},
    {SearchMessage::ReplaceStopped, PromptKind::Notice, "終了", "置換を中止しました。文書は変更されていません。", mb::Ok | mb::IconAsterisk},
    {SearchMessage::BadPattern, PromptKind::Error, "検索", "正規表現が正しくありません。\n\n%1\n\n%2", mb::Ok | mb::IconHand},
    {SearchMessage::TooComplex, PromptKind::Error, "検索", "正規表現が複雑すぎるため、検索を中止しました。\n\n%1", mb::Ok | mb::IconHand},
};
// clang-format on

struct ReasonRow {
    const char* engine;
    const char* shown;
};

// clang-format off
constexpr ReasonRow kReasons[] = {
    {"missing closing parenthesis", "閉じ括弧 ) が足りません"},
    {"unmatched closing parenthesis", "対応する ( のない ) があります"},
    {"missing terminating ] for character class", "文字クラスを閉じる ] がありません"},
    {"quantifier does not follow a repeatable item", "繰り返しの記号の前に繰り返せるものがありません"},
    {"\\ at end of pattern", "パターンが \\ で終わっています"},
    {"range out of order in character class", "文字クラスの範囲の順序が逆です"},
    {"reference to non-existent subpattern", "存在しないグループを参照しています"},
    {"lookbehind assertion is not fixed length", "後読みの長さが一定ではありません"},
    {"unrecognized character follows \\", "\\ の後の文字が正しくありません"},
    {"numbers out of order in {} quantifier", "{} の回数の順序が逆です"},
    {"number too big in {} quantifier", "{} の回数が大きすぎます"},
};
// clang-format on

const MessageRow& rowOf(SearchMessage message) { return MessageRowOf(kMessages, message); }

}  // namespace

QString SearchMessageText(SearchMessage message, const QString& pattern, const QString& reason) {
    const QString text = QString::fromUtf8(rowOf(message).text);
    // In one step each, so that a "%2" in the pattern stays as typed.
    if (text.contains(u"%2")) return text.arg(pattern, reason);
    return WithSubject(text, pattern);
}

QString PatternErrorReason(const QString& engineReason) {
    for (const ReasonRow& row : kReasons) {
        if (engineReason == QLatin1String(row.engine)) return QString::fromUtf8(row.shown);
    }
    return engineReason;
}

int ShowSearchMessage(SearchMessage message, QWidget* owner, const QString& pattern, const QString& reason) {
    const MessageRow& row = rowOf(message);
    MessageRequest request;
    request.kind = row.kind;
    request.caption = QString::fromUtf8(row.caption);
    request.text = SearchMessageText(message, pattern, reason);
    request.flags = row.flags;
    request.owner = owner;
    return prompts().present(request);
}
