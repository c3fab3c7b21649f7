#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace krizovky {

// How a file is to be chosen. Texts are UTF-8; paths are as the file system
// has them.
struct FileDialog {
    std::string title;
    std::string filterName;     // "úlohy"
    std::string filterPattern;  // "*.kri"
    std::string defaultExtension;
    std::string initialDirectory;
    std::string fileName;
    bool pathMustExist = true;    // the folder of the chosen file must exist
    bool promptToCreate = false;  // a file that does not exist is accepted after a question
    bool fileMustExist = false;   // only an existing file can be chosen
    bool forSaving = false;       // to be written: an existing file only after a question
};

// A dialog for files NAME.extension that opens in folder (the program's
// folder, as every dialog of the game does) and offers "*.extension" there.
inline FileDialog fileDialogIn(const std::string& folder, std::string title, std::string filterName,
                               const std::string& extension) {
    FileDialog dialog;
    dialog.title = std::move(title);
    dialog.filterName = std::move(filterName);
    dialog.filterPattern = "*." + extension;
    dialog.defaultExtension = extension;
    dialog.initialDirectory = folder;
    dialog.fileName = folder + "*." + extension;
    return dialog;
}

// The answer to a question that can also be cancelled.
enum class Answer { kYes, kNo, kCancel };

class Requests;

// What the core asks of its front-end that needs no answer: a look at its
// requests, repaints at once while a long operation runs, and the
// clipboard. Questions and file choices are never answered here: they wait
// in Requests until the front-end answers them there. The window layer
// implements it with message boxes and dialogs; tests and the tool with
// scripted answers. All texts are UTF-8: the program's own texts are written
// so, and data of the files that a text quotes (a task name) is converted
// where it is quoted.
class Host {
  public:
    virtual ~Host() = default;
    // A new request waits in requests. A window shows it once the call that
    // made it has returned; a script may answer it here and then.
    virtual void requestPosted(Requests& requests) { static_cast<void>(requests); }
    virtual void repaintSquare(int row, int column) = 0;  // at once, not at the next event
    virtual void repaintGauge() = 0;                      // at once, while a load runs
    // Puts text (UTF-8) on the system's clipboard; a host without one keeps
    // nothing.
    virtual void copyToClipboard(std::string_view text) { static_cast<void>(text); }
};

}  // namespace krizovky
