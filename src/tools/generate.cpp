#include "tools/generate.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/game.h"
#include "app/task_editor.h"
#include "editor/task_form.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/text.h"
#include "solver/exact_solver.h"

namespace krizovky {
namespace {

// Prints every box to standard error and chooses the one task file for every
// save.
class GenerateHost : public Host {
  public:
    std::string taskFile;

    // Every question is answered Yes, every file dialog with taskFile.
    void requestPosted(Requests& requests) override {
        while (const Request* request = requests.pending()) {
            if (request->kind == RequestKind::kFile) {
                requests.answerFile(taskFile);
                continue;
            }
            // "Mám dotaz!" never comes: no solve is asked for.
            if (request->kind == RequestKind::kSolverQuestion) {
                requests.answer(Answer::kNo);
                continue;
            }
            print(request->text);
            requests.answer(Answer::kYes);
        }
    }
    void repaintSquare(int, int) override {}
    void repaintGauge() override {}

  private:
    static void print(std::string_view text) {
        std::fprintf(stderr, "%s\n", std::string(text).c_str());
    }
};

bool isUnique(const EditorGrid& grid) {
    try {
        return classifyTask(taskBoard(grid), completeCombinationTable()).verdict ==
               TaskVerdict::kUnique;
    } catch (const RunError&) {
        return false;
    }
}

}  // namespace

int generateTasks(const std::string& structurePath, const std::string& number, long count,
                  bool uniqueOnly) {
    std::string pattern = (std::filesystem::temp_directory_path() / "krizovky-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("krizovky-tool");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    GenerateHost host;
    host.taskFile = (folder / "generated.kri").string();

    FileStorage storage;
    Game game(host, storage);
    TaskEditor& editor = game.tasks().editor();
    editor.setStructureFile(structurePath);
    game.tasks().showTaskEditor();
    editor.changeTaskNumber(cp1250FromUtf8(number));
    for (long k = 0; k < count; ++k) {
        game.tasks().showTaskEditor();
        if (editor.generateWholeTask() && (!uniqueOnly || isUnique(editor.screen().grid)))
            editor.saveTask();
    }
    std::string bytes;
    if (fileExists(host.taskFile)) {
        try {
            bytes = readFileBytes(host.taskFile);
        } catch (const RunError& e) {
            std::fprintf(stderr, "%s\n", e.what());
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return 0;
}

}  // namespace krizovky
