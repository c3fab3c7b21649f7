#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/daily_task.h"
#include "editor/task_maker.h"
#include "model/combination_table.h"

namespace krizovky {

// The making of "Nová úloha" in a browser's worker, which runs a core of its
// own: the request goes there and the task made comes back as JSON texts.

// What the worker is asked to make: a task of a request, or the task of a
// day ("Úloha dne"), whose request the date gives.
struct MakingRequest {
    TaskRequest task;
    std::optional<CalendarDate> day;
};

// {"grade": 0..3, "size": 0..3 (malá, střední, velká, a structure),
//  "structure": its place in the structure file from 1, "number": n,
//  "day": "2026-12-09" for the task of the day}
std::string requestJson(const MakingRequest& request);
// The request of a JSON text of requestJson; a structure by its place among
// structures. Throws RunError for a text that is no such request.
MakingRequest requestOfJson(std::string_view json, const std::vector<NamedStructure>& structures);

// Everything of a MadeTask, its texts in UTF-8.
std::string madeTaskJson(const MadeTask& task);
// Throws RunError for a text that is no made task.
MadeTask madeTaskOfJson(std::string_view json);

// The worker's side: the table and the structures read once, then one task
// made per request.
class TaskWorkshop {
  public:
    // The bytes of the combination file and of the structure file (which
    // may be empty: then only the task maker's own sizes are made).
    TaskWorkshop(std::string_view combinations, std::string_view structureFile);
    // The task of a requestJson text as madeTaskJson; a request that cannot
    // be read gives a task not made, with the reason.
    std::string make(std::string_view request) const;

  private:
    CombinationTable table_;
    std::vector<NamedStructure> structures_;
};

}  // namespace krizovky
