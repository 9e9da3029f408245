#pragma once
// What the engine needs of the operating system and the user interface. The
// owner supplies an implementation; the default does nothing, which suits
// tests and batch runs.
#include <cstdint>
#include <string>

namespace ppa {

class TPPAEnvironment {
public:
    virtual ~TPPAEnvironment() = default;

    // Called at the start of every statement list and by the built-in
    // ProcessMessages; a stop command handled here calls Terminate.
    virtual void ProcessMessages() {}

    virtual void Sleep(std::uint32_t milliseconds) { (void)milliseconds; }

    // Returns the text entered, or `defaultText` when cancelled.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) {
        (void)caption;
        (void)prompt;
        return defaultText;
    }

    // Returns the identifier of the button pressed (0: no box was shown).
    virtual std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) {
        (void)text;
        (void)caption;
        (void)flags;
        return 0;
    }

    // Asks the desktop to open `path` with `parameters`; above 32 means success.
    virtual std::int64_t Shell(const std::string& path, const std::string& parameters) {
        (void)path;
        (void)parameters;
        return 0;
    }

    // Starts `commandLine` ("path" in double quotes, a space, the parameters).
    // Returns false when the process could not be created; when `wait` is set,
    // waits for it and stores its exit code.
    virtual bool Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) {
        (void)commandLine;
        (void)wait;
        (void)exitCode;
        return false;
    }
};

}  // namespace ppa
