#pragma once
// The macro environment of the command line: message boxes write their text
// to standard error and answer OK, input boxes answer their default, Sleep
// does what it says, and Ctrl+C stops the run. Exec and Shell start programs
// only with permission, as in the editor; without it they write the refusal
// to standard error and stop the run.
#include <string>

#include "macro/engine/poor_pascal.h"

class ConsoleEnvironment : public ppa::TPPAEnvironment {
public:
    ConsoleEnvironment(ppa::TPoorPascal& ppa, bool rawSjis, bool permit)
        : ppa_(ppa), rawSjis_(rawSjis), permit_(permit) {}

    void ProcessMessages() override;
    void Sleep(std::uint32_t milliseconds) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) override;
    std::int64_t Shell(const std::string& path, const std::string& parameters) override;
    bool Exec(const std::string& commandLine, bool wait, std::int64_t& exitCode) override;

private:
    // Without permission: the refusal, then Terminate, which raises.
    void refuseUnlessPermitted();

    ppa::TPoorPascal& ppa_;
    bool rawSjis_;
    bool permit_;
};
