#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/host.h"

namespace krizovky::testing {

// A Host that records every box and answers questions and file dialogs from a
// script given by the test.
class ScriptedHost : public Host {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> failures;
    std::vector<std::string> questions;
    std::vector<FileDialog> dialogs;
    std::deque<bool> answers;                      // for askYesNo; No when empty
    std::deque<Answer> choices;                    // for askYesNoCancel; Cancel when empty
    std::deque<std::optional<std::string>> files;  // for chooseFile; cancel when empty
    std::deque<bool> confirmations;                // for confirmSolver; "byl to omyl" when empty
    int solverDialogs = 0;
    int gaugeRepaints = 0;
    std::vector<std::pair<int, int>> repaintedSquares;

    void message(std::string_view text) override { messages.emplace_back(text); }
    void error(std::string_view text) override { errors.emplace_back(text); }
    void failure(std::string_view text) override { failures.emplace_back(text); }
    bool askYesNo(std::string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Answer askYesNoCancel(std::string_view text) override {
        questions.emplace_back(text);
        if (choices.empty()) return Answer::kCancel;
        Answer answer = choices.front();
        choices.pop_front();
        return answer;
    }
    bool confirmSolver() override {
        ++solverDialogs;
        if (confirmations.empty()) return false;
        bool answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }
    std::optional<std::string> chooseFile(const FileDialog& dialog) override {
        dialogs.push_back(dialog);
        if (files.empty()) return std::nullopt;
        auto file = files.front();
        files.pop_front();
        return file;
    }
    void repaintSquare(int row, int column) override { repaintedSquares.emplace_back(row, column); }
    void repaintGauge() override { ++gaugeRepaints; }
    std::vector<std::string> clipboard;  // every text put on the clipboard
    void copyToClipboard(std::string_view text) override { clipboard.emplace_back(text); }
};

}  // namespace krizovky::testing
