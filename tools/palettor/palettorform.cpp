#include "tools/palettor/palettorform.h"

#include "palette/palettefile.h"
#include "platform/appfolder.h"
#include "platform/fileerror.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "tools/palettor/palettormessages.h"
#include "tools/palettor/stringgrid.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kQbpColumns = 2;
constexpr int kQbtColumns = 4;
constexpr int kQbpGridHeight = 131;
constexpr int kSplitterWidth = 3;
constexpr int kRowHeight = 16;

const QString kPackageFilter = QStringLiteral("Quodexボタンパッケージ(*.qbp)|*.qbp");
const QString kDefinitionFilter = QStringLiteral("Quodexボタン定義ファイル(*.qbt)|*.qbt");

// The editor's settings key and the value it takes its package from.
const QString kQuodexKey = QStringLiteral("\\Software\\Telsor\\Quodex");
const QString kPackageSection = QStringLiteral("QBP");
const QString kPackageValue = QStringLiteral("File");

QAction* makeAction(QObject* owner, const char* name, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    return action;
}

void showFileError(const FileError& error, QWidget* owner) { prompts().showError(error.message(), owner); }

}  // namespace

TForm1::TForm1(const QString& packageFile, QWidget* parent) : QMainWindow(parent), packageToOpen_(packageFile) {
    setObjectName("Form1");
    setWindowTitle("Palettor");
    setFont(QFont("ＭＳ Ｐゴシック", 9));
    resize(529, 381);
    createActions();
    buildGrids();
    buildMenus();
}

void TForm1::createActions() {
    LoadQbpFile = makeAction(this, "LoadQbpFile", "qbpファイルを開く(&O)");
    SaveQbp = makeAction(this, "SaveQbp", "qbpファイルの保存(&P)");
    SaveQbt = makeAction(this, "SaveQbt", "qbtファイルの保存(&S)");
    ShowItems = makeAction(this, "ShowItems", "qbtファイルの表示(&G)");
    AddItem = makeAction(this, "AddItem", "要素を追加する(&A)");
    UseCurrentQbp = makeAction(this, "UseCurrentQbp", "Quodexで現在のqbpを使う(&U)");
    Close1 = makeAction(this, "Close1", "閉じる(&X)");
    const std::pair<QAction*, void (TForm1::*)()> handlers[] = {
        {LoadQbpFile, &TForm1::LoadQbpFileExecute}, {SaveQbp, &TForm1::SaveQbpExecute},
        {SaveQbt, &TForm1::SaveQbtExecute},         {ShowItems, &TForm1::ShowItemsExecute},
        {AddItem, &TForm1::AddItemExecute},         {UseCurrentQbp, &TForm1::UseCurrentQbpClick},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    connect(Close1, &QAction::triggered, this, &QWidget::close);
}

void TForm1::buildMenus() {
    QMenu* file = menuBar()->addMenu("ファイル(&F)");
    file->setObjectName("File1");
    file->addAction(LoadQbpFile);
    file->addSeparator();
    file->addActions({SaveQbp, SaveQbt});
    file->addSeparator();
    file->addAction(UseCurrentQbp);
    file->addSeparator();
    file->addAction(Close1);
    QMenu* edit = menuBar()->addMenu("編集(&E)");
    edit->setObjectName("Edit1");
    edit->addActions({ShowItems, AddItem});

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    PopupMenu1->addActions({AddItem, ShowItems});
    for (QTableWidget* grid : {QbpSG, SG}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& at) { PopupMenu1->popup(grid->viewport()->mapToGlobal(at)); });
    }
}

QTableWidget* TForm1::makeGrid(const char* name, const QList<int>& widths) {
    auto* grid = new QTableWidget(1, widths.size());
    grid->setObjectName(name);
    grid->horizontalHeader()->setSectionsMovable(true);
    grid->verticalHeader()->setSectionsMovable(true);
    grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int column = 0; column < widths.size(); ++column) grid->setColumnWidth(column, widths[column]);
    NumberShownRows(*grid);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::itemChanged, this, [this, grid] { setModified(grid, true); });
    connect(grid->horizontalHeader(), &QHeaderView::sectionMoved, this, [this, grid] { setModified(grid, true); });
    connect(grid->verticalHeader(), &QHeaderView::sectionMoved, this, [this, grid] {
        NumberShownRows(*grid);
        setModified(grid, true);
    });
    return grid;
}

void TForm1::buildGrids() {
    QbpSG = makeGrid("QbpSG", {107, 374});
    SG = makeGrid("SG", {69, 205, 99, 105});
    QbpSG->setAccessibleName("パッケージ");
    SG->setAccessibleName("ボタン定義");
    Splitter1 = new QSplitter(Qt::Vertical);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(kSplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(QbpSG);
    Splitter1->addWidget(SG);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kQbpGridHeight, height()});
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Splitter1);
    setCentralWidget(panel);
}

// --- Showing -------------------------------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { FormShow(); });
}

void TForm1::FormShow() {
    SG->setHorizontalHeaderLabels({"挿入文字列", "説明", "引数/戻り値", "表示ビットマップ"});
    QbpSG->setHorizontalHeaderLabels({"表示文字列", "対応ファイル"});
    AddItem->setEnabled(false);
    CurrentGrid = nullptr;
    PackagePath.clear();
    if (!packageToOpen_.isEmpty()) openPackage(QFileInfo(packageToOpen_).absoluteFilePath());
}

