#pragma once
// The prompt service over Qt's message boxes and standard dialogs.
#include "platform/prompt.h"

class QtPrompts final : public PromptService {
public:
    int present(const MessageRequest& request) override;
    QStringList chooseOpenFiles(const FileDialogRequest& request) override;
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseFolder(const QString& title, const QString& initialFolder,
                         QWidget* owner) override;
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial, QWidget* owner) override;
};
