#pragma once
// The function palette: the area inside the "関数パレット" bar holding the
// page control PC, one tab of snippet buttons per package line, and the same
// snippets as submenus of the document context menu.
//
// Buttons are numbered straight through all tabs from 1 (their "Tag"); button
// n inserts field 0 of line n of Snippets(). Each tab starts with a
// line-break toggle at x = 3, then its snippet buttons at x = 42, 67, 92, ...
// The palette is built once; a package chosen later takes effect at the next
// start.
#include "palette/paletteglyphs.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <memory>

class QAbstractButton;
class QAction;
class QMenu;
class QTabWidget;
class QToolButton;
class TPaletteHost;
struct TPaletteTab;

// Where the palette comes from and what it joins, handed over at build time.
struct TPaletteSources {
    QString appFolder;    // ends in "/"; the files' paths are relative to it
    QString packageFile;  // full path of the button package
    QMenu* contextMenu = nullptr;     // gets one submenu per package line
    QAction* newLineAction = nullptr; // run by every line-break button
};

class TFunctionPalette : public QWidget {
    Q_OBJECT

public:
    explicit TFunctionPalette(QWidget* parent = nullptr);
    ~TFunctionPalette() override;

    void BuildPalette(const TPaletteSources& sources, std::unique_ptr<TPaletteHost> host);
    // The click of snippet button or menu item `tag`.
    void SnippetClick(int tag);
    // Tells the user, in one message, which palette files could not be read
    // (nothing when all were read).
    void ReportUnreadableFiles(QWidget* owner) const;

    // Every button definition line of every tab, in load order.
    const QStringList& Snippets() const { return snippets_; }
    const QList<QToolButton*>& SnippetButtons() const { return snippetButtons_; }
    const QList<QAction*>& SnippetMenuItems() const { return snippetItems_; }
    const QList<QAbstractButton*>& NewLineButtons() const { return newLineButtons_; }
    QStringList UnreadableFiles() const { return unreadable_; }

    QTabWidget* PC = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTab(const TPaletteTab& tab, const TPaletteSources& sources);
    QToolButton* addNewLineButton(QWidget* sheet, const TPaletteSources& sources);
    QToolButton* addSnippetButton(QWidget* sheet, const QString& line, int x);
    QAction* addSnippetItem(QMenu* menu, const QString& line);
    template <typename Clickable, typename Signal>
    Clickable* bindSnippet(Clickable* clickable, Signal clicked, const QString& line);
    void fitHeightToButtons();

    std::unique_ptr<TPaletteHost> host_;
    TPaletteGlyphs glyphs_;
    QStringList snippets_;
    QList<QToolButton*> snippetButtons_;
    QList<QAction*> snippetItems_;
    QList<QAbstractButton*> newLineButtons_;
    QStringList unreadable_;
};
