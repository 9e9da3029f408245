#pragma once
// Every modal question, notice, error box and file, folder, colour or text
// dialog of the programs goes through prompts(), so tests can answer them.
#include <QColor>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <optional>

class QWidget;

// The button that closed a message box, numbered as the classic message box
// numbers them (the macro MessageBox returns these).
enum DialogResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
    IdTryAgain = 10,
    IdContinue = 11,
};

// Style flags of a classic message box (the MB_* values).
namespace mb {
inline constexpr int Ok = 0x0;
inline constexpr int OkCancel = 0x1;
inline constexpr int AbortRetryIgnore = 0x2;
inline constexpr int YesNoCancel = 0x3;
inline constexpr int YesNo = 0x4;
inline constexpr int RetryCancel = 0x5;
inline constexpr int CancelTryContinue = 0x6;
inline constexpr int IconHand = 0x10;         // error
inline constexpr int IconQuestion = 0x20;
inline constexpr int IconExclamation = 0x30;  // warning
inline constexpr int IconAsterisk = 0x40;     // information
inline constexpr int DefButton2 = 0x100;
inline constexpr int DefButton3 = 0x200;
inline constexpr int DefButton4 = 0x300;
inline constexpr int ButtonsMask = 0xF;
inline constexpr int IconMask = 0xF0;
inline constexpr int DefButtonMask = 0xF00;
}  // namespace mb

enum class PromptKind {
    Question,    // ask()
    Notice,      // inform(), showMessage()
    Error,       // showError()
    MessageBox,  // messageBox() with caller-given flags
    OpenFiles,
    SaveFile,
    Folder,
    Colour,
    Text,
};

struct MessageRequest {
    PromptKind kind = PromptKind::MessageBox;
    QString caption;
    QString text;
    int flags = mb::Ok;  // buttons | icon | default button
    QWidget* owner = nullptr;

    int buttons() const { return flags & mb::ButtonsMask; }
    int icon() const { return flags & mb::IconMask; }
};

struct FileDialogRequest {
    QWidget* owner = nullptr;
    QString title;             // empty: the platform's own title
    QString filter;            // "text|mask;mask|text|mask", may be empty
    int filterIndex = 1;       // 1-based, as the filter lists them
    QString initialFolder;
    QString fileName;
    QString defaultExtension;  // without the dot, e.g. "lum"
    bool multiSelect = false;      // open dialog: several files
    bool overwritePrompt = false;  // save dialog: ask before replacing
};

class PromptService {
public:
    virtual ~PromptService() = default;

    // A message box; returns the DialogResult of the button pressed
    // (IdCancel when it was closed otherwise).
    virtual int present(const MessageRequest& request) = 0;
    // The chosen files, in the dialog's order; empty when cancelled.
    virtual QStringList chooseOpenFiles(const FileDialogRequest& request) = 0;
    // The chosen file; empty when cancelled.
    virtual QString chooseSaveFile(const FileDialogRequest& request) = 0;
    // The chosen folder without a trailing "/"; empty when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& initialFolder,
                                 QWidget* owner = nullptr) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner = nullptr) = 0;
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& initial, QWidget* owner = nullptr) = 0;

    // A question: `buttons` mb::YesNo or mb::YesNoCancel (any button set
    // works), `icon` an mb::Icon* flag. Returns the DialogResult.
    int ask(const QString& caption, const QString& text, int buttons = mb::YesNo,
            int icon = mb::IconQuestion, QWidget* owner = nullptr);
    // A notice with an OK button.
    void inform(const QString& caption, const QString& text, int icon = mb::IconAsterisk,
                QWidget* owner = nullptr);
    // A notice captioned with the application's title.
    void showMessage(const QString& text, QWidget* owner = nullptr);
    // The application's error box: the application's title, an error icon.
    void showError(const QString& message, QWidget* owner = nullptr);
    // A message box styled by classic MB_* flags.
    int messageBox(const QString& text, const QString& caption, int flags,
                   QWidget* owner = nullptr);
};

// The service in use: the Qt one unless another was installed.
PromptService& prompts();

// Puts `service` in place (not owned; nullptr returns to the Qt one) and
// returns the one it replaces.
PromptService* installPrompts(PromptService* service);

class ScopedPromptService {
public:
    explicit ScopedPromptService(PromptService* service) : previous_(installPrompts(service)) {}
    ~ScopedPromptService() { installPrompts(previous_); }
    ScopedPromptService(const ScopedPromptService&) = delete;
    ScopedPromptService& operator=(const ScopedPromptService&) = delete;

private:
    PromptService* previous_;
};

// The application's title, the caption of its error box and notices.
QString applicationTitle();

// The text of an exception: UTF-8, or Shift-JIS bytes when it is not UTF-8.
QString exceptionText(const std::exception& error);

// Runs `action`; an exception it throws is shown in the application's error
// box instead of travelling on (into a Qt event handler, say). True when the
// action ended normally.
bool runGuarded(const std::function<void()>& action);

// "Lumira(*.lum)|*.lum|全て(*.*)|*.*" as Qt name filters:
// "Lumira(*.lum) (*.lum)", "全て(*.*) (*)". "*.*" becomes "*" (every file, as
// on Windows); a text without masks after it is dropped.
QStringList qtNameFilters(const QString& filter);

// The extension a save dialog gives a name typed without one while the Qt
// name filter `nameFilter` is chosen: that of its first mask ("lum" for
// "Lumira(*.lum;*.Lumira) (*.lum *.Lumira)"); empty for "*" and wildcards.
QString defaultSuffixOf(const QString& nameFilter);
