#include "macro/engine/ppa_builtins.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "macro/engine/ppa_blanks.h"
#include "macro/engine/ppa_numbers.h"
#include "macro/engine/ppa_runtime.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

// ---- procedures ($0xxx)

void processMessages(Runtime& rt, const ArgValue*) { rt.environment->ProcessMessages(); }

void sleep(Runtime& rt, const ArgValue* a) { rt.environment->Sleep(static_cast<std::uint32_t>(a[0].i)); }

// ---- string functions ($1xxx); positions are 1-based byte positions

std::string copy(Runtime&, const ArgValue* a) {
    const std::string& s = a[0].s;
    const std::int64_t start = std::max<std::int64_t>(a[1].i, 1);
    const std::int64_t count = a[2].i;
    if (count <= 0 || start > static_cast<std::int64_t>(s.size())) return {};
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

std::string remove(Runtime&, const ArgValue* a) {
    std::string s = a[0].s;
    const std::int64_t index = a[1].i;
    const std::int64_t count = a[2].i;
    if (index < 1 || index > static_cast<std::int64_t>(s.size()) || count <= 0) return s;
    s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
    return s;
}

std::string inputBox(Runtime& rt, const ArgValue* a) {
    return rt.environment->InputBox(a[0].s, a[1].s, a[2].s);
}

std::string insert(Runtime& rt, const ArgValue* a) {
    std::string s = a[1].s;
    const std::int64_t size = static_cast<std::int64_t>(s.size());
    const std::int64_t index = std::clamp<std::int64_t>(a[2].i, 1, size + 1);
    rt.checkLength(s.size() + a[0].s.size());
    s.insert(static_cast<std::size_t>(index - 1), a[0].s);
    return s;
}

std::string intToStr(Runtime&, const ArgValue* a) { return std::to_string(a[0].i); }
std::string lowerCase(Runtime&, const ArgValue* a) { return sjis::lower(a[0].s); }
std::string trim(Runtime&, const ArgValue* a) { return std::string(trimRight(trimLeft(a[0].s))); }
std::string trimLeftFn(Runtime&, const ArgValue* a) { return std::string(trimLeft(a[0].s)); }
std::string trimRightFn(Runtime&, const ArgValue* a) { return std::string(trimRight(a[0].s)); }
std::string upperCase(Runtime&, const ArgValue* a) { return sjis::upper(a[0].s); }
std::string floatToStrFn(Runtime&, const ArgValue* a) { return floatToStr(a[0].r); }

// ---- integer functions ($2xxx)

// Dictionary order as a desktop locale sorts: letters compare ignoring case
// first, and only equal texts are then told apart by case, lower before upper.
int collate(const std::string& a, const std::string& b) {
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; };
    int caseOrder = 0;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t n = sjis::charLength(a, i);
        const std::size_t m = sjis::charLength(b, j);
        if (n == 1 && m == 1) {
            const unsigned char x = static_cast<unsigned char>(a[i]);
            const unsigned char y = static_cast<unsigned char>(b[j]);
            if (fold(x) != fold(y)) return fold(x) < fold(y) ? -1 : 1;
            if (caseOrder == 0 && x != y) caseOrder = x > y ? -1 : 1;  // 'a' (0x61) before 'A' (0x41)
        } else {
            // Double-byte characters keep the order of their codes.
            const int c = std::memcmp(a.data() + i, b.data() + j, std::min(n, m));
            if (c != 0) return c < 0 ? -1 : 1;
            if (n != m) return n < m ? -1 : 1;
        }
        i += n;
        j += m;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return caseOrder;
}

std::int64_t compareStr(Runtime&, const ArgValue* a) { return collate(a[0].s, a[1].s); }

std::int64_t exec(Runtime& rt, const ArgValue* a) {
    const std::string commandLine = "\"" + a[0].s + "\" " + a[1].s;
    const bool wait = a[2].i == -1;
    std::int64_t exitCode = 0;
    if (!rt.environment->Exec(commandLine, wait, exitCode)) return 0;
    return wait ? exitCode : -1;
}

std::int64_t length(Runtime&, const ArgValue* a) { return static_cast<std::int64_t>(a[0].s.size()); }

std::int64_t messageBox(Runtime& rt, const ArgValue* a) {
    return rt.environment->MessageBox(a[0].s, a[1].s, a[2].i);
}

