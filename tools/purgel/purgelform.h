#pragma once
// Purgel's only window: it names the settings it is about to erase, and its
// one button erases them.
#include <QWidget>

class QLabel;
class QPushButton;

class TPurgelForm : public QWidget {
    Q_OBJECT
public:
    explicit TPurgelForm(QWidget* parent = nullptr);

    // Reads "reg.ini" beside the program and says what the button erases.
    void FormShow();
    // Erases the subkey Key of "Software\Telsor" with everything below it.
    void Button1Click();

    const QString& name() const { return Name; }
    const QString& key() const { return Key; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void centreOnScreen();

    QLabel* Label1;
    QPushButton* Button1;
    QString Name;
    QString Key;
};
