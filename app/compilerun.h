#pragma once
// Run and help: the host program with its run control file, and the two
// help documents. Everything is started through the shell and never waited
// for; nothing is saved first. An empty path in the settings makes its
// command do nothing. The compile, whose output the window shows, is
// TCompileOutput's (output/compileoutput.h).
struct TSettings;

class TCompileRun {
public:
    explicit TCompileRun(const TSettings& settings) : settings_(settings) {}

    // Writes "kioro.rc" beside the host, then starts the host.
    void KioroExecuteExecute();
    void ShowLumHelpExecute();
    void HelpContents1Execute();

private:
    const TSettings& settings_;
};
