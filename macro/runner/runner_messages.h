#pragma once
// Every text quodex-macro writes of its own, in one place: Japanese, like the
// macro engine's messages, and UTF-8. A "%1" is filled by fill().
#include <string>
#include <string_view>

namespace runnertext {

inline constexpr const char* kUsage =
    "使い方: quodex-macro [--check] [--define 名前]... [--permit] [--sjis] マクロ.qmc";

inline constexpr const char* kHelp =
    "マクロファイルをエディタなしで実行、または検査します。\n"
    "\n"
    "  --check         実行せずに全ての文を読み、実行すれば起きるエラーと警告を表示します\n"
    "  --define 名前   IsDefine('名前') が -1 を返すシンボルを定義します（何度でも指定できます）\n"
    "  --permit        外部プログラムを起動する Exec と Shell を許可します\n"
    "  --sjis          Print の出力を Shift-JIS のまま書き出します（指定しなければ UTF-8）\n"
    "  --help          この説明を表示します\n"
    "\n"
    "終了コード: 0 正常終了、1 マクロのエラー（--check ではエラーが見つかったとき）、\n"
    "            2 指定の誤り、またはマクロファイルを読めないとき";

inline constexpr const char* kDefineNeedsName = "--define には名前が必要です";
inline constexpr const char* kUnknownOption = "不明なオプションです: %1";
inline constexpr const char* kOneFileOnly = "マクロファイルは一つだけ指定できます";
inline constexpr const char* kNoFile = "マクロファイルが指定されていません";

inline constexpr const char* kUnencodable = "Shift-JIS で表せない文字があります: %1";
inline constexpr const char* kWarning = "警告: %1";

inline std::string fill(std::string_view text, std::string_view value) {
    std::string out(text);
    if (const std::size_t at = out.find("%1"); at != std::string::npos) out.replace(at, 2, value);
    return out;
}

}  // namespace runnertext
