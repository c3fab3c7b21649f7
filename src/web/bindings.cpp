// The core as the web page's JavaScript sees it (embind): WebGame for the
// page, TaskWorkshop for its worker.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "web/task_workshop.h"
#include "web/web_game.h"

namespace krizovky {
namespace {

using emscripten::val;

// The bytes of a Uint8Array.
std::string bytesOf(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val view(emscripten::typed_memory_view(bytes.size(),
                                           reinterpret_cast<unsigned char*>(bytes.data())));
    view.call<void>("set", array);
    return bytes;
}

// A Uint8Array of its own holding the bytes.
val arrayOf(const std::string& bytes) {
    val view(emscripten::typed_memory_view(bytes.size(),
                                           reinterpret_cast<const unsigned char*>(bytes.data())));
    return view.call<val>("slice");
}

// The page's handlers: an object with copyToClipboard(text) and
// startMaking(id, request).
class PageHandlers : public WebPage {
  public:
    explicit PageHandlers(val handlers) : handlers_(std::move(handlers)) {}
    void copyToClipboard(std::string_view text) override {
        handlers_.call<void>("copyToClipboard", std::string(text));
    }
    void startMaking(int id, const std::string& request) override {
        handlers_.call<void>("startMaking", id, request);
    }

  private:
    val handlers_;
};

// One game of the page, with the page's handlers and its localStorage.
class PageGame {
  public:
    explicit PageGame(val handlers) : page_(std::move(handlers)), game_(page_, items_) {}

    void putShipped(const std::string& name, const val& bytes) {
        game_.putShipped(name, bytesOf(bytes));
    }
    void start(const std::string& address) { game_.start(address); }
    void openLink(const std::string& link) { game_.openLink(link); }
    std::string screen() const { return game_.screen(); }
    std::string results() { return game_.results(); }
    std::string rules() const { return game_.rules(); }
    std::string combinations() const { return game_.combinations(); }
    // act(name), act(name, a) and act(name, a, b): embind tells overloads
    // by their number of arguments.
    bool act(const std::string& action) { return game_.act(action); }
    bool act1(const std::string& action, int a) { return game_.act(action, a); }
    bool act2(const std::string& action, int a, int b) { return game_.act(action, a, b); }
    bool key(const std::string& name) { return game_.key(name); }
    bool setText(const std::string& field, const std::string& text) {
        return game_.setText(field, text);
    }
    bool answer(const std::string& answer) { return game_.answer(answer); }
    void answerFile(const val& name) {
        if (name.isString())
            game_.answerFile(name.as<std::string>());
        else
            game_.answerFile(std::nullopt);
    }
    void putChosen(const std::string& name, const val& bytes) {
        game_.putChosen(name, bytesOf(bytes));
    }
    val takeDownload() {
        const auto download = game_.takeDownload();
        if (!download) return val::null();
        val out = val::object();
        out.set("name", download->name);
        out.set("bytes", arrayOf(download->bytes));
        return out;
    }
    int advance() { return game_.advance(); }
    bool tick() { return game_.tick(); }
    void makingDone(int id, const std::string& made) { game_.makingDone(id, made); }
    void setHidden(bool hidden) { game_.setHidden(hidden); }
    void setSystemDark(bool dark) { game_.setSystemDark(dark); }

  private:
    PageHandlers page_;
    LocalStorageItems items_;
    WebGame game_;
};

class PageWorkshop {
  public:
    PageWorkshop(const val& combinations, const val& structures)
        : workshop_(bytesOf(combinations), bytesOf(structures)) {}
    std::string make(const std::string& request) const { return workshop_.make(request); }

  private:
    TaskWorkshop workshop_;
};

}  // namespace
}  // namespace krizovky

EMSCRIPTEN_BINDINGS(krizovky_core) {
    using krizovky::PageGame;
    using krizovky::PageWorkshop;
    emscripten::class_<PageGame>("WebGame")
        .constructor<emscripten::val>()
        .function("putShipped", &PageGame::putShipped)
        .function("start", &PageGame::start)
        .function("openLink", &PageGame::openLink)
        .function("screen", &PageGame::screen)
        .function("results", &PageGame::results)
        .function("rules", &PageGame::rules)
        .function("combinations", &PageGame::combinations)
        .function("act", emscripten::select_overload<bool(const std::string&)>(&PageGame::act))
        .function("act", &PageGame::act1)
        .function("act", &PageGame::act2)
        .function("key", &PageGame::key)
        .function("setText", &PageGame::setText)
        .function("answer", &PageGame::answer)
        .function("answerFile", &PageGame::answerFile)
        .function("putChosen", &PageGame::putChosen)
        .function("takeDownload", &PageGame::takeDownload)
        .function("advance", &PageGame::advance)
        .function("tick", &PageGame::tick)
        .function("makingDone", &PageGame::makingDone)
        .function("setHidden", &PageGame::setHidden)
        .function("setSystemDark", &PageGame::setSystemDark);
    emscripten::class_<PageWorkshop>("TaskWorkshop")
        .constructor<emscripten::val, emscripten::val>()
        .function("make", &PageWorkshop::make);
}
