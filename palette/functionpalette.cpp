#include "palette/functionpalette.h"

#include "palette/palettefile.h"
#include "palette/palettehost.h"
#include "palette/paletteload.h"
#include "palette/snippetinsert.h"
#include "platform/prompt.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPaletteWidth = 300;
constexpr int kPaletteHeight = 50;
constexpr int kButtonWidth = 23 + 2;
constexpr int kButtonHeight = 22;
constexpr int kNewLineLeft = 3;
constexpr int kFirstSnippetLeft = 42;
constexpr int kTextMargin = 6;
const QString kNewLineGlyph = QStringLiteral("Buttons\\NewLine.bmp");
const QString kNewLineText = QStringLiteral("↵");

// The one message of the palette: the files it could not read, a few named.
const QString kUnreadableCaption = QStringLiteral("関数パレット");
const QString kUnreadableText = QStringLiteral("関数パレットの次のファイルを読み込めませんでした。");
const QString kMoreUnreadable = QStringLiteral("ほか %1 件");
constexpr int kUnreadableNamed = 10;

// As many leading characters of `text` as the button shows.
QString fittingPrefix(const QString& text, const QFontMetrics& metrics, int width) {
    int count = 1;
    while (count < text.size() && metrics.horizontalAdvance(text.left(count + 1)) <= width) ++count;
    return text.left(count);
}

QToolButton* makeButton(QWidget* sheet, int left) {
    auto* button = new QToolButton(sheet);
    button->setAutoRaise(true);
    button->setGeometry(left, 0, kButtonWidth, kButtonHeight);
    button->setIconSize(QSize(16, 16));
    button->show();  // the palette may be on screen already
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// The button beside `button` on its sheet, `step` to the right (negative: to
// the left), or null at either end.
QToolButton* neighbourOf(QToolButton* button, int step) {
    const QList<QToolButton*> row = button->parentWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    const qsizetype at = row.indexOf(button) + step;
    return at >= 0 && at < row.size() ? row[at] : nullptr;
}

void showGlyphOrText(QToolButton* button, const QIcon& glyph, const QString& text) {
    if (!glyph.isNull()) {
        button->setIcon(glyph);
        return;
    }
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(fittingPrefix(text, button->fontMetrics(), kButtonWidth - kTextMargin));
}

}  // namespace

TFunctionPalette::TFunctionPalette(QWidget* parent) : QWidget(parent) {
    setObjectName("PalettePanel");
    setFixedSize(kPaletteWidth, kPaletteHeight);
    PC = new QTabWidget(this);
    PC->setObjectName("PC");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(PC);
}

TFunctionPalette::~TFunctionPalette() = default;

void TFunctionPalette::BuildPalette(const TPaletteSources& sources, std::unique_ptr<TPaletteHost> host) {
    host_ = std::move(host);
    const TPaletteContents contents = ReadPalette(sources.appFolder, sources.packageFile);
    for (const TPaletteTab& tab : contents.tabs) buildTab(tab, sources);
    unreadable_ = contents.unreadable + glyphs_.Unreadable();
    fitHeightToButtons();
}

void TFunctionPalette::buildTab(const TPaletteTab& tab, const TPaletteSources& sources) {
    auto* sheet = new QWidget;
    sheet->setMinimumHeight(kButtonHeight);
    PC->addTab(sheet, tab.caption);
    QMenu* menu = sources.contextMenu ? sources.contextMenu->addMenu(tab.caption) : nullptr;
    if (menu) menu->setFont(sources.contextMenu->font());
    newLineButtons_.append(addNewLineButton(sheet, sources));
    int x = kFirstSnippetLeft;
    for (const QString& line : tab.buttonLines) {
        snippets_.append(line);
        const QString bitmap = PaletteFilePath(sources.appFolder, palettefile::Field(line, 3));
        QToolButton* button = addSnippetButton(sheet, line, x);
        showGlyphOrText(button, glyphs_.Glyph(bitmap), palettefile::Field(line, 0));
        if (menu) addSnippetItem(menu, line);
        x += button->width();
    }
}

QToolButton* TFunctionPalette::addNewLineButton(QWidget* sheet, const TPaletteSources& sources) {
    QToolButton* button = makeButton(sheet, kNewLineLeft);
    button->installEventFilter(this);
    button->setCheckable(true);
    showGlyphOrText(button, glyphs_.Glyph(PaletteFilePath(sources.appFolder, kNewLineGlyph)), kNewLineText);
    if (QAction* action = sources.newLineAction) {
        button->setAccessibleName(QString(action->text()).remove('&'));
        button->setToolTip(action->toolTip());
        button->setStatusTip(action->statusTip());
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
    return button;
}

// A snippet button or menu item: hint, number, and the shared click.
template <typename Clickable, typename Signal>
Clickable* TFunctionPalette::bindSnippet(Clickable* clickable, Signal clicked, const QString& line) {
    const int tag = snippets_.size();
    const QString hint = palettefile::HintOf(palettefile::ReadButtonLine(line));
    clickable->setToolTip(hint);
    clickable->setStatusTip(hint);
    clickable->setProperty("Tag", tag);
    connect(clickable, clicked, this, [this, tag] { runGuarded([this, tag] { SnippetClick(tag); }); });
    return clickable;
}

QToolButton* TFunctionPalette::addSnippetButton(QWidget* sheet, const QString& line, int x) {
    QToolButton* button = bindSnippet(makeButton(sheet, x), &QToolButton::clicked, line);
    button->setAccessibleName(button->toolTip());
    button->installEventFilter(this);
    snippetButtons_.append(button);
    return button;
}

QAction* TFunctionPalette::addSnippetItem(QMenu* menu, const QString& line) {
    snippetItems_.append(bindSnippet(menu->addAction(palettefile::Field(line, 0)), &QAction::triggered, line));
    return snippetItems_.last();
}

// Left and right walk a tab's buttons, as they do on a tool bar.
bool TFunctionPalette::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) return QWidget::eventFilter(watched, event);
    if (QToolButton* next = neighbourOf(static_cast<QToolButton*>(watched), key == Qt::Key_Right ? 1 : -1))
        next->setFocus(Qt::TabFocusReason);
    return true;
}

void TFunctionPalette::SnippetClick(int tag) {
    if (tag < 1 || tag > snippets_.size() || !host_) return;
    TEditorEx* editor = host_->SnippetEditor();
    if (!editor) return;
    InsertSnippet(*editor, palettefile::Field(snippets_[tag - 1], 0), host_->InsertNewLine());
}

// The page control grows until a tab shows a whole button; it never shrinks.
void TFunctionPalette::fitHeightToButtons() {
    if (snippetButtons_.isEmpty()) return;
    setFixedHeight(qMax(height(), PC->minimumSizeHint().height()));
}

void TFunctionPalette::ReportUnreadableFiles(QWidget* owner) const {
    if (unreadable_.isEmpty()) return;
    QStringList lines = unreadable_.first(qMin<qsizetype>(unreadable_.size(), kUnreadableNamed));
    if (unreadable_.size() > kUnreadableNamed) lines.append(kMoreUnreadable.arg(unreadable_.size() - kUnreadableNamed));
    prompts().inform(kUnreadableCaption, kUnreadableText + "\n\n" + lines.join('\n'), mb::IconExclamation, owner);
}
