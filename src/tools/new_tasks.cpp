#include "tools/new_tasks.h"

#include <cstdio>
#include <map>
#include <optional>

#include "editor/daily_task.h"
#include "editor/task_maker.h"
#include "history/results_record.h"
#include "model/combination_table.h"
#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"
#include "tools/verb_options.h"

namespace krizovky {
namespace {

int fail(const std::string& text, const char* verb = "new") {
    std::fprintf(stderr, "krizovky-tool %s: %s\n", verb, text.c_str());
    return 1;
}

std::optional<Difficulty> gradeOf(const std::string& text) {
    if (text == "lehká") return Difficulty::kEasy;
    if (text == "střední") return Difficulty::kMedium;
    if (text == "těžká") return Difficulty::kHard;
    if (text == "velmi-těžká") return Difficulty::kVeryHard;
    return std::nullopt;
}

// Sets the request's size from --size: a size by name, or a structure of the
// structure file at path. The reason when it cannot; empty when it did.
std::string chooseSize(const std::string& size, const std::string& path, TaskRequest& request) {
    if (size == "malá") {
        request.size = TaskSize::kSmall;
    } else if (size == "střední") {
        request.size = TaskSize::kMedium;
    } else if (size == "velká") {
        request.size = TaskSize::kLarge;
    } else {
        std::vector<NamedStructure> structures;
        try {
            structures = readStructures(splitLines(readFileBytes(path)));
        } catch (const RunError& e) {
            return "--size is malá, střední or velká, not \"" + size + "\": the structures of " +
                   path + " cannot be read (" + e.what() + ")";
        }
        const std::string name = cp1250FromUtf8(size);
        std::string names;
        for (const NamedStructure& structure : structures) {
            if (structure.name == name) {
                request.size = TaskSize::kStructure;
                request.structure = structure;
                return {};
            }
            names += (names.empty() ? "\"" : ", \"") + utf8FromCp1250(structure.name) + "\"";
        }
        if (names.empty()) names = "it has none";
        return "--size is malá, střední, velká or a structure of " + path + " (" + names +
               "), not \"" + size + "\"";
    }
    return {};
}

}  // namespace

int newTasks(const std::vector<std::string>& args, const std::string& defaultStructures) {
    const VerbOptions parsed =
        verbOptions(args, {"--grade", "--size", "--number", "--count", "--structures"});
    if (!parsed.error.empty()) return fail(parsed.error);
    std::map<std::string, std::string> options = parsed.values;
    for (const char* required : {"--grade", "--size", "--number"})
        if (options.count(required) == 0) return fail(std::string(required) + " is missing");

    TaskRequest request;
    const auto grade = gradeOf(options["--grade"]);
    if (!grade)
        return fail("--grade is one of lehká, střední, těžká, velmi-těžká, not \"" +
                    options["--grade"] + "\"");
    request.grade = *grade;
    const auto number = wholeNumberOf(options["--number"], 0, kMaxTaskNumber);
    if (!number)
        return fail("--number is a whole number from 0 to " + std::to_string(kMaxTaskNumber));
    int count = 1;
    if (options.count("--count") != 0) {
        const auto given = wholeNumberOf(options["--count"], 1, kMaxTaskNumber + 1);
        if (!given) return fail("--count is a whole number from 1 up");
        count = *given;
    }
    if (*number + count - 1 > kMaxTaskNumber)
        return fail("the numbers go past " + std::to_string(kMaxTaskNumber));

    const std::string& size = options["--size"];
    const std::string path =
        options.count("--structures") != 0 ? options["--structures"] : defaultStructures;
    if (const std::string problem = chooseSize(size, path, request); !problem.empty())
        return fail(problem);

    const CombinationTable& table = completeCombinationTable();
    int made = 0;
    for (int k = 0; k < count; ++k) {
        request.number = *number + k;
        const MadeTask task = makeTask(request, table);
        const std::string name = utf8FromCp1250(task.name);
        if (!task.made) {
            std::fprintf(stderr, "%s: not made within its limits (%s) after %d attempts, %.3f s\n",
                         name.c_str(), task.failure.c_str(), task.attempts, task.seconds);
            continue;
        }
        ++made;
        std::fwrite(task.text.data(), 1, task.text.size(), stdout);
        std::fprintf(stderr, "%s\t%s\t%s\tattempts %d\t%.3f s\n", name.c_str(),
                     difficultyName(task.grade), size.c_str(), task.attempts, task.seconds);
    }
    return made > 0 ? 0 : 1;
}

int dailyTask(const std::vector<std::string>& args) {
    std::string dateText = localTimeNow().substr(0, 10);
    if (args.size() == 2 && args[0] == "--date")
        dateText = args[1];
    else if (!args.empty())
        return fail(
            args[0] == "--date" ? "--date needs a value" : "unknown argument \"" + args[0] + "\"",
            "daily");
    const std::optional<CalendarDate> date = parseCalendarDate(dateText);
    if (!date)
        return fail("--date is a day of the calendar as YYYY-MM-DD, not \"" + dateText + "\"",
                    "daily");
    static constexpr const char* kWeekdays[] = {"pondělí", "úterý",  "středa", "čtvrtek",
                                                "pátek",   "sobota", "neděle"};
    const TaskRequest request = dailyTaskRequest(*date);
    const MadeTask task = makeDailyTask(*date, completeCombinationTable());
    const std::string name = dailyTaskName(*date);
    if (!task.made) {
        std::fprintf(stderr, "%s: not made within its limits (%s)\n", name.c_str(),
                     task.failure.c_str());
        return 1;
    }
    std::fwrite(task.text.data(), 1, task.text.size(), stdout);
    std::fprintf(stderr, "%s\t%s\t%s\t%s\n", name.c_str(), kWeekdays[weekdayOf(*date)],
                 difficultyName(request.grade), taskSizeName(request.size));
    return 0;
}

}  // namespace krizovky
