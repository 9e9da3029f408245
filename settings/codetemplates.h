#pragma once
// Code templates: named, possibly multi-line pieces of text. A template set
// is two parallel lists, names and bodies, entry i of one belonging to entry
// i of the other. A damaged template file can fill them unevenly, so every
// reader of a body checks that its index exists.
//
// In the settings they are the section "CodeTemplate", one value per
// template (value name = template name, value = body). As in the registry,
// value names are matched ignoring letter case: "If" and "if" name one value.
//
// A template file (".qtf") is Shift-JIS bytes without header or trailer:
// per template its name, 0x02, its body, 0x03, in list order, unescaped.
#include "platform/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

class TRegIniFile;

// names := the section's value names in the store's order; bodies := their
// values, an unreadable one empty.
void LoadTemplates(const TRegIniFile& reg, QStringList& names, QStringList& bodies);

// Replaces every value of the section with the set; the section stays, even
// when the set is empty. Of two names equal ignoring case the later entry,
// name and body, is the one stored; a name without a body is stored empty.
void StoreTemplates(TRegIniFile& reg, const QStringList& names, const QStringList& bodies);

// Appends the templates of `bytes` to the lists: a 0x02 ends a name, a 0x03
// ends a body; bytes after the last of them are dropped.
void ParseTemplateFile(QByteArrayView bytes, QStringList& names, QStringList& bodies);

// The file image of the set, one block per name (a missing body is empty).
// Only for sets without FirstUnwritableTemplate.
QByteArray FormatTemplateFile(const QStringList& names, const QStringList& bodies);

// The first template whose name or body holds a 0x02 or 0x03 byte, which
// the file format cannot carry.
std::optional<qsizetype> FirstUnwritableTemplate(const QStringList& names, const QStringList& bodies);

// The file's templates appended to the lists; on FileError the lists stay
// as they were.
void ReadTemplateFile(const QString& file, QStringList& names, QStringList& bodies);

// Replaces the file atomically. Throws FileError, and std::invalid_argument
// for a set that FirstUnwritableTemplate refuses (nothing is written then).
void WriteTemplateFile(const QStringList& names, const QStringList& bodies, const QString& file);

// At start-up: while the settings hold no template section (compared
// ignoring case), stores the templates of `templateFile`. A missing file
// seeds nothing, so the next start tries again; one that cannot be read
// throws FileError. An existing section, even an empty one, is left alone.
// True when it seeded.
bool SeedTemplates(TRegIniFile& reg, const QString& templateFile);
