#include "settings/aboutbox.h"

#include "platform/appfolder.h"
#include "platform/fileerror.h"
#include "platform/prompt.h"
#include "platform/shell.h"
#include "settings/formparts.h"
#include "settings/settingsmessages.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>

namespace {

constexpr int kClientWidth = 329;
constexpr int kClientHeight = 231;
constexpr int kIconSize = 32;

QLabel* textLabel(QWidget* owner, const char* name, const QString& text, const QFont& font) {
    auto* label = named(new QLabel(text, owner), name);
    label->setFont(font);
    return label;
}

// The program's picture: a "Q" on the blue of the help page.
QPixmap programIcon() {
    QPixmap icon(kIconSize, kIconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x35, 0x68, 0x9b));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, kIconSize - 2, kIconSize - 2), 6, 6);
    painter.setPen(Qt::white);
    painter.setFont(formFont(22, true));
    painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, "Q");
    return icon;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutBox");
    setWindowTitle("バージョン情報");
    setFont(formFont(12));
    setFixedSize(kClientWidth, kClientHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(programIcon());
    ProgramIcon->setFixedSize(kIconSize, kIconSize);
    ProductName = textLabel(panel, "ProductName", "Quodex", formFont(21, true));
    Version = textLabel(panel, "Version", "Version 1.0.0.6", formFont(14, true));
    LastUpdated = textLabel(panel, "LastUpdated", "Last Updated 02/06/23", formFont(14, true));
    Copyright = textLabel(panel, "Copyright", "Copyright (C) Quodex developers", font());
    Label2 = linkLabel("Label2", "Quodex.html");
    Label5 = linkLabel("Label5", "README.md");

    auto* heading = new QHBoxLayout;
    heading->addWidget(ProgramIcon, 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    for (QLabel* label : {ProductName, Version, LastUpdated}) names->addWidget(label);
    heading->addLayout(names, 1);
    auto* column = new QVBoxLayout(panel);
    column->addLayout(heading);
    column->addSpacing(6);
    for (QLabel* label : {Copyright, Label2, Label5}) column->addWidget(label);
    column->addStretch();

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* form = new QVBoxLayout(this);
    form->addWidget(panel, 1);
    form->addWidget(OKButton, 0, Qt::AlignHCenter);
}

QLabel* TAboutBox::linkLabel(const char* name, const QString& target) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setText(QString("<a href=\"#\" style=\"color:#0000ff\">%1</a>").arg(target.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    label->setProperty("target", target);
    connect(label, &QLabel::linkActivated, this, [this, label] { runGuarded([&] { Label2Click(label); }); });
    return label;
}

void TAboutBox::Label2Click(QLabel* label) {
    const QString target = label->property("target").toString();
    if (shell().open(target, {}, AppFolder())) return;
    const QString file = AppFolder() + target;
    if (!QFileInfo::exists(file)) throw FileError::fromErrno(FileError::Operation::Open, file, ENOENT);
    ShowSettingsMessage(SettingsMessage::CannotOpen, this, target);
}
