#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/requests.h"
#include "model/storage.h"

namespace krizovky {

// What the task text editor shows: the window's visibility and the lines of
// its text field, as Windows-1250 bytes.
struct TextEditorScreen {
    bool visible = false;
    std::vector<std::string> lines;
    // Goes up with every load from the file: the window puts the lines into
    // its text field only then, so a redraw never moves the player's cursor.
    int loads = 0;
};

// The task text editor: the whole current task file as text, written back as
// the player typed it. The file is read every time the editor becomes the
// active window; leaving it with changes not yet saved asks whether to save
// them. The file keeps its Windows-1250 bytes and CR LF line ends whatever
// the window does with line ends.
class TaskTextEditor {
  public:
    // saved runs after every successful save (the task list reads the file
    // again, so changed names show at once).
    TaskTextEditor(Requests& requests, Storage& storage, std::function<void()> saved)
        : requests_(requests), storage_(storage), saved_(std::move(saved)) {}

    // "&Text": shows the editor for the task file at path when a file exists
    // there; otherwise nothing happens.
    void open(Place place, const std::string& path);

    // The editor became the active window: the text is the file's once more.
    // Nothing happens while it is active already.
    void activate();
    // The editor stopped being the active window, also on closing: changes
    // not yet saved bring the question. The editor's own boxes do not count
    // as leaving it. When the player asks to save and the save fails, the
    // editor keeps its changes and stays active.
    void deactivate();
    // The player changed the text; lines separated by LF (a CR before the LF
    // is dropped).
    void changeText(std::string_view text);
    // The save button: the text replaces the file. False, with the system's
    // text shown, when the file cannot be written; it is then as it was.
    bool save();
    // "OK" and the window's close button: leaves the editor and hides it.
    void leave();

    const TextEditorScreen& screen() const { return screen_; }
    const std::string& path() const { return path_; }
    bool modified() const { return modified_; }
    bool active() const { return active_; }

    // The question when leaving with changes not yet saved.
    static std::string unsavedQuestion();
    // The file's bytes for the lines: every line ended by CR LF.
    static std::string fileBytes(const std::vector<std::string>& lines);
    // The lines of the text field's text; an empty text has none.
    static std::vector<std::string> textLines(std::string_view text);

  private:
    void load();
    bool writeFile();
    // deactivate, then then(false) when the save the player asked for
    // failed, then(true) otherwise.
    void stopEditing(const std::function<void(bool left)>& then);

    Requests& requests_;
    Storage& storage_;
    Place place_ = Place::kChosen;
    std::function<void()> saved_;
    TextEditorScreen screen_;
    std::string path_;
    bool modified_ = false;
    bool active_ = false;
};

}  // namespace krizovky
