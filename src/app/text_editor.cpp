#include "app/text_editor.h"

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

// Marks one of the editor's own boxes as open while it is: the box takes the
// activation from the editor, which is no leaving of it.
class BoxShown {
  public:
    explicit BoxShown(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~BoxShown() { flag_ = before_; }
    BoxShown(const BoxShown&) = delete;
    BoxShown& operator=(const BoxShown&) = delete;

  private:
    bool& flag_;
    bool before_;
};

}  // namespace

void TaskTextEditor::open(const std::string& path) {
    if (path.empty() || !fileExists(path)) return;
    path_ = path;
    screen_.visible = true;
}

void TaskTextEditor::activate() {
    if (active_ || !screen_.visible) return;
    active_ = true;
    load();
}

bool TaskTextEditor::deactivate() {
    if (!active_ || boxShown_) return true;
    active_ = false;
    if (!modified_) return true;
    BoxShown shown(boxShown_);
    if (!host_.askYesNo(unsavedQuestion())) {
        modified_ = false;  // the next activation reads the file again, without the changes
        return true;
    }
    if (writeFile()) return true;
    // The save the player asked for failed: the changes stay in the editor,
    // which is not read again, so nothing typed is lost.
    active_ = true;
    return false;
}

void TaskTextEditor::changeText(std::string_view text) {
    screen_.lines = textLines(text);
    modified_ = true;
}

bool TaskTextEditor::save() {
    if (!screen_.visible) return false;
    return writeFile();
}

void TaskTextEditor::leave() {
    if (!deactivate()) return;  // stays open with its unsaved changes
    active_ = false;
    screen_.visible = false;
}

void TaskTextEditor::load() {
    std::string bytes;
    try {
        bytes = readTaskFile(path_);
    } catch (const RunError& e) {
        // The text stays as it was shown.
        BoxShown shown(boxShown_);
        host_.failure(e.what());
        return;
    }
    screen_.lines = splitLines(bytes);
    ++screen_.loads;
    modified_ = false;
}

bool TaskTextEditor::writeFile() {
    try {
        writeFileReplacing(path_, fileBytes(screen_.lines));
    } catch (const RunError& e) {
        BoxShown shown(boxShown_);
        host_.failure(e.what());
        return false;
    }
    modified_ = false;
    if (saved_) saved_();
    return true;
}

std::string TaskTextEditor::unsavedQuestion() {
    return "Data byla upravena, ale nebyla dosud uložena. \r\nChcete je uložit?";
}

std::string TaskTextEditor::fileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> TaskTextEditor::textLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    // Every LF separates two lines, so a text that ends with one ends with an
    // empty line, as the field shows it.
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace krizovky
