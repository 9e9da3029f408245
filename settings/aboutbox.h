#pragma once
// TAboutBox, "バージョン情報": the program's icon, name, version and date,
// its makers, and link labels that open exactly the text they show through
// the shell (relative names from the program folder).
#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* LastUpdated = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Label2 = nullptr;  // the help page
    QLabel* Label5 = nullptr;  // the project's README
    QPushButton* OKButton = nullptr;

    // Both web labels: opens the clicked label's own text.
    void Label2Click(QLabel* label);

private:
    QLabel* linkLabel(const char* name, const QString& target);
};
