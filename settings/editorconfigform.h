#pragma once
// TEditorConfigForm, the editor appearance window: only the settings frame,
// which closes it through 保存 or キャンセル. Focus starts on the font list.
#include <QDialog>

class TFrame1;

class TEditorConfigForm : public QDialog {
    Q_OBJECT

public:
    explicit TEditorConfigForm(QWidget* owner);

    TFrame1* EdSetFrm = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
