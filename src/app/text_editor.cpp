#include "app/text_editor.h"

#include "model/errors.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
void TaskTextEditor::open(Place place, const std::string& path) {
    if (path.empty() || !storage_.exists(place, path)) return;
    place_ = place;
    path_ = path;
    screen_.visible = true;
}

void TaskTextEditor::activate() {
    if (active_ || !screen_.visible) return;
    active_ = true;
    load();
}

void TaskTextEditor::deactivate() {
    stopEditing([](bool) {});
}

void TaskTextEditor::stopEditing(const std::function<void(bool left)>& then) {
    // A box of the game over the editor takes the activation from it: that
    // is no leaving of it.
    if (!active_ || requests_.pending()) return then(true);
    active_ = false;
    if (!modified_) return then(true);
    requests_.askYesNo(unsavedQuestion(), [this, then](bool yes) {
        if (!yes) {
            modified_ = false;  // the next activation reads the file again, without the changes
            return then(true);
        }
        if (writeFile()) return then(true);
        // The save the player asked for failed: the changes stay in the
        // editor, which is not read again, so nothing typed is lost.
        active_ = true;
        then(false);
    });
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
    stopEditing([this](bool left) {
        if (!left) return;  // stays open with its unsaved changes
        active_ = false;
        screen_.visible = false;
    });
}

void TaskTextEditor::load() {
    std::string bytes;
    try {
        bytes = readTaskFile(storage_, place_, path_);
    } catch (const RunError& e) {
        // The text stays as it was shown.
        requests_.failure(e.what());
        return;
    }
    screen_.lines = splitLines(bytes);
    ++screen_.loads;
    modified_ = false;
}

bool TaskTextEditor::writeFile() {
    try {
        storage_.replace(place_, path_, fileBytes(screen_.lines));
    } catch (const RunError& e) {
        requests_.failure(e.what());
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
