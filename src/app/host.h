#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace krizovky {

// How a file is to be chosen. Texts are Windows-1250; paths are as the file
// system has them.
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

// The modal things only a window system can do. The window layer implements
// it with message boxes and dialogs; tests implement it with scripted answers.
// All texts are Windows-1250.
// The answer to a question that can also be cancelled.
enum class Answer { kYes, kNo, kCancel };

class Host {
  public:
    virtual ~Host() = default;
    virtual void message(std::string_view text) = 0;  // a plain box with OK
    virtual void error(std::string_view text) = 0;    // caption "Error", error symbol, OK
    // A failed operation, shown with the system's text ("File not found").
    virtual void failure(std::string_view text) = 0;
    virtual bool askYesNo(std::string_view text) = 0;
    // Yes, No and Cancel; Escape or closing the box cancels.
    virtual Answer askYesNoCancel(std::string_view text) = 0;
    // The dialog "Mám dotaz!" that "70" opens: true for " jsem trouba", false
    // for "byl to omyl", the Escape key or closing it.
    virtual bool confirmSolver() = 0;
    virtual std::optional<std::string> chooseFile(const FileDialog& dialog) = 0;
    virtual void processEvents() = 0;
    virtual void repaintSquare(int row, int column) = 0;  // at once, not at the next event
    virtual void repaintGauge() = 0;                      // at once, while a load runs
};

}  // namespace krizovky