QString TForm1::buttonsFolder() const { return paths::resolvePath(AppFolder() + "Buttons"); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == SG) runGuarded([this] { SGEnter(); });
        if (watched == QbpSG) runGuarded([this] { QbpSGEnter(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::SGEnter() {
    CurrentGrid = SG;
    AddItem->setEnabled(true);
}

void TForm1::QbpSGEnter() {
    CurrentGrid = QbpSG;
    AddItem->setEnabled(true);
}

// --- Opening -------------------------------------------------------------------

void TForm1::LoadQbpFileExecute() {
    if (!mayReplace(QbpSG)) return;
    FileDialogRequest request;
    request.owner = this;
    request.filter = kPackageFilter;
    request.initialFolder = buttonsFolder();
    const QString chosen = prompts().chooseOpenFiles(request).value(0);
    if (!chosen.isEmpty()) openPackage(chosen);
}

bool TForm1::openPackage(const QString& path) {
    try {
        FillShownRows(*QbpSG, RowsFromLines(palettefile::ReadLines(path), kQbpColumns));
    } catch (const FileError& error) {
        showFileError(error, this);
        return false;
    }
    PackagePath = path;
    setModified(QbpSG, false);
    return true;
}

void TForm1::ShowItemsExecute() {
    const int row = QbpSG->visualRow(QbpSG->currentRow());
    if (row < 0) return;
    const QString relative = ShownCellText(*QbpSG, row, 1);
    if (relative.isEmpty() || !mayReplace(SG)) return;
    const QString path = paths::resolvePath(paths::joinPath(AppFolder(), relative));
    try {
        FillShownRows(*SG, RowsFromLines(palettefile::ReadLines(path), kQbtColumns));
    } catch (const FileError& error) {
        showFileError(error, this);
        return;
    }
    DefinitionPath = path;
    setModified(SG, false);
}

void TForm1::AddItemExecute() {
    if (!CurrentGrid) return;
    CurrentGrid->insertRow(CurrentGrid->rowCount());
    NumberShownRows(*CurrentGrid);
}

// --- Saving --------------------------------------------------------------------

void TForm1::SaveQbtExecute() { saveGrid(SG, kDefinitionFilter, "qbt", paths::fileNamePart(DefinitionPath)); }

void TForm1::SaveQbpExecute() {
    // The package's own name rather than whatever file was saved last.
    const QString saved = saveGrid(QbpSG, kPackageFilter, "qbp", PackagePath.isEmpty() ? saveDialogFile_ : PackagePath);
    if (!saved.isEmpty()) PackagePath = saved;
}

QString TForm1::saveGrid(QTableWidget* grid, const QString& filter, const QString& extension,
                         const QString& fileName) {
    const TGridRows rows = ShownRows(*grid);
    if (const auto cell = FirstUnstorableCell(rows)) {
        const QString heading = grid->horizontalHeaderItem(grid->horizontalHeader()->logicalIndex(cell->column - 1))->text();
        ShowPalettorMessage(PalettorMessage::UnstorableCell, this,
                            {QString::number(cell->row), QString::number(cell->column), heading});
        return {};
    }
    FileDialogRequest request;
    request.owner = this;
    request.filter = filter;
    request.initialFolder = buttonsFolder();
    request.fileName = fileName;
    request.defaultExtension = extension;
    request.overwritePrompt = true;
    const QString path = prompts().chooseSaveFile(request);
    if (path.isEmpty()) return {};
    saveDialogFile_ = path;
    const TGridLines result = LinesFromRows(rows);
    try {
        palettefile::SaveLines(path, result.lines);
    } catch (const FileError& error) {
        showFileError(error, this);
        return {};
    }
    setModified(grid, false);
    if (!result.leftOut.isEmpty()) {
        QStringList numbers;
        for (int row : result.leftOut) numbers.append(QString::number(row));
        ShowPalettorMessage(PalettorMessage::RowsLeftOut, this, {numbers.join(", ")});
    }
    return path;
}

// --- The editor's package ----------------------------------------------------------

void TForm1::UseCurrentQbpClick() {
    if (PackagePath.isEmpty()) {
        ShowPalettorMessage(PalettorMessage::NoPackage, this);
        return;
    }
    TRegIniFile reg(kQuodexKey);
    reg.WriteString(kPackageSection, kPackageValue, PackagePath);
    ShowPalettorMessage(reg.WriteFailed() ? PalettorMessage::RegistryFailed : PalettorMessage::Done, this);
}

// --- Unsaved edits -------------------------------------------------------------

bool TForm1::IsModified(const QTableWidget* grid) const { return grid == QbpSG ? qbpModified_ : qbtModified_; }

void TForm1::setModified(QTableWidget* grid, bool modified) { (grid == QbpSG ? qbpModified_ : qbtModified_) = modified; }

bool TForm1::mayReplace(QTableWidget* grid) {
    if (!IsModified(grid)) return true;
    const bool package = grid == QbpSG;
    switch (ShowPalettorMessage(package ? PalettorMessage::PackageUnsaved : PalettorMessage::DefinitionUnsaved, this)) {
    case IdYes:
        if (package) {
            SaveQbpExecute();
        } else {
            SaveQbtExecute();
        }
        return !IsModified(grid);
    case IdNo:
        return true;
    default:
        return false;
    }
}

bool TForm1::FormCloseQuery() { return mayReplace(QbpSG) && mayReplace(SG); }

void TForm1::closeEvent(QCloseEvent* event) {
    bool closing = false;
    runGuarded([&] { closing = FormCloseQuery(); });
    if (closing)
        event->accept();
    else
        event->ignore();
}
