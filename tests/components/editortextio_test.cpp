// Loading a file into a document and saving it, a piece at a time: the
// document holds exactly the text (and the index exactly the line lengths)
// that the whole file made the plain way gives, for pieces of any size.
#include "components/decodeahead.h"
#include "components/editorex.h"
#include "components/editortextio.h"
#include "components/showndocument.h"
#include "components/textsource.h"
#include "platform/fileerror.h"
#include "tests/components/sjistext.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>

namespace {

using B = QsciScintillaBase;

class EditorTextIo : public ::testing::Test {
protected:
    QString file(const QByteArray& bytes) {
        const QString path = dir.filePath(QString::number(++files) + ".lum");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    int files = 0;
};

QByteArray documentBytes(const QsciScintillaBase& view) {
    const long length = view.SendScintilla(B::SCI_GETLENGTH);
    const auto* text = reinterpret_cast<const char*>(view.SendScintilla(B::SCI_GETCHARACTERPOINTER));
    return QByteArray(text, length);
}

std::vector<qsizetype> lengthsOf(const LineLengthIndex& index) {
    std::vector<qsizetype> lengths;
    for (qsizetype line = 0; line < index.lineCount(); ++line) lengths.push_back(index.length(line));
    return lengths;
}

}  // namespace

TEST_F(EditorTextIo, LoadingInPiecesGivesThePlainTextAndLineLengths) {
    std::vector<sjistext::Case> cases = sjistext::cases();
    cases.push_back({"mixed text", sjistext::mixedText(5000, 21)});
    QsciScintilla view;
    view.setUtf8(true);
    for (const sjistext::Case& c : cases) {
        const QString path = file(c.sjis);
        for (const qsizetype piece : {1, 2, 3, 7, 64, 1 << 20}) {
            editortextio::LoadedText loaded = editortextio::load(view, path, piece);
            ShownDocument shown(view);
            shown.show(loaded.document());
            EXPECT_EQ(documentBytes(view).toHex(' '), sjistext::plainUtf8(c.sjis).toHex(' '))
                << c.name << ", pieces of " << piece;
            EXPECT_EQ(lengthsOf(loaded.index()), sjistext::plainLineLengths(c.sjis)) << c.name << ", pieces of " << piece;
            EXPECT_FALSE(view.SendScintilla(B::SCI_CANUNDO)) << c.name;
        }
    }
}

TEST_F(EditorTextIo, SavingInPiecesGivesTheWholeText) {
    const QByteArray text = sjistext::mixedText(4000, 5);
    TEditorEx e;
    e.Lines().LoadFromFile(file(text));
    const QByteArray expected = sjistext::withCrLf(text);
    ASSERT_EQ(e.Lines().Text(), expected);
    for (const qsizetype piece : {1, 50, 1 << 20}) {
        QByteArray written;
        int pieces = 0;
        editortextio::write(*e.Scintilla(), [&](QByteArrayView bytes) {
            written += bytes;
            ++pieces;
        }, piece);
        EXPECT_EQ(written, expected) << "pieces of " << piece;
        if (piece == 50) {
            EXPECT_GT(pieces, 10);
        }
    }
    const QString saved = dir.filePath("saved.lum");
    e.Lines().SaveToFile(saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), expected);
}

// A pipe can be read only once; loading it must not wait for a second pass.
TEST_F(EditorTextIo, APipeIsReadOnce) {
    const QString path = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QByteArray text = sj("パイプ\r\nから");
    std::thread writer([&] {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(text);
    });
    TEditorEx e;
    e.Lines().LoadFromFile(path);
    writer.join();
    EXPECT_EQ(e.Lines().Text(), text);
}

TEST_F(EditorTextIo, AFileThatCannotBeReadNamesIt) {
    QsciScintilla view;
    const QString missing = dir.filePath("missing.lum");
    try {
        editortextio::load(view, missing);
        FAIL() << "loading a missing file must fail";
    } catch (const FileError& error) {
        EXPECT_EQ(error.operation(), FileError::Operation::Read);
        EXPECT_EQ(error.path(), missing);
    }
}

// A caller that stops taking pieces half way does not leave the worker
// waiting for room.
TEST_F(EditorTextIo, DecodingAheadStopsWhenTheCallerGivesUp) {
    const TextSource source(file(QByteArray(64 * 1024, 'x')), 1024);
    for (int taken = 0; taken < 3; ++taken) {
        DecodeAhead decoded(source);
        for (int i = 0; i < taken; ++i) ASSERT_FALSE(decoded.nextPiece().isEmpty());
    }
}
