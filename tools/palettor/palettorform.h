#pragma once
// Palettor's window: the package grid QbpSG above the definition grid SG,
// each row one line of its file and each column one field, counted as the
// grid shows them (a column dragged elsewhere is saved as the field of its
// new place). It opens and saves the two kinds of palette file and tells the
// editor which package to use.
#include <QMainWindow>

class QAction;
class QMenu;
class QSplitter;
class QTableWidget;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // `packageFile`, when given, is opened as the window is first shown.
    explicit TForm1(const QString& packageFile = {}, QWidget* parent = nullptr);

    void FormShow();
    void LoadQbpFileExecute();
    void SaveQbpExecute();
    void SaveQbtExecute();
    void ShowItemsExecute();
    void AddItemExecute();
    // "Quodexで現在のqbpを使う(&U)": the package the editor reads at its start.
    void UseCurrentQbpClick();
    void SGEnter();
    void QbpSGEnter();
    // The close request: false keeps the window open.
    bool FormCloseQuery();

    QTableWidget* QbpSG = nullptr;
    QTableWidget* SG = nullptr;
    QSplitter* Splitter1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    QAction* LoadQbpFile = nullptr;
    QAction* SaveQbp = nullptr;
    QAction* SaveQbt = nullptr;
    QAction* ShowItems = nullptr;
    QAction* AddItem = nullptr;
    QAction* UseCurrentQbp = nullptr;
    QAction* Close1 = nullptr;

    QString PackagePath;
    QString DefinitionPath;
    QTableWidget* CurrentGrid = nullptr;

    // Whether the grid holds edits that were not saved.
    bool IsModified(const QTableWidget* grid) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void buildMenus();
    void buildGrids();
    QTableWidget* makeGrid(const char* name, const QList<int>& widths);
    // Opens the package file into QbpSG; false when it could not be read.
    bool openPackage(const QString& path);
    // Asks about unsaved edits in `grid` before they go; false to stop.
    bool mayReplace(QTableWidget* grid);
    // Saves `grid` to a file the user chooses; the file, or empty when
    // nothing was saved.
    QString saveGrid(QTableWidget* grid, const QString& filter, const QString& extension,
                     const QString& fileName);
    void setModified(QTableWidget* grid, bool modified);
    QString buttonsFolder() const;

    QString packageToOpen_;
    QString saveDialogFile_;  // the file name the save dialog last held
    bool shown_ = false;
    bool qbpModified_ = false;
    bool qbtModified_ = false;
};
