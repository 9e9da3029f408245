#pragma once
// The macro environment of the command line: message boxes write their text
// to standard error and answer OK, input boxes answer their default, Sleep,
// Exec and Shell do what they say, and Ctrl+C stops the run.
#include <string>

#include "macro/engine/poor_pascal.h"

class ConsoleEnvironment : public ppa::TPPAEnvironment {
public:
    ConsoleEnvironment(ppa::TPoorPascal& ppa, bool rawSjis) : ppa_(ppa), rawSjis_(rawSjis) {}

    void ProcessMessages() override;
    void Sleep(std::uint32_t milliseconds) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) override;
    std::int64_t Shell(const std::string& path, const std::string& parameters) override;
    bool Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) override;

private:
    ppa::TPoorPascal& ppa_;
    bool rawSjis_;
};

// The bytes a macro prints: UTF-8 converted from Shift-JIS, or the Shift-JIS
// bytes themselves.
std::string consoleText(const std::string& sjis, bool rawSjis);
