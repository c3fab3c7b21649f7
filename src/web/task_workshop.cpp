#include "web/task_workshop.h"

#include <nlohmann/json.hpp>

#include "model/errors.h"
#include "model/text.h"

namespace krizovky {

using nlohmann::json;

std::string requestJson(const MakingRequest& making) {
    const TaskRequest& request = making.task;
    json out = {{"grade", static_cast<int>(request.grade)},
                {"size", static_cast<int>(request.size)},
                {"number", request.number}};
    if (request.size == TaskSize::kStructure) out["structure"] = request.structure.place;
    if (making.day) out["day"] = formatCalendarDate(*making.day);
    return out.dump();
}

MakingRequest requestOfJson(std::string_view text, const std::vector<NamedStructure>& structures) {
    try {
        const json in = json::parse(text);
        MakingRequest making;
        if (in.contains("day")) {
            making.day = parseCalendarDate(in.at("day").get<std::string>());
            if (!making.day) throw RunError("the day is no day of the calendar");
            making.task = dailyTaskRequest(*making.day);
            return making;
        }
        TaskRequest& request = making.task;
        const int grade = in.at("grade").get<int>();
        const int size = in.at("size").get<int>();
        request.number = in.at("number").get<int>();
        if (grade < 0 || grade > static_cast<int>(Difficulty::kVeryHard) || size < 0 ||
            size > static_cast<int>(TaskSize::kStructure) || request.number < 0 ||
            request.number > kMaxTaskNumber)
            throw RunError("the request is out of range");
        request.grade = static_cast<Difficulty>(grade);
        request.size = static_cast<TaskSize>(size);
        if (request.size == TaskSize::kStructure) {
            const int place = in.at("structure").get<int>();
            bool found = false;
            for (const NamedStructure& structure : structures)
                if (structure.place == place) {
                    request.structure = structure;
                    found = true;
                }
            if (!found) throw RunError("no structure " + std::to_string(place));
        }
        return making;
    } catch (const json::exception& e) {
        throw RunError(std::string("the request is no request: ") + e.what());
    }
}

std::string madeTaskJson(const MadeTask& task) {
    // Every cell the grid holds, from 0 (which fill() writes too) to 15.
    json grid = json::array();
    for (int row = 0; row <= kEditorSize; ++row) {
        json cells = json::array();
        for (int column = 0; column <= kEditorSize; ++column)
            cells.push_back(utf8FromCp1250(task.grid.at(column, row)));
        grid.push_back(std::move(cells));
    }
    return json{{"made", task.made},
                {"cancelled", task.cancelled},
                {"failure", task.failure},
                {"name", utf8FromCp1250(task.name)},
                {"description", task.description},
                {"text", utf8FromCp1250(task.text)},
                {"grid", std::move(grid)},
                {"grade", static_cast<int>(task.grade)},
                {"attempts", task.attempts},
                {"ratings", task.ratings},
                {"seconds", task.seconds}}
        .dump();
}

MadeTask madeTaskOfJson(std::string_view text) {
    try {
        const json in = json::parse(text);
        MadeTask task;
        task.made = in.at("made").get<bool>();
        task.cancelled = in.at("cancelled").get<bool>();
        task.failure = in.at("failure").get<std::string>();
        task.name = cp1250FromUtf8(in.at("name").get<std::string>());
        task.description = in.at("description").get<std::string>();
        task.text = cp1250FromUtf8(in.at("text").get<std::string>());
        const json& grid = in.at("grid");
        constexpr std::size_t kCells = kEditorSize + 1;
        if (grid.size() != kCells) throw RunError("the grid has not 16 rows");
        for (std::size_t row = 0; row < kCells; ++row) {
            const json& cells = grid.at(row);
            if (cells.size() != kCells) throw RunError("a row has not 16 cells");
            for (std::size_t column = 0; column < kCells; ++column)
                task.grid.at(static_cast<int>(column), static_cast<int>(row)) =
                    cp1250FromUtf8(cells.at(column).get<std::string>());
        }
        const int grade = in.at("grade").get<int>();
        if (grade < 0 || grade > static_cast<int>(Difficulty::kNeedsTrial))
            throw RunError("the grade is out of range");
        task.grade = static_cast<Difficulty>(grade);
        task.attempts = in.at("attempts").get<int>();
        task.ratings = in.at("ratings").get<long>();
        task.seconds = in.at("seconds").get<double>();
        return task;
    } catch (const json::exception& e) {
        throw RunError(std::string("the task is no made task: ") + e.what());
    }
}

TaskWorkshop::TaskWorkshop(std::string_view combinations, std::string_view structureFile) {
    table_.load(combinations);
    structures_ = readStructures(splitLines(structureFile));
}

std::string TaskWorkshop::make(std::string_view request) const {
    try {
        const MakingRequest making = requestOfJson(request, structures_);
        return madeTaskJson(making.day ? makeDailyTask(*making.day, table_)
                                       : makeTask(making.task, table_));
    } catch (const RunError& e) {
        MadeTask failed;
        failed.failure = e.what();
        return madeTaskJson(failed);
    }
}

}  // namespace krizovky
