#include "app/requests.h"

#include <algorithm>
#include <utility>

namespace krizovky {

void Requests::post(RequestKind kind, std::string_view text) {
    Waiting waiting;
    waiting.request.kind = kind;
    waiting.request.text = std::string(text);
    post(std::move(waiting));
}

void Requests::post(Waiting waiting) {
    queue_.push_back(std::move(waiting));
    host_.requestPosted(*this);
}

void Requests::askYesNo(std::string_view text, std::function<void(bool yes)> then) {
    Waiting waiting;
    waiting.request.kind = RequestKind::kYesNo;
    waiting.request.text = std::string(text);
    waiting.answered = [then = std::move(then)](Answer answer) { then(answer == Answer::kYes); };
    post(std::move(waiting));
}

void Requests::askYesNoCancel(std::string_view text, std::function<void(Answer)> then) {
    Waiting waiting;
    waiting.request.kind = RequestKind::kYesNoCancel;
    waiting.request.text = std::string(text);
    waiting.answered = std::move(then);
    post(std::move(waiting));
}

void Requests::confirmSolver(std::function<void(bool confirmed)> then) {
    Waiting waiting;
    waiting.request.kind = RequestKind::kSolverQuestion;
    waiting.answered = [then = std::move(then)](Answer answer) { then(answer == Answer::kYes); };
    post(std::move(waiting));
}

void Requests::chooseFile(const FileDialog& dialog,
                          std::function<void(const std::optional<std::string>& path)> then) {
    Waiting waiting;
    waiting.request.kind = RequestKind::kFile;
    waiting.request.dialog = dialog;
    waiting.chosen = std::move(then);
    post(std::move(waiting));
}

bool Requests::awaitingAnswer() const {
    return std::any_of(queue_.begin(), queue_.end(),
                       [](const Waiting& waiting) { return waiting.request.awaitsAnswer(); });
}

Requests::Waiting Requests::take() {
    Waiting shown = std::move(queue_.front());
    queue_.pop_front();
    return shown;
}

void Requests::answer(Answer answer) {
    if (queue_.empty()) return;
    Waiting shown = take();
    if (shown.answered) shown.answered(answer);
    if (shown.chosen) shown.chosen(std::nullopt);
}

void Requests::answerFile(const std::optional<std::string>& path) {
    if (queue_.empty()) return;
    Waiting shown = take();
    if (shown.chosen) shown.chosen(path);
    if (shown.answered) shown.answered(Answer::kCancel);
}

}  // namespace krizovky
