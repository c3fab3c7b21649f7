#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/host.h"

namespace krizovky {

// What the core waits for the player to see or answer: a box with OK, a
// question, "Mám dotaz!" or a file dialog.
enum class RequestKind : std::uint8_t {
    kMessage,         // a plain box with OK
    kError,           // caption "Error", error symbol, OK
    kFailure,         // a failed operation, with the system's text ("File not found")
    kYesNo,           // Yes and No
    kYesNoCancel,     // Yes, No and Cancel; Escape or closing the box cancels
    kSolverQuestion,  // "Mám dotaz!": Yes for " jsem trouba", No for "byl to omyl"
    kFile,            // a file dialog
};

struct Request {
    RequestKind kind = RequestKind::kMessage;
    std::string text;   // UTF-8; empty for "Mám dotaz!" and a file dialog
    FileDialog dialog;  // kFile
    // A question or a file dialog: an operation waits for its answer.
    bool awaitsAnswer() const { return kind >= RequestKind::kYesNo; }
};

// The requests of the core, oldest first, which the front-end shows one at a
// time. An operation that needs an answer leaves its question here with what
// is to follow, and returns; the answer runs the rest of the operation. A
// message needs no answer: the operation goes on, and the message waits to
// be seen in its turn, so the boxes come in the order the operations made
// them. The host hears of every new request, after it is in the queue; it
// may answer it there and then (a script) or after the call that made it
// returned (a window).
class Requests {
  public:
    explicit Requests(Host& host) : host_(host) {}
    Requests(const Requests&) = delete;
    Requests& operator=(const Requests&) = delete;

    void message(std::string_view text) { post(RequestKind::kMessage, text); }
    void error(std::string_view text) { post(RequestKind::kError, text); }
    void failure(std::string_view text) { post(RequestKind::kFailure, text); }
    void askYesNo(std::string_view text, std::function<void(bool yes)> then);
    void askYesNoCancel(std::string_view text, std::function<void(Answer)> then);
    void confirmSolver(std::function<void(bool confirmed)> then);
    void chooseFile(const FileDialog& dialog,
                    std::function<void(const std::optional<std::string>& path)> then);

    // The request to show now; nullptr when nothing waits.
    const Request* pending() const { return queue_.empty() ? nullptr : &queue_.front().request; }
    // A question or file dialog is among the requests: its operation has
    // not ended yet, and nothing that would change the board may run.
    bool awaitingAnswer() const;

    // The player's answer to the request shown. A box with OK takes any
    // answer as its OK; a question of Yes and No takes Cancel as No, as
    // closing the box does; a file dialog answered so is cancelled.
    void answer(Answer answer);
    // The file chosen in the dialog shown, or none for its cancel; any other
    // request takes it as a Cancel.
    void answerFile(const std::optional<std::string>& path);
    // OK of a box, Escape or the close box of any request.
    void dismiss() { answer(Answer::kCancel); }

  private:
    struct Waiting {
        Request request;
        std::function<void(Answer)> answered;
        std::function<void(const std::optional<std::string>&)> chosen;
    };
    void post(RequestKind kind, std::string_view text);
    void post(Waiting waiting);
    // Takes the request shown off the queue, so that what its answer runs
    // may make new requests.
    Waiting take();

    Host& host_;
    std::deque<Waiting> queue_;
};

}  // namespace krizovky
