#include "settings/inputform.h"

#include "settings/formparts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 75;
constexpr int kFontPixels = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMargin = 8;

QPushButton* cornerButton(QWidget* owner, const char* name, const QString& caption, int fromRight) {
    auto* button = named(new QPushButton(caption, owner), name);
    button->setGeometry(kClientWidth - kMargin - fromRight * (kButtonWidth + 6) - kButtonWidth,
                        kClientHeight - kMargin + 4 - kButtonHeight, kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

TInputForm::TInputForm(QWidget* owner, const QString& prompt, const QString& caption, QString& text)
    : QDialog(owner), text_(text), caption_(caption) {
    setObjectName("InputForm");
    setWindowTitle("入力");
    setFont(formFont(kFontPixels));
    setFixedSize(kClientWidth, kClientHeight);

    Label = named(new QLabel(prompt, this), "Label");
    Label->setGeometry(kMargin, kMargin - 2, 250, 16);
    Edit1 = named(new QLineEdit(text, this), "Edit1");
    Edit1->setGeometry(kMargin, 24, 297, 21);
    Label->setBuddy(Edit1);
    Button1 = cornerButton(this, "Button1", "OK", 1);
    Button1->setDefault(true);
    Button2 = cornerButton(this, "Button2", "キャンセル", 0);
    connect(Button1, &QPushButton::clicked, this, &TInputForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TInputForm::Button2Click);
}

void TInputForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(caption_);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TInputForm::keyPressEvent(QKeyEvent* event) {
    // Esc is the cancel button's key; the close box alone leaves the text.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TInputForm::Button1Click() {
    text_ = Edit1->text();
    accept();
}

void TInputForm::Button2Click() {
    text_.clear();
    cancelled_ = true;
    reject();
}

std::optional<QString> InputFormPrompts::inputText(const QString& caption, const QString& prompt,
                                                   const QString& initial, QWidget* owner) {
    QString text = initial;
    TInputForm form(owner, prompt, caption, text);
    form.exec();
    if (form.Cancelled()) return std::nullopt;
    return text;
}