// Only matches that start on a character boundary count.
std::int64_t pos(Runtime&, const ArgValue* a) {
    const std::string& sub = a[0].s;
    const std::string& s = a[1].s;
    if (sub.empty() || sub.size() > s.size()) return 0;
    for (std::size_t i = 0; i + sub.size() <= s.size(); i += sjis::charLength(s, i))
        if (s.compare(i, sub.size(), sub) == 0) return static_cast<std::int64_t>(i + 1);
    return 0;
}

std::int64_t shell(Runtime& rt, const ArgValue* a) { return rt.environment->Shell(a[0].s, a[1].s); }
std::int64_t strToInt(Runtime&, const ArgValue* a) { return readInteger(a[0].s).value_or(0); }

std::int64_t isDefine(Runtime& rt, const ArgValue* a) {
    const std::string wanted = sjis::upper(a[0].s);
    for (const std::string& line : rt.owner.define)
        if (sjis::upper(line) == wanted) return -1;
    return 0;
}

std::int64_t truncFn(Runtime&, const ArgValue* a) { return truncToInteger(a[0].r); }
std::int64_t roundFn(Runtime&, const ArgValue* a) { return roundToInteger(a[0].r); }

// ---- real functions ($3xxx)

double fracFn(Runtime&, const ArgValue* a) { return a[0].r - std::trunc(a[0].r); }
double intFn(Runtime&, const ArgValue* a) { return std::trunc(a[0].r); }
double strToFloat(Runtime&, const ArgValue* a) { return readReal(a[0].s).value_or(0.0); }

// One row per built-in: its Index, its prototype exactly as registered, and
// the function of its group. The order is the order of registration.
constexpr BuiltinRow kBuiltins[] = {
    {0x0001, "procedure ProcessMessages;Index $0001;", processMessages},
    {0x0002, "procedure Sleep(Milliseconds:Integer);Index $0002;", sleep},
    {0x1001, "function Copy(S:String;Start,Length:Integer):String;Index $1001;", copy},
    {0x1002, "function Delete(S:String;Index,Count:Integer):String;Index $1002;", remove},
    {0x1003, "function InputBox(ACaption,APrompt,ADefault:String):String;Index $1003;", inputBox},
    {0x1004, "function Insert(Source:String;S:String;Index:Integer):String;Index $1004;", insert},
    {0x1005, "function IntToStr(Value:Integer):String;Index $1005;", intToStr},
    {0x1006, "function LowerCase(S:String):String;Index $1006;", lowerCase},
    {0x1007, "function Trim(S:String):String;Index $1007;", trim},
    {0x1008, "function TrimLeft(S:String):String;Index $1008;", trimLeftFn},
    {0x1009, "function TrimRight(S:String):String;Index $1009;", trimRightFn},
    {0x100A, "function UpperCase(S:String):String;Index $100A;", upperCase},
    {0x100B, "function FloatToStr(Value:Real):String;Index $100B;", floatToStrFn},
    {0x2001, "function CompareStr(S1,S2:String):Integer;Index $2001;", compareStr},
    {0x2002, "function Exec(Path,CmdLine:String;Wait:Integer):Integer;Index $2002;", exec},
    {0x2003, "function Length(S:String):Integer;Index $2003;", length},
    {0x2004, "function MessageBox(Text,Caption:String;Flags:Integer):Integer;Index $2004;", messageBox},
    {0x2005, "function Pos(Substr:String;S:String): Integer;Index $2005;", pos},
    {0x2006, "function Shell(Path,CmdLine:String):Integer;Index $2006;", shell},
    {0x2007, "function StrToInt(S: String):Integer;Index $2007;", strToInt},
    {0x2008, "function IsDefine(S:String):Integer;Index $2008;", isDefine},
    {0x2009, "function Trunc(X:Real):Integer;Index $2009;", truncFn},
    {0x200A, "function Round(X:Real):Integer;Index $200A;", roundFn},
    {0x3001, "function Frac(X:Real):Real;Index $3001;", fracFn},
    {0x3002, "function Int(X:Real):Real;Index $3002;", intFn},
    {0x3003, "function StrToFloat(S:String):Real;Index $3003;", strToFloat},
};

}  // namespace

std::span<const BuiltinRow> builtinTable() { return kBuiltins; }

BuiltinFunction findBuiltin(std::int32_t index) {
    for (const BuiltinRow& row : kBuiltins)
        if (row.index == index) return row.function;
    return BuiltinProcedure{nullptr};
}

}  // namespace ppa
