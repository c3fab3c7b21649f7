#include "editor/task_maker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"
#include "solver/task_check.h"
#include "support/editor_grid_text.h"

namespace krizovky {
namespace {

const CombinationTable& table() {
    return completeCombinationTable();
}

const std::vector<NamedStructure>& shippedStructures() {
    static const std::vector<NamedStructure> structures = readStructures(
        splitLines(readFileBytes(std::string(KRIZOVKY_SOURCE_DIR) + "/data/krizovky.VZR")));
    return structures;
}

TaskRequest request(Difficulty grade, TaskSize size, int number) {
    TaskRequest r;
    r.grade = grade;
    r.size = size;
    r.number = number;
    return r;
}

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (unsigned char ch : bytes)
        hash = (hash ^ ch) * 0x100000001B3u;
    return hash;
}

// The same grade, size and number give the same bytes in every build: these
// hashes of the task text hold as long as the task maker does not change.
TEST(MakeTask, GivesThePinnedTasks) {
    TaskRequest onStructure = request(Difficulty::kHard, TaskSize::kStructure, 5);
    onStructure.structure = shippedStructures().at(9);  // "čtverec 10 na 10"
    struct Pin {
        TaskRequest request;
        const char* name;
        std::uint64_t hash;
    };
    const Pin pins[] = {
        {request(Difficulty::kEasy, TaskSize::kSmall, 1), "L 8 1", 3650541820666265722u},
        {request(Difficulty::kMedium, TaskSize::kMedium, 4711), "S 11 4711", 8155480845268420964u},
        {request(Difficulty::kVeryHard, TaskSize::kLarge, 9999), "V 15 9999", 9162203627974620450u},
        {onStructure, "T j 5", 9090272420699743550u},
    };
    for (const Pin& pin : pins) {
        const MadeTask made = makeTask(pin.request, table());
        ASSERT_TRUE(made.made) << pin.name;
        EXPECT_EQ(made.name, pin.name);
        EXPECT_EQ(fnv1a(made.text), pin.hash) << pin.name;
        EXPECT_EQ(makeTask(pin.request, table()).text, made.text) << pin.name;
    }
}

// Every grade, each at one of the player's sizes: the task read back from
// its text as the game reads it has exactly one solution, the grade asked,
// and a shape of the task maker's own.
TEST(MakeTask, MakesUniqueTasksOfTheGradeAsked) {
    const std::pair<Difficulty, TaskSize> cases[] = {
        {Difficulty::kEasy, TaskSize::kSmall},
        {Difficulty::kMedium, TaskSize::kLarge},
        {Difficulty::kHard, TaskSize::kMedium},
        {Difficulty::kVeryHard, TaskSize::kLarge},
    };
    for (const auto& [grade, size] : cases) {
        const MadeTask made = makeTask(request(grade, size, 17), table());
        SCOPED_TRACE(utf8FromCp1250(made.name));
        ASSERT_TRUE(made.made);
        EXPECT_EQ(made.grade, grade);
        Board board;
        ASSERT_TRUE(readTaskText(made.text, made.name, board));
        const TaskCheck check = checkTask(board, table());
        EXPECT_EQ(check.verdict, TaskVerdict::kUnique);
        EXPECT_EQ(check.difficulty, grade);
        EXPECT_EQ(shapeFault(shapeOfGrid(made.grid)), "");
        EXPECT_GE(made.attempts, 1);
    }
}

TEST(MakeTask, KeepsTheShapeOfAStructure) {
    TaskRequest r = request(Difficulty::kMedium, TaskSize::kStructure, 3);
    r.structure = shippedStructures().at(15);  // "velká 15 na 15"
    const MadeTask made = makeTask(r, table());
    ASSERT_TRUE(made.made);
    EXPECT_EQ(shapeOfGrid(made.grid), r.structure.shape);
    EXPECT_EQ(made.description, "střední, tvar „velká 15 na 15“, číslo 3");

    // One that no task can have is refused at once.
    r.structure.shape = shapeOfGrid(testing::gridOf({"x,/,/", "/, , ", " , , "}));
    const MadeTask refused = makeTask(r, table());
    EXPECT_FALSE(refused.made);
    EXPECT_EQ(refused.failure, "Políčko (3, 1) nemá kde mít svůj součet.");
    EXPECT_EQ(refused.attempts, 0);
}

TEST(MakeTask, NamesFitTheTaskListAndTellTheWholeInTheirDescription) {
    struct Case {
        Difficulty grade;
        TaskSize size;
        int structure;  // index into the shipped structures for kStructure
        int number;
        const char* name;
        const char* description;
    };
    const Case cases[] = {
        {Difficulty::kEasy, TaskSize::kSmall, 0, 0, "L 8 0", "lehká, malá 8 × 8, číslo 0"},
        {Difficulty::kMedium, TaskSize::kMedium, 0, 4711, "S 11 4711",
         "střední, střední 11 × 11, číslo 4711"},
        {Difficulty::kVeryHard, TaskSize::kLarge, 0, 9999, "V 15 9999",
         "velmi těžká, velká 15 × 15, číslo 9999"},
        {Difficulty::kHard, TaskSize::kStructure, 16, 12, "T q 12",
         "těžká, tvar „hustá 15 na 15“, číslo 12"},
    };
    for (const Case& c : cases) {
        TaskRequest r = request(c.grade, c.size, c.number);
        if (c.size == TaskSize::kStructure) r.structure = shippedStructures().at(c.structure);
        // A cancelled making still tells the name.
        const std::atomic<bool> stop{true};
        const MadeTask made = makeTask(r, table(), MakeControl{&stop, {}});
        EXPECT_EQ(made.name, c.name);
        EXPECT_EQ(made.description, c.description);
        EXPECT_EQ(describeTaskName(made.name, shippedStructures()), c.description);
    }
    for (const char* other : {"01 lehká", "L 8", "L 9 1", "X 8 1", "L 8 01", "L 8 10000", "L z 1"})
        EXPECT_EQ(describeTaskName(other, shippedStructures()), std::nullopt) << other;
}

TEST(MakeTask, StopsWhenCancelledAndTellsItsProgress) {
    std::atomic<bool> stop{false};
    int calls = 0;
    MakeControl control{&stop, [&](int attempt, int maxAttempts) {
                            EXPECT_GE(attempt, 1);
                            EXPECT_LE(attempt, maxAttempts);
                            ++calls;
                            stop = true;  // as "zruš" pressed while the first attempt runs
                        }};
    const MadeTask made =
        makeTask(request(Difficulty::kVeryHard, TaskSize::kLarge, 1), table(), control);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(made.made);
    EXPECT_TRUE(made.cancelled);

    EXPECT_FALSE(makeTask(request(Difficulty::kNeedsTrial, TaskSize::kSmall, 1), table()).made);
    EXPECT_FALSE(makeTask(request(Difficulty::kEasy, TaskSize::kSmall, 10000), table()).made);
}

TEST(RequestForGrid, TakesTheGridsStructureOrDrawsOneWhenItIsEmpty) {
    EditorGrid grid;
    grid.fill("");
    grid.at(5, 5) = " ";
    TaskRequest r = requestForGrid(grid, Difficulty::kHard, 8);
    EXPECT_EQ(r.size, TaskSize::kLarge);
    EXPECT_EQ(r.grade, Difficulty::kHard);
    EXPECT_EQ(r.number, 8);

    grid = testing::gridOf({"x,/,12/0", "/,3,7", "/,1,2"});
    r = requestForGrid(grid, Difficulty::kEasy, 8);
    EXPECT_EQ(r.size, TaskSize::kStructure);
    EXPECT_EQ(r.structure.shape, shapeOfGrid(grid));
    const MadeTask made = makeTask(r, table());
    ASSERT_TRUE(made.made);
    EXPECT_EQ(made.name, cp1250FromUtf8("L 3×3 8"));
}

}  // namespace
}  // namespace krizovky
