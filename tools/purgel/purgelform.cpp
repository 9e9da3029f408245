#include "tools/purgel/purgelform.h"

#include "platform/appfolder.h"
#include "platform/fileerror.h"
#include "platform/prompt.h"
#include "platform/regini.h"
#include "platform/textfile.h"
#include "tools/purgel/inifile.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

QStringList settingsFileLines()
{
    try {
        return textfile::readLines(AppFolder() + QStringLiteral("reg.ini"));
    } catch (const FileError&) {
        return {};  // a missing or unreadable file names nothing
    }
}

}  // namespace

TPurgelForm::TPurgelForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Label1(new QLabel(this)),
      Button1(new QPushButton(QStringLiteral("削除"), this))
{
    setObjectName(QStringLiteral("PurgelForm"));
    setWindowTitle(QStringLiteral("Purgel"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(270, 105);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(40, 24);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(32, 56, 209, 33);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded([this] { Button1Click(); }); });
    centreOnScreen();
}

void TPurgelForm::centreOnScreen()
{
    const QRect screenArea = screen()->geometry();
    move(screenArea.center() - rect().center());
}

void TPurgelForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        runGuarded([this] { FormShow(); });
}

void TPurgelForm::FormShow()
{
    const QStringList lines = settingsFileLines();
    Name = readIniString(lines, QStringLiteral("Settings"), QStringLiteral("Name"));
    Key = readIniString(lines, QStringLiteral("Settings"), QStringLiteral("Key"));
    if (Name.isEmpty() || Key.isEmpty())
        Label1->setText(QStringLiteral("設定ファイルが読み込めませんでした"));
    else
        Label1->setText(Name + QStringLiteral(" のレジストリ情報を消去します"));
    Label1->adjustSize();
}

void TPurgelForm::Button1Click()
{
    if (Name.isEmpty() || Key.isEmpty())
        return;
    TRegIniFile(QStringLiteral("Software\\Telsor")).DeleteKey(Key);
    prompts().inform(windowTitle(), QStringLiteral("消去しました"), mb::IconAsterisk, this);
}
