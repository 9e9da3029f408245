#pragma once
// A captioned group of radio buttons, one of which is the chosen item.
// `itemClicked` comes only from the user's choice, never from SetItemIndex.
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    // Items laid out in `columns` columns, filled row by row.
    TRadioGroup(const QString& caption, const QStringList& items, int columns = 1, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return buttons_.value(index); }

signals:
    void itemClicked(int index);

private:
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};
