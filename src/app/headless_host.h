#pragma once

#include <optional>
#include <string>

#include "app/host.h"

namespace krizovky {

// A Host for running the game with nobody to answer: questions get No, file
// dialogs are cancelled, and the text of the last error or failure is kept
// for the caller to report.
class HeadlessHost : public Host {
  public:
    std::optional<std::string> lastFailure;

    void message(std::string_view) override {}
    void error(std::string_view text) override { lastFailure = std::string(text); }
    void failure(std::string_view text) override { lastFailure = std::string(text); }
    bool askYesNo(std::string_view) override { return false; }
    Answer askYesNoCancel(std::string_view) override { return Answer::kNo; }
    bool confirmSolver() override { return false; }
    std::optional<std::string> chooseFile(const FileDialog&) override { return std::nullopt; }
    void repaintSquare(int, int) override {}
    void repaintGauge() override {}
};

}  // namespace krizovky
