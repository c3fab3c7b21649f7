#pragma once

#include <string>
#include <string_view>

#include "app/data_files.h"
#include "app/new_task.h"
#include "app/requests.h"
#include "app/task_choice.h"
#include "editor/editor_grid.h"
#include "editor/generator.h"

namespace krizovky {

// What the task editor window "definice úlohy" shows, as plain data; the
// window draws it after every call of a TaskEditor handler (and after
// TaskLibrary::chooseListedTask, which may load a task into the grid). The grid and
// the two fields hold Windows-1250, as the task file does; the verdict is the
// program's own text, UTF-8. Drawing must not run the change handlers: a redraw of the
// number field that ran changeTaskNumber would start the task number's
// sequence again, and a redraw of the name field would cut a loaded name to
// the field's typing limit.
struct TaskEditorScreen {
    // The window is shown ("&Formulář") or hidden ("zpět", the close box).
    // Hiding keeps everything below.
    bool visible = false;
    // The cell texts, grid.at(column, row), both 1..15. The
    // window shows them and reports every edit of a cell through setCell.
    EditorGrid grid;
    // "název úlohy:": the text the field shows. Set by loadTaskIntoGrid (the
    // loaded task's name); otherwise only the user's typing changes it. The
    // field limits typing to 15 characters, but a text set by the program
    // may be longer (up to 20) and is shown whole.
    std::string nameField;
    // "číslo úlohy:": the text the field shows; it keeps what the user typed,
    // also when the number was refused. Typing limited to 5 characters.
    std::string numberField;
    // The label beside "zpět": what the task of the grid is worth after
    // " generuj vše", "dokonči úlohu" and "načti úlohu" ("jediné řešení,
    // lehká", "více řešení", "bez řešení" or "chybná úloha"), and where
    // "ulož úlohu" put the task ("uloženo do moje_ulohy.kri"); empty after
    // any other change of the grid, which it would no longer describe. UTF-8.
    std::string verdict;
    // The whole path of the task file while the verdict names it after a
    // save; empty otherwise.
    std::string savedTo;
    // The grade chosen beside " generuj jedinečnou", an index into
    // kOfferedGrades.
    int uniqueGrade = 0;
};

// The task editor: its grid, name and generator, and the handlers of its
// window. It touches neither the board nor the move history of the game; it
// shares with the game the data file names and the task choice (the task
// file, the chosen task name and the task list). Every box goes through the
// game's requests: error boxes (caption "Error") through Requests::error, a system
// failure through Requests::failure, the file choice through Requests::chooseFile.
// Owned by the task library (TaskLibrary::editor()); "&Formulář" is TaskLibrary::showTaskEditor.
class TaskEditor {
  public:
    TaskEditor(Requests& requests, const DataFileNames& names, TaskChoice& choice,
               Storage& storage);

    // "&Formulář" under "&Editace": shows the window.
    void show() { screen_.visible = true; }

    // "ulož úlohu": checks the grid ("Na řádku R a sloupci C je chybná
    // hodnota."), the name ("Není dosud definováno jméno úlohy pro
    // uložení."), asks for a task file (cancel: nothing happens) and writes
    // the task there, replacing a task of the same name (capitals compared);
    // then adds the name to TaskLibrary::taskListScreen().items and says in the
    // verdict where the task went; the window stays open. The dialog opens
    // on the player's own task file (moje_ulohy.kri, its folder made if
    // need be), or in the program's folder when there is none. The untouched
    // default name "nová_úloha" saves as "úloha/NUMBER/COUNT", derived anew at
    // each save; editorTaskName() and the name field stay. A file error is a
    // Requests::failure with the system's text, the task file stays as it was
    // and the window stays open.
    void saveTask();
    // "zpět" and the window's close box: hide it.
    void hide() { screen_.visible = false; }
    // "vymaž formulář": every cell becomes empty.
    void clearGrid();
    // " generuj strukturu": a structure drawn at random from the structure
    // file into the grid, with one number of the generator. Without the file
    // "Nenalezl jsem soubor s definicemi struktur úloh!"; without any
    // structure in it "Soubor s definicemi struktur úloh neobsahuje", a form
    // feed (character 12) and " žádná označení!"; the grid stays then.
    void generateStructure();
    // " generuj vše": a structure as generateStructure, then up
    // to ten attempts to fill the open cells with digits, the generation
    // counted, and on success the sums written into the cells "/". After ten
    // failed attempts "Nepodařilo se mi doplnit strukturu!"; a digit typed
    // twice within reach gives "Na poli R/C je duplikátní číslo " at each
    // attempt. The grid keeps what a failure left. True when filled.
    bool generateWholeTask();
    // "dokonči úlohu": the same without drawing a structure;
    // the digits already in the grid stay.
    bool completeTask();
    // " generuj jedinečnou": digits and sums for the structure of the grid
    // (a drawn shape of 15 x 15 when the grid is empty) so that the task has
    // exactly one solution at the grade chosen beside the button, made from
    // the task number (0 to 9999; the same number gives the same task). The
    // generator's sequence and count stay as they were. A task that cannot be
    // made is reported and the grid stays. True when made.
    bool generateUniqueTask();
    void setUniqueGrade(int index);
    // "načti úlohu": clears the chosen task name, marks the task list as the
    // editor's and makes it visible (TaskLibrary::taskListScreen().visible); the
    // window then shows and fills the task list as for "&Výběr úlohy". A
    // choice there (TaskLibrary::chooseListedTask) loads the task into this grid
    // through loadTaskIntoGrid instead of onto the board.
    void chooseTaskToLoad();
    // The name field changed (each keystroke) or lost the focus: its whole text.
    void changeName(std::string_view text);
    // The number field changed (each keystroke): its whole text; sets the task number
    // ("Chybné číslo!" when it is none).
    void changeTaskNumber(std::string_view text);
    // The user edited a cell of the grid: its new text.
    void setCell(int column, int row, std::string_view text);

    // Loads the task called selectedTaskName from the current task file into
    // the grid (without clearing it first) and takes its name into
    // editorTaskName and the name field; run by TaskLibrary::chooseListedTask after a choice
    // made for the editor, not by the window. A missing task file is a
    // Requests::failure ("File not found") and nothing changes.
    void loadTaskIntoGrid();

    const TaskEditorScreen& screen() const { return screen_; }
    const std::string& editorTaskName() const { return editorTaskName_; }
    const GeneratorState& generator() const { return generator_; }

    // The structure file drawn from; the one beside the program when empty.
    void setStructureFile(std::string path) { structureFile_ = std::move(path); }

  private:
    // The digits and sums after a structure (or without one): counts the
    // generation and tells a failure.
    bool fillAndSum();
    // Sets the verdict label from the task the grid holds.
    void judgeGrid();
    // The verdict label, no longer about a save.
    void setVerdict(std::string text);
    // The file dialog of "ulož úlohu".
    FileDialog saveDialog() const;
    // "ulož úlohu" after the file is chosen: the question before a task of
    // the same name is replaced, then the write.
    void saveTaskTo(const std::string& path);
    void writeTask(const std::string& path, const std::string& name);

    Requests& requests_;
    const DataFileNames& names_;
    TaskChoice& choice_;
    Storage& storage_;
    TaskEditorScreen screen_;
    std::string editorTaskName_;
    GeneratorState generator_;
    std::string structureFile_;
};

}  // namespace krizovky
