#include "platform/qtprompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

struct ButtonChoice {
    int result;
    const char* text;  // UTF-8
};

// The buttons of each MB_* button set, in the classic order and wording.
std::vector<ButtonChoice> buttonsOf(int buttons)
{
    switch (buttons) {
    case mb::OkCancel:
        return {{IdOk, "OK"}, {IdCancel, "キャンセル"}};
    case mb::AbortRetryIgnore:
        return {{IdAbort, "中止(&A)"}, {IdRetry, "再試行(&R)"}, {IdIgnore, "無視(&I)"}};
    case mb::YesNoCancel:
        return {{IdYes, "はい(&Y)"}, {IdNo, "いいえ(&N)"}, {IdCancel, "キャンセル"}};
    case mb::YesNo:
        return {{IdYes, "はい(&Y)"}, {IdNo, "いいえ(&N)"}};
    case mb::RetryCancel:
        return {{IdRetry, "再試行(&R)"}, {IdCancel, "キャンセル"}};
    case mb::CancelTryContinue:
        return {{IdCancel, "キャンセル"}, {IdTryAgain, "再試行(&T)"}, {IdContinue, "続行(&C)"}};
    default:
        return {{IdOk, "OK"}};
    }
}

QMessageBox::Icon iconOf(int icon)
{
    switch (icon) {
    case mb::IconHand:
        return QMessageBox::Critical;
    case mb::IconQuestion:
        return QMessageBox::Question;
    case mb::IconExclamation:
        return QMessageBox::Warning;
    case mb::IconAsterisk:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole roleOf(int result)
{
    switch (result) {
    case IdOk:
    case IdYes:
    case IdRetry:
    case IdTryAgain:
    case IdContinue:
        return QMessageBox::AcceptRole;
    case IdNo:
        return QMessageBox::NoRole;
    case IdCancel:
    case IdAbort:
        return QMessageBox::RejectRole;
    default:
        return QMessageBox::ActionRole;
    }
}

constexpr QSize kFileDialogSize(760, 460);

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The filter texts already name their masks, as the classic dialog shows them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size()
                              ? request.filterIndex - 1
                              : 0;
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setDefaultSuffix(request.defaultExtension);
    // Wide enough that the size and date columns read in full, and those
    // columns as wide as what they show once the folder is read.
    dialog.resize(dialog.sizeHint().expandedTo(kFileDialogSize));
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = details ? qobject_cast<QFileSystemModel*>(details->model()) : nullptr;
    if (model) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, details, [details] {
            for (int column = 1; column < details->header()->count(); ++column)
                details->resizeColumnToContents(column);
        });
    }
}

// A name typed without an extension takes that of the filter chosen.
void followChosenFilter(QFileDialog& dialog)
{
    // The filter comes as shown, its masks cut off: find it whole.
    const auto follow = [&dialog](const QString& shown) {
        for (const QString& filter : dialog.nameFilters()) {
            if (filter == shown || filter.startsWith(shown + QLatin1String(" ("))) {
                dialog.setDefaultSuffix(defaultSuffixOf(filter));
                return;
            }
        }
    };
    if (!dialog.nameFilters().isEmpty())
        follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

}  // namespace

int QtPrompts::present(const MessageRequest& request)
{
    QMessageBox box(request.owner);
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    box.setIcon(iconOf(request.icon()));
    std::vector<std::pair<QAbstractButton*, int>> results;
    for (const ButtonChoice& choice : buttonsOf(request.buttons())) {
        QPushButton* button = box.addButton(QString::fromUtf8(choice.text), roleOf(choice.result));
        results.emplace_back(button, choice.result);
        if (choice.result == IdCancel || (results.size() == 1 && request.buttons() == mb::Ok))
            box.setEscapeButton(button);
    }
    const std::size_t defaultIndex = static_cast<std::size_t>((request.flags & mb::DefButtonMask) >> 8);
    box.setDefaultButton(
        static_cast<QPushButton*>(results[defaultIndex < results.size() ? defaultIndex : 0].first));
    box.exec();
    // Closed without a button: as if its escape button had been pressed.
    QAbstractButton* pressed = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    for (const auto& [button, result] : results) {
        if (pressed == button)
            return result;
    }
    return IdCancel;
}

QStringList QtPrompts::chooseOpenFiles(const FileDialogRequest& request)
{
    QFileDialog dialog(request.owner, request.title);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtPrompts::chooseSaveFile(const FileDialogRequest& request)
{
    QFileDialog dialog(request.owner, request.title);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    followChosenFilter(dialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::chooseFolder(const QString& title, const QString& initialFolder, QWidget* owner)
{
    return QFileDialog::getExistingDirectory(
        owner, title, initialFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

std::optional<QColor> QtPrompts::chooseColour(const QColor& initial, QWidget* owner)
{
    const QColor colour =
        QColorDialog::getColor(initial, owner, QString(), QColorDialog::DontUseNativeDialog);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<QString> QtPrompts::inputText(const QString& caption, const QString& prompt,
                                            const QString& initial, QWidget* owner)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
