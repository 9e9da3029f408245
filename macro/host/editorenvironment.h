#pragma once
// The macro environment inside the editor: the window keeps handling its
// events during a run (every few milliseconds, not at every statement list,
// which would cost more than the statements), boxes go through the prompt
// service, and Exec and Shell pass the permission gate first.
#include "macro/engine/ppa_environment.h"

#include <QStringList>

#include <chrono>
#include <optional>

class MacroWindow;

namespace ppa {
class TPoorPascal;
}

class TEditorEnvironment final : public ppa::TPPAEnvironment {
public:
    TEditorEnvironment(MacroWindow& window, ppa::TPoorPascal& ppa) : window_(window), ppa_(ppa) {}

    // Lets the window handle its events once the last turn is a few
    // milliseconds ago (longer after a turn that took long itself).
    void ProcessMessages() override;
    // Waits in short turns that handle the window's events; a stop ends it.
    void Sleep(std::uint32_t milliseconds) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) override;
    std::int64_t Shell(const std::string& path, const std::string& parameters) override;
    bool Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) override;

    // Handles the window's events now.
    void ProcessMessagesNow();

private:
    MacroWindow& window_;
    ppa::TPoorPascal& ppa_;
    int callsToClockRead_ = 1;
    std::chrono::steady_clock::time_point nextTurn_{};
};

// Runs `program` to its end with the window disabled, which keeps painting
// and handling its events in the meantime. Nothing when it cannot start.
std::optional<int> WaitForProgram(MacroWindow& window, const QString& program, const QStringList& arguments);
