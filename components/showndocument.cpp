#include "components/showndocument.h"

#include <Qsci/qsciscintillabase.h>

#include <iterator>

using B = QsciScintillaBase;

namespace {

struct Setting {
    unsigned int get;
    unsigned int set;
};

// What Scintilla keeps with a document rather than with a view. The sets of
// characters go in this order: setting the word characters resets the others.
constexpr Setting kNumbers[] = {
    {B::SCI_GETCODEPAGE, B::SCI_SETCODEPAGE},
    {B::SCI_GETEOLMODE, B::SCI_SETEOLMODE},
    {B::SCI_GETLINEENDTYPESALLOWED, B::SCI_SETLINEENDTYPESALLOWED},
    {B::SCI_GETTABWIDTH, B::SCI_SETTABWIDTH},
    {B::SCI_GETINDENT, B::SCI_SETINDENT},
    {B::SCI_GETUSETABS, B::SCI_SETUSETABS},
    {B::SCI_GETTABINDENTS, B::SCI_SETTABINDENTS},
    {B::SCI_GETBACKSPACEUNINDENTS, B::SCI_SETBACKSPACEUNINDENTS},
    {B::SCI_GETLEXER, B::SCI_SETLEXER},
    {B::SCI_GETREADONLY, B::SCI_SETREADONLY},
};
constexpr Setting kCharacterSets[] = {
    {B::SCI_GETWORDCHARS, B::SCI_SETWORDCHARS},
    {B::SCI_GETWHITESPACECHARS, B::SCI_SETWHITESPACECHARS},
    {B::SCI_GETPUNCTUATIONCHARS, B::SCI_SETPUNCTUATIONCHARS},
};

struct DocumentSettings {
    long numbers[std::size(kNumbers)];
    QByteArray characterSets[std::size(kCharacterSets)];

    static DocumentSettings of(const QsciScintillaBase& view) {
        DocumentSettings s;
        for (std::size_t i = 0; i < std::size(kNumbers); ++i) s.numbers[i] = view.SendScintilla(kNumbers[i].get);
        for (std::size_t i = 0; i < std::size(kCharacterSets); ++i) {
            QByteArray& chars = s.characterSets[i];
            chars.resize(view.SendScintilla(kCharacterSets[i].get, 0UL, static_cast<void*>(nullptr)));
            view.SendScintilla(kCharacterSets[i].get, 0UL, static_cast<void*>(chars.data()));
        }
        return s;
    }

    void applyTo(QsciScintillaBase& view) const {
        for (std::size_t i = 0; i < std::size(kNumbers); ++i) {
            view.SendScintilla(kNumbers[i].set, static_cast<unsigned long>(numbers[i]));
        }
        for (std::size_t i = 0; i < std::size(kCharacterSets); ++i) {
            view.SendScintilla(kCharacterSets[i].set, 0UL, characterSets[i].constData());
        }
    }
};

}  // namespace

ShownDocument::~ShownDocument() {
    if (own_ != nullptr) show(own_);
}

void* ShownDocument::get() const { return view_.SendScintillaPtrResult(B::SCI_GETDOCPOINTER); }

void ShownDocument::showNew(void* document) {
    const DocumentSettings settings = DocumentSettings::of(view_);
    show(document);
    settings.applyTo(view_);
}

void ShownDocument::show(void* document) {
    if (document == get()) return;
    if (own_ == nullptr) {
        own_ = get();
        view_.SendScintilla(B::SCI_ADDREFDOCUMENT, 0UL, own_);
    }
    view_.SendScintilla(B::SCI_SETDOCPOINTER, 0UL, document);
    if (document == own_) {
        view_.SendScintilla(B::SCI_RELEASEDOCUMENT, 0UL, own_);
        own_ = nullptr;
    }
}
