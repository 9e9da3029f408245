#include "macro/engine/ppa_builtins.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "macro/engine/ppa_blanks.h"
#include "macro/engine/poor_pascal.h"
#include "macro/engine/ppa_numbers.h"
#include "macro/engine/ppa_runtime.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

constexpr const char* kPrototypes[] = {
    "procedure ProcessMessages;Index $0001;",
    "procedure Sleep(Milliseconds:Integer);Index $0002;",
    "function Copy(S:String;Start,Length:Integer):String;Index $1001;",
    "function Delete(S:String;Index,Count:Integer):String;Index $1002;",
    "function InputBox(ACaption,APrompt,ADefault:String):String;Index $1003;",
    "function Insert(Source:String;S:String;Index:Integer):String;Index $1004;",
    "function IntToStr(Value:Integer):String;Index $1005;",
    "function LowerCase(S:String):String;Index $1006;",
    "function Trim(S:String):String;Index $1007;",
    "function TrimLeft(S:String):String;Index $1008;",
    "function TrimRight(S:String):String;Index $1009;",
    "function UpperCase(S:String):String;Index $100A;",
    "function FloatToStr(Value:Real):String;Index $100B;",
    "function CompareStr(S1,S2:String):Integer;Index $2001;",
    "function Exec(Path,CmdLine:String;Wait:Integer):Integer;Index $2002;",
    "function Length(S:String):Integer;Index $2003;",
    "function MessageBox(Text,Caption:String;Flags:Integer):Integer;Index $2004;",
    "function Pos(Substr:String;S:String): Integer;Index $2005;",
    "function Shell(Path,CmdLine:String):Integer;Index $2006;",
    "function StrToInt(S: String):Integer;Index $2007;",
    "function IsDefine(S:String):Integer;Index $2008;",
    "function Trunc(X:Real):Integer;Index $2009;",
    "function Round(X:Real):Integer;Index $200A;",
    "function Frac(X:Real):Real;Index $3001;",
    "function Int(X:Real):Real;Index $3002;",
    "function StrToFloat(S:String):Real;Index $3003;",
};

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
    for (const std::string& line : rt.owner.Define())
        if (sjis::upper(line) == wanted) return -1;
    return 0;
}

std::int64_t truncFn(Runtime&, const ArgValue* a) { return truncToInteger(a[0].r); }
std::int64_t roundFn(Runtime&, const ArgValue* a) { return roundToInteger(a[0].r); }

// ---- real functions ($3xxx)

double fracFn(Runtime&, const ArgValue* a) { return a[0].r - std::trunc(a[0].r); }
double intFn(Runtime&, const ArgValue* a) { return std::trunc(a[0].r); }
double strToFloat(Runtime&, const ArgValue* a) { return readReal(a[0].s).value_or(0.0); }

template <typename Fn>
struct Entry {
    std::int32_t index;
    Fn fn;
};

template <typename Fn, std::size_t N>
Fn find(const Entry<Fn> (&table)[N], std::int32_t index) {
    for (const auto& e : table)
        if (e.index == index) return e.fn;
    return nullptr;
}

constexpr Entry<BuiltinProcedure> kProcedures[] = {{0x0001, processMessages}, {0x0002, sleep}};
constexpr Entry<BuiltinStrFunction> kStrFunctions[] = {
    {0x1001, copy},        {0x1002, remove},    {0x1003, inputBox},     {0x1004, insert},
    {0x1005, intToStr},    {0x1006, lowerCase}, {0x1007, trim},         {0x1008, trimLeftFn},
    {0x1009, trimRightFn}, {0x100A, upperCase}, {0x100B, floatToStrFn},
};
constexpr Entry<BuiltinIntFunction> kIntFunctions[] = {
    {0x2001, compareStr}, {0x2002, exec},     {0x2003, length},   {0x2004, messageBox}, {0x2005, pos},
    {0x2006, shell},      {0x2007, strToInt}, {0x2008, isDefine}, {0x2009, truncFn},    {0x200A, roundFn},
};
constexpr Entry<BuiltinRealFunction> kRealFunctions[] = {
    {0x3001, fracFn}, {0x3002, intFn}, {0x3003, strToFloat}};

}  // namespace

BuiltinProcedure findBuiltinProcedure(std::int32_t index) { return find(kProcedures, index); }
BuiltinStrFunction findBuiltinStrFunction(std::int32_t index) { return find(kStrFunctions, index); }
BuiltinIntFunction findBuiltinIntFunction(std::int32_t index) { return find(kIntFunctions, index); }
BuiltinRealFunction findBuiltinRealFunction(std::int32_t index) { return find(kRealFunctions, index); }

std::span<const char* const> builtinPrototypes() { return kPrototypes; }

}  // namespace ppa
