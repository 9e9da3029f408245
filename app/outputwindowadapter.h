#pragma once
// The main window as the compile's output sees it: an error's place is
// shown in the document of its file.
#include "output/outputwindow.h"

class TMF;

class TOutputWindowAdapter final : public OutputWindow {
public:
    explicit TOutputWindowAdapter(TMF& window) : window_(window) {}

    void ShowPlace(const QString& file, int line, int col) override;

private:
    TMF& window_;
};
