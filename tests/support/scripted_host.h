#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/host.h"
#include "app/requests.h"

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

    // Every request is seen and answered at once, as a player who answers
    // each box as soon as it shows; without answersAtOnce, only when the
    // test calls answerRequests, as a window does after the call.
    bool answersAtOnce = true;
    void requestPosted(Requests& requests) override {
        if (answersAtOnce) answerRequests(requests);
    }
    void answerRequests(Requests& requests) {
        while (const Request* pending = requests.pending()) {
            const Request request = *pending;
            whileShown(request);
            switch (request.kind) {
                case RequestKind::kMessage:
                    messages.push_back(request.text);
                    requests.dismiss();
                    break;
                case RequestKind::kError:
                    errors.push_back(request.text);
                    requests.dismiss();
                    break;
                case RequestKind::kFailure:
                    failures.push_back(request.text);
                    requests.dismiss();
                    break;
                case RequestKind::kYesNo:
                    questions.push_back(request.text);
                    requests.answer(next(answers, false) ? Answer::kYes : Answer::kNo);
                    break;
                case RequestKind::kYesNoCancel:
                    questions.push_back(request.text);
                    requests.answer(next(choices, Answer::kCancel));
                    break;
                case RequestKind::kSolverQuestion:
                    ++solverDialogs;
                    requests.answer(next(confirmations, false) ? Answer::kYes : Answer::kNo);
                    break;
                case RequestKind::kFile:
                    dialogs.push_back(request.dialog);
                    requests.answerFile(next(files, std::optional<std::string>{}));
                    break;
            }
        }
    }
    // Looks at a request while it is shown, before it is answered.
    virtual void whileShown(const Request&) {}

    void repaintSquare(int row, int column) override { repaintedSquares.emplace_back(row, column); }
    void repaintGauge() override { ++gaugeRepaints; }
    std::vector<std::string> clipboard;  // every text put on the clipboard
    void copyToClipboard(std::string_view text) override { clipboard.emplace_back(text); }

  private:
    template <typename T>
    static T next(std::deque<T>& script, T otherwise) {
        if (script.empty()) return otherwise;
        T answer = std::move(script.front());
        script.pop_front();
        return answer;
    }
};

}  // namespace krizovky::testing
