#pragma once
// An up-down control bound to an edit: its arrows (and the Up and Down keys
// in the edit) step the number in the edit by one, within Min..Max, without
// wrapping. The edit stays free text; a text that is no number steps from
// the last position.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT

public:
    TUpDown(QLineEdit* associate, QWidget* parent = nullptr);

    int Min = 0;
    int Max = 9999;
    int Position() const { return position_; }
    // Clamped to Min..Max; the edit shows the new position.
    void SetPosition(int position);
    void Step(int delta);

    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate_;
    int position_ = 0;
};
