#pragma once

#include <optional>
#include <string>

#include "app/host.h"
#include "app/requests.h"

namespace krizovky {

// A Host for running the game with nobody to answer: questions get No, file
// dialogs are cancelled, and the text of the last error or failure is kept
// for the caller to report.
class HeadlessHost : public Host {
  public:
    std::optional<std::string> lastFailure;
    // "Mám dotaz!" answered " jsem trouba" instead of No.
    bool confirmsSolver = false;

    void requestPosted(Requests& requests) override {
        while (const Request* request = requests.pending()) {
            switch (request->kind) {
                case RequestKind::kError:
                case RequestKind::kFailure:
                    lastFailure = request->text;
                    requests.dismiss();
                    break;
                case RequestKind::kFile:
                    requests.answerFile(std::nullopt);
                    break;
                case RequestKind::kSolverQuestion:
                    requests.answer(confirmsSolver ? Answer::kYes : Answer::kNo);
                    break;
                default:
                    requests.answer(Answer::kNo);
                    break;
            }
        }
    }
    void repaintSquare(int, int) override {}
    void repaintGauge() override {}
};

}  // namespace krizovky
