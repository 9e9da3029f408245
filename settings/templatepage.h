#pragma once
// The page "コードテンプレート" of the settings dialog. It works on its own
// copy of the templates from the dialog's opening to its closing: the names
// in CodeNameListBox, the bodies in Bodies (entry i belongs to item i; a
// damaged template file can leave one list longer, and only bodies whose
// index exists are shown or changed). Only Store and Export write the
// templates to the settings.
#include <QStringList>
#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TTemplatePage : public QWidget {
    Q_OBJECT

public:
    // `regKey`: the settings key the templates live under.
    TTemplatePage(const QString& regKey, QWidget* parent = nullptr);

    QListWidget* CodeNameListBox = nullptr;
    QPlainTextEdit* CodeContentsEdit = nullptr;
    QPushButton* TemplateAddButton = nullptr;
    QPushButton* TemplateEditButton = nullptr;
    QPushButton* TemplateDelButton = nullptr;
    QPushButton* TemplateImportButton = nullptr;
    QPushButton* TemplateExportButton = nullptr;
    // Bodies with CR LF line ends.
    QStringList Bodies;

    QStringList Names() const;
    // Fills the page from the settings.
    void Load();
    // Stores the page's templates in the settings.
    void Store() const;

    void TemplateAddButtonClick();
    void TemplateEditButtonClick();
    void TemplateDelButtonClick();
    void TemplateImportButtonClick();
    void TemplateExportButtonClick();
    void CodeNameListBoxClick();
    void CodeContentsEditChange();

private:
    void buildControls();
    void bind(QPushButton* button, void (TTemplatePage::*handler)());
    // The selected row when a body belongs to it, else -1.
    int selectedBody() const;
    void showBody();
    void selectRow(int row);
    // A template name asked of the user; empty when none was given.
    QString askName(const QString& initial);

    QString regKey_;
    bool showing_ = false;
};
