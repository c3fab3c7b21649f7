#include "history/results_record.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>

#include "history/player_json.h"
#include "model/errors.h"

namespace krizovky {
namespace {

using nlohmann::json;

constexpr int kRecordVersion = 1;

json toJson(const GameResult& r) {
    return json{{"taskFile", r.taskFile}, {"taskName", r.taskName},     {"taskHash", r.taskHash},
                {"grade", r.grade},       {"finishedAt", r.finishedAt}, {"seconds", r.seconds},
                {"level", r.level},       {"nextSteps", r.nextSteps},   {"checked", r.checked},
                {"bySolver", r.bySolver}};
}

GameResult fromJson(const json& j) {
    GameResult r;
    j.at("taskFile").get_to(r.taskFile);
    j.at("taskName").get_to(r.taskName);
    j.at("taskHash").get_to(r.taskHash);
    j.at("grade").get_to(r.grade);
    j.at("finishedAt").get_to(r.finishedAt);
    j.at("seconds").get_to(r.seconds);
    j.at("level").get_to(r.level);
    j.at("nextSteps").get_to(r.nextSteps);
    j.at("checked").get_to(r.checked);
    j.at("bySolver").get_to(r.bySolver);
    if (r.seconds < 0 || r.nextSteps < 0) throw RunError("a negative count");
    return r;
}

bool sameTask(const GameResult& r, const RecordedTask& task) {
    return r.taskFile == task.taskFile && r.taskName == task.taskName &&
           r.taskHash == task.taskHash;
}

// Unaided before helped before "70", then the shorter time.
int rank(const GameResult& r) {
    return r.bySolver ? 2 : r.unaided() ? 0 : 1;
}

}  // namespace

ResultsRecord ResultsRecord::decode(std::string_view bytes) {
    return readPlayerJson(bytes, [](const json& document) {
        if (document.at("version").get<int>() != kRecordVersion)
            throw RunError("an unknown version of the record");
        ResultsRecord record;
        for (const json& entry : document.at("results"))
            record.results.push_back(fromJson(entry));
        return record;
    });
}

std::string ResultsRecord::encode() const {
    json list = json::array();
    for (const GameResult& r : results)
        list.push_back(toJson(r));
    const json document{{"version", kRecordVersion}, {"results", list}};
    // Texts are kept as UTF-8 (see recordText), so nothing is replaced here.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string recordText(std::string_view text) {
    return json::parse(json(std::string(text)).dump(-1, ' ', false, json::error_handler_t::replace))
        .get<std::string>();
}

std::optional<GameResult> ResultsRecord::best(const RecordedTask& task) const {
    std::optional<GameResult> best;
    for (const GameResult& r : results) {
        if (!sameTask(r, task)) continue;
        if (!best || rank(r) < rank(*best) || (rank(r) == rank(*best) && r.seconds < best->seconds))
            best = r;
    }
    return best;
}

std::string bestResultText(const GameResult& best) {
    if (best.bySolver) return "vyřešil počítač";
    return (best.unaided() ? "bez nápovědy " : "s nápovědou ") + formatPlayTime(best.seconds);
}

std::string formatPlayTime(long seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    return text;
}

std::vector<GradeSummary> summarizeByGrade(const ResultsRecord& record,
                                           const std::vector<std::string>& gradeOrder) {
    std::vector<std::string> grades = gradeOrder;
    for (const GameResult& r : record.results)
        if (std::find(grades.begin(), grades.end(), r.grade) == grades.end())
            grades.push_back(r.grade);
    // A result without a grade comes last.
    std::stable_partition(grades.begin(), grades.end(),
                          [](const std::string& grade) { return !grade.empty(); });

    std::vector<GradeSummary> summaries;
    for (const std::string& grade : grades) {
        GradeSummary summary;
        summary.grade = grade;
        std::vector<RecordedTask> tasks;
        std::vector<long> times;
        for (const GameResult& r : record.results) {
            if (r.grade != grade) continue;
            const RecordedTask task{r.taskFile, r.taskName, r.taskHash};
            if (std::none_of(tasks.begin(), tasks.end(),
                             [&r](const RecordedTask& t) { return sameTask(r, t); }))
                tasks.push_back(task);
            if (!r.bySolver) times.push_back(r.seconds);
        }
        if (tasks.empty()) continue;
        summary.solvedTasks = static_cast<int>(tasks.size());
        if (!times.empty()) {
            std::sort(times.begin(), times.end());
            summary.bestSeconds = times.front();
            const std::size_t middle = times.size() / 2;
            summary.medianSeconds =
                times.size() % 2 == 1 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
        }
        summaries.push_back(summary);
    }
    return summaries;
}

std::string taskHash(const Board& board) {
    // FNV-1a over the squares: the same on every machine and build.
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](unsigned byte) {
        hash ^= byte & 0xFF;
        hash *= 1099511628211ull;
    };
    add(board.rowCount);
    add(board.colCount);
    for (int r = 1; r <= board.rowCount; ++r)
        for (int c = 1; c <= board.colCount; ++c) {
            // Only a clue's sums belong to the task: other squares may carry
            // the sums of a task loaded before, as a load leaves them.
            const Cell& cell = board.at(r, c);
            const bool clue = cell.kind == kClue;
            add(cell.kind);
            add(clue ? cell.acrossSum : 0);
            add(clue ? cell.downSum : 0);
        }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace krizovky
