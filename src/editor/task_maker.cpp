#include "editor/task_maker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>

#include "editor/structure_file.h"
#include "editor/task_form.h"
#include "model/text.h"
#include "solver/exact_solver.h"

namespace krizovky {
namespace {

constexpr DigitSet kAllDigits = 0x3FE;

// The side of the player's sizes and the entry squares their shapes hold:
// the published puzzles of about these sizes have 0.77, 0.71 and 0.67 of
// their squares (without the clue row and column) as entry squares, and the
// shapes take that share give or take 0.05.
struct SizeSpec {
    int side;
    int minEntries;
    int maxEntries;
};
constexpr SizeSpec kSizes[] = {
    {8, 35, 40},     // 49 squares: 0.72 to 0.82
    {11, 66, 76},    // 100 squares: 0.66 to 0.76
    {15, 122, 141},  // 196 squares: 0.62 to 0.72
};

// The longest run of the task maker's shapes: the published puzzles of 12 x
// 12 to 15 x 15 squares mostly have none longer than 6 or 7 squares, and
// shorter runs make the easy grade much sooner.
constexpr int kLongestRunEasy = 6;
constexpr int kLongestRunOther = 7;

// How long a making may search: attempts (each a shape and a fill), and the
// digit changes tried in one attempt.
constexpr int kMaxAttempts = 12;
constexpr int kChangesPerAttempt = 3000;
// An attempt ends after this many changes without a gain.
constexpr int kStagnation = 150;
// The very hard grade is first brought this close to solved (candidates
// beyond one a square) without the trial techniques.
constexpr int kNearlySolved = 20;
// How strongly the runs of a fill lean to small or large digits.
constexpr int kLean = 3;

struct Run {
    int clueRow = 0;
    int clueCol = 0;
    bool across = true;
    int length = 0;
    std::array<int, kLongestRun> squares{};
};

// The squares and runs of a shape, and the board of its task as the sums of
// the current digits give it.
class Search {
  public:
    Search(const TaskShape& shape, const CombinationTable& table) : table_(table) {
        board_.rowCount = kBoardSize;
        board_.colCount = kBoardSize;
        board_.setAllKinds(kBlank);
        std::array<std::array<int, kBoardSize + 2>, kBoardSize + 2> index{};
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                if (shape.isEntry(r, c)) {
                    index[r][c] = static_cast<int>(squares_.size());
                    squares_.push_back({r, c});
                    board_.at(r, c).kind = kEntry;
                } else if (shape.isEntry(r, c + 1) || shape.isEntry(r + 1, c)) {
                    board_.at(r, c).kind = kClue;
                }
        runsOf_.assign(squares_.size(), {-1, -1});
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                for (bool across : {true, false}) {
                    const int dr = across ? 0 : 1;
                    const int dc = across ? 1 : 0;
                    if (!shape.isEntry(r, c) || shape.isEntry(r - dr, c - dc)) continue;
                    Run run{r - dr, c - dc, across, 0, {}};
                    while (shape.isEntry(r + run.length * dr, c + run.length * dc)) {
                        const int s = index[r + run.length * dr][c + run.length * dc];
                        runsOf_[s][across ? 0 : 1] = static_cast<int>(runs_.size());
                        run.squares[run.length++] = s;
                    }
                    runs_.push_back(run);
                }
        digits_.assign(squares_.size(), 0);
    }

    int squareCount() const { return static_cast<int>(squares_.size()); }

    // Fills every square with a digit its runs do not hold yet, choosing the
    // square with the fewest digits left first and its digits in random
    // order; false when the fill meets too many dead ends.
    bool fill(TaskRandom& random, int lean) {
        std::fill(digits_.begin(), digits_.end(), 0);
        // Each run leans to small or to large digits: sums near the smallest
        // or the largest of their length have few combinations.
        leaning_.resize(runs_.size());
        for (auto& l : leaning_)
            l = random.below(2) == 0 ? -lean : lean;
        long deadEnds = 0;
        if (!fillFrom(random, deadEnds)) return false;
        for (int r = 0; r < static_cast<int>(runs_.size()); ++r)
            writeSum(r);
        return true;
    }

    int digit(int s) const { return digits_[s]; }

    // The digits square s may take: none of the other squares of its runs holds them.
    DigitSet freeDigits(int s) const {
        DigitSet used = 0;
        for (int r : runsOf_[s])
            for (int k = 0; k < runs_[r].length; ++k)
                if (runs_[r].squares[k] != s) used |= digitBit(digits_[runs_[r].squares[k]]);
        return static_cast<DigitSet>(kAllDigits & ~used);
    }

    void setDigit(int s, int d) {
        digits_[s] = d;
        for (int r : runsOf_[s])
            writeSum(r);
    }

    const std::array<int, 2>& runsOf(int s) const { return runsOf_[s]; }
    const CombinationTable& table() const { return table_; }
    int runSum(int r) const {
        int sum = 0;
        for (int k = 0; k < runs_[r].length; ++k)
            sum += digits_[runs_[r].squares[k]];
        return sum;
    }
    const Run& run(int r) const { return runs_[r]; }

    // How far the logical solver gets with the techniques up to each rung:
    // decided[k] squares with those of rungs 1..k; the rungs above hardest
    // are not tried.
    struct Rating {
        std::array<int, kTechniqueCount + 1> decided{};
        int candidates = 0;              // left in all squares together
        std::vector<std::uint8_t> rung;  // per square: the rung that decided it, 0 none
    };
    Rating rate(Technique hardest) const {
        const LogicalSolve solve = solveLogically(board_, table_, false, hardest);
        Rating rating;
        rating.rung.resize(squares_.size());
        for (std::size_t s = 0; s < squares_.size(); ++s) {
            rating.candidates +=
                std::popcount(solve.candidates[squares_[s].first][squares_[s].second]);
            const int rung = solve.decidedAtRung[squares_[s].first][squares_[s].second];
            rating.rung[s] = static_cast<std::uint8_t>(rung);
            if (rung == 0) continue;
            for (int k = rung; k <= kTechniqueCount; ++k)
                ++rating.decided[k];
        }
        return rating;
    }

    EditorGrid grid() const {
        EditorGrid grid;
        grid.fill("x");
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                if (board_.at(r, c).kind == kClue)
                    grid.at(c, r) = std::to_string(board_.at(r, c).acrossSum) + "/" +
                                    std::to_string(board_.at(r, c).downSum);
        for (std::size_t s = 0; s < squares_.size(); ++s)
            grid.at(squares_[s].second, squares_[s].first) =
                std::string(1, static_cast<char>('0' + digits_[s]));
        return grid;
    }

  private:
    void writeSum(int r) {
        const Run& run = runs_[r];
        int sum = 0;
        for (int k = 0; k < run.length; ++k)
            sum += digits_[run.squares[k]];
        Cell& clue = board_.at(run.clueRow, run.clueCol);
        (run.across ? clue.acrossSum : clue.downSum) = static_cast<std::uint8_t>(sum);
    }

    bool fillFrom(TaskRandom& random, long& deadEnds) {
        int best = -1;
        DigitSet bestFree = 0;
        for (int s = 0; s < squareCount(); ++s) {
            if (digits_[s] != 0) continue;
            const DigitSet free = freeDigits(s);
            if (best < 0 || std::popcount(free) < std::popcount(bestFree)) {
                best = s;
                bestFree = free;
            }
            if (free == 0) break;
        }
        if (best < 0) return true;
        // The digits in random order, pulled toward the leaning of the runs.
        std::array<int, 9> order{};
        std::array<int, 10> weight{};
        int n = 0;
        const int lean = leaning_[runsOf_[best][0]] + leaning_[runsOf_[best][1]];
        for (int d = 1; d <= 9; ++d)
            if (bestFree & digitBit(d)) {
                order[n++] = d;
                weight[d] = random.below(16) + lean * (d - 5);
            }
        std::sort(order.begin(), order.begin() + n, [&](int a, int b) {
            return weight[a] > weight[b] || (weight[a] == weight[b] && a < b);
        });
        for (int i = 0; i < n; ++i) {
            digits_[best] = order[i];
            if (fillFrom(random, deadEnds)) return true;
            if (++deadEnds > 2000) break;
        }
        digits_[best] = 0;
        return false;
    }

    const CombinationTable& table_;
    Board board_;
    std::vector<std::pair<int, int>> squares_;  // (row, col)
    std::vector<std::array<int, 2>> runsOf_;    // across, down
    std::vector<Run> runs_;
    std::vector<int> digits_;
    std::vector<int> leaning_;  // per run
};

// The rungs of the ladder that make a grade.
struct RungRange {
    int lowest;
    int highest;
};
RungRange rungsOf(Difficulty grade) {
    switch (grade) {
        case Difficulty::kEasy:
            return {1, 2};
        case Difficulty::kMedium:
            return {3, 4};
        case Difficulty::kHard:
            return {5, 6};
        case Difficulty::kVeryHard:
            return {7, 8};
        default:
            return {0, 0};  // no grade a task is made for
    }
}

// How far a rating is from the grade: first the candidates beyond one a
// square that the grade's techniques leave, then the squares that the
// easier techniques decide, which a task of the grade must not all be.
long distance(const Search::Rating& rating, RungRange rungs, int squares) {
    const int easier = rungs.lowest > 1 ? rating.decided[rungs.lowest - 1] : 0;
    return static_cast<long>(rating.candidates - squares) * (squares + 1) + easier;
}

bool reached(const Search::Rating& rating, RungRange rungs, int squares) {
    return rating.decided[rungs.highest] == squares &&
           (rungs.lowest == 1 || rating.decided[rungs.lowest - 1] < squares);
}

std::uint64_t mixed(std::uint64_t a, std::uint64_t b) {
    TaskRandom random(a * 0x100000001B3u ^ b);
    return random.next();
}

std::uint64_t seedOf(const TaskRequest& request) {
    std::uint64_t size = static_cast<std::uint64_t>(request.size);
    if (request.size == TaskSize::kStructure) {
        // The shape itself, so that the same structure gives the same tasks
        // whatever its name and place.
        size = 0xCBF29CE484222325u;
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                size = (size ^ (request.structure.shape.isEntry(r, c) ? 1u : 0u)) * 0x100000001B3u;
    }
    return mixed(mixed(static_cast<std::uint64_t>(request.grade) + 1, size),
                 static_cast<std::uint64_t>(request.number));
}

// The middle of a name: the board's side, the structure's letter, or for a
// structure of no file its rows and columns.
std::string sizeTag(const TaskRequest& request) {
    if (request.size != TaskSize::kStructure)
        return std::to_string(kSizes[static_cast<int>(request.size)].side);
    const NamedStructure& structure = request.structure;
    if (structure.place >= 1 && structure.place <= kMaxStructures)
        return std::string(1, static_cast<char>('a' + structure.place - 1));
    return std::to_string(structure.shape.rows) + "×" + std::to_string(structure.shape.cols);
}

std::string sizeDescription(TaskSize size, const NamedStructure* structure) {
    if (size != TaskSize::kStructure) {
        const std::string side = std::to_string(kSizes[static_cast<int>(size)].side);
        return std::string(taskSizeName(size)) + " " + side + " × " + side;
    }
    if (structure->name.empty())
        return "tvar " + std::to_string(structure->shape.rows) + " × " +
               std::to_string(structure->shape.cols);
    return "tvar „" + utf8FromCp1250(structure->name) + "“";
}

std::string describe(Difficulty grade, const std::string& size, int number) {
    return std::string(difficultyName(grade)) + ", " + size + ", číslo " + std::to_string(number);
}

bool cancelled(const MakeControl& control) {
    return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
}

// A new digit for square s out of free: mostly the one whose sums have the
// fewest combinations in the square's two runs together, now and then any.
int chooseDigit(const Search& search, int s, DigitSet free, TaskRandom& random) {
    if (random.below(4) == 0) {
        int pick = random.below(std::popcount(free));
        DigitSet rest = free;
        for (; pick > 0; --pick)
            rest &= rest - 1;
        return std::countr_zero(rest);
    }
    int best = 0;
    long bestScore = 0;
    for (int d = 1; d <= 9; ++d) {
        if ((free & digitBit(d)) == 0) continue;
        long score = 1;
        for (int r : search.runsOf(s)) {
            const Run& run = search.run(r);
            const int sum = search.runSum(r) - search.digit(s) + d;
            const auto group = search.table().lookup(sum, run.length);
            score *= group ? group->count : 1;
        }
        score = score * 16 + random.below(16);
        if (best == 0 || score < bestScore) {
            best = d;
            bestScore = score;
        }
    }
    return best;
}

// Changes digits toward the grade, rating with the techniques up to rung
// cap: until the grade is reached, or, with slack >= 0, until the
// candidates left exceed one a square by at most slack. False when the
// changes stop bringing it closer.
bool climb(Search& search, RungRange rungs, int cap, int slack, TaskRandom& random,
           const MakeControl& control, long& ratings) {
    const int n = search.squareCount();
    const Technique hardest = static_cast<Technique>(cap - 1);
    Search::Rating now = search.rate(hardest);
    ++ratings;
    long far = distance(now, rungs, n);
    std::vector<int> choice;
    int lastGain = 0;
    auto done = [&] { return slack >= 0 ? now.candidates - n <= slack : reached(now, rungs, n); };
    for (int change = 0; change < kChangesPerAttempt; ++change) {
        if (done()) return true;
        if (cancelled(control) || change - lastGain > kStagnation) break;
        // Squares the techniques leave open, or any when they leave none.
        choice.clear();
        for (int s = 0; s < n; ++s)
            if (now.rung[s] == 0) choice.push_back(s);
        if (choice.empty())
            for (int s = 0; s < n; ++s)
                choice.push_back(s);
        int s = choice[random.below(static_cast<int>(choice.size()))];
        // Every other time a square of its runs instead, whose digit changes
        // a sum of them too.
        if (random.below(2) == 0) {
            const Run& run = search.run(search.runsOf(s)[random.below(2)]);
            s = run.squares[random.below(run.length)];
        }
        const int old = search.digit(s);
        const DigitSet free = search.freeDigits(s) & static_cast<DigitSet>(~digitBit(old));
        if (free == 0) continue;
        search.setDigit(s, chooseDigit(search, s, free, random));
        Search::Rating then = search.rate(hardest);
        ++ratings;
        const long thenFar = distance(then, rungs, n);
        if (thenFar < far) lastGain = change;
        if (thenFar <= far) {
            now = std::move(then);
            far = thenFar;
        } else {
            search.setDigit(s, old);
        }
    }
    return done();
}

}  // namespace

const char* taskSizeName(TaskSize size) {
    switch (size) {
        case TaskSize::kSmall:
            return "malá";
        case TaskSize::kMedium:
            return "střední";
        case TaskSize::kLarge:
            return "velká";
        case TaskSize::kStructure:
            break;
    }
    return "";
}

const char* gradeLetter(Difficulty grade) {
    switch (grade) {
        case Difficulty::kEasy:
            return "L";
        case Difficulty::kMedium:
            return "S";
        case Difficulty::kHard:
            return "T";
        default:
            return "V";
    }
}

std::vector<NamedStructure> readStructures(const std::vector<std::string>& lines) {
    std::vector<NamedStructure> structures;
    const std::vector<std::string> names = structureNames(lines);
    for (int k = 1; k <= static_cast<int>(names.size()); ++k) {
        EditorGrid grid;
        drawStructure(grid, lines, k);
        structures.push_back({names[k - 1], k, shapeOfGrid(grid)});
    }
    return structures;
}

TaskRequest requestForGrid(const EditorGrid& grid, Difficulty grade, int number) {
    TaskRequest request;
    request.grade = grade;
    request.number = number;
    bool empty = true;
    for (int r = 1; r <= kEditorSize; ++r)
        for (int c = 1; c <= kEditorSize; ++c)
            empty = empty && (grid.at(c, r).empty() || grid.at(c, r) == " ");
    if (!empty) {
        request.size = TaskSize::kStructure;
        request.structure.shape = shapeOfGrid(grid);
    }
    return request;
}

namespace {

// Why no task can be made for the request; empty when one can be tried.
std::string requestFault(const TaskRequest& request) {
    if (rungsOf(request.grade).lowest == 0 || request.number < 0 || request.number > kMaxTaskNumber)
        return "Taková úloha se nedělá.";
    if (request.size != TaskSize::kStructure) return {};
    const std::string fault = structureFault(request.structure.shape);
    if (fault.empty() && request.structure.shape.entryCount() == 0)
        return "Struktura nemá žádné políčko pro číslici.";
    return fault;
}

}  // namespace

MadeTask makeTask(const TaskRequest& request, const CombinationTable& table,
                  const MakeControl& control) {
    const auto start = std::chrono::steady_clock::now();
    MadeTask made;
    const RungRange rungs = rungsOf(request.grade);
    TaskRandom random(seedOf(request));
    auto finish = [&]() -> MadeTask& {
        made.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return made;
    };
    made.name = cp1250FromUtf8(std::string(gradeLetter(request.grade)) + " " + sizeTag(request) +
                               " " + std::to_string(request.number));
    made.description =
        describe(request.grade, sizeDescription(request.size, &request.structure), request.number);
    made.failure = requestFault(request);
    if (!made.failure.empty()) return finish();
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        if (cancelled(control)) {
            made.cancelled = true;
            made.failure = "Přerušeno.";
            return finish();
        }
        if (control.progress) control.progress(attempt, kMaxAttempts);
        made.attempts = attempt;
        TaskShape shape = request.structure.shape;
        if (request.size != TaskSize::kStructure) {
            const SizeSpec& sizeSpec = kSizes[static_cast<int>(request.size)];
            const auto drawn = randomShape(
                sizeSpec.side, sizeSpec.side, sizeSpec.minEntries, sizeSpec.maxEntries,
                request.grade == Difficulty::kEasy ? kLongestRunEasy : kLongestRunOther, random);
            if (!drawn) continue;
            shape = *drawn;
        }
        Search search(shape, table);
        if (!search.fill(random, kLean)) continue;
        // The trial techniques cost most on a task far from solved: the
        // very hard grade comes nearly solved without them first.
        if (rungs.highest > 6)
            climb(search, rungs, 6, kNearlySolved, random, control, made.ratings);
        if (!climb(search, rungs, rungs.highest, -1, random, control, made.ratings)) continue;
        // The task as the game reads it, proved.
        EditorGrid grid = search.grid();
        const Board board = taskBoard(grid);
        const ExactResult exact = solveExact(board, table, 2);
        if (exact.solutions != 1 || exact.exhausted) continue;
        const LogicalSolve solve = solveLogically(board, table);
        if (difficultyOf(solve) != request.grade) continue;
        made.made = true;
        made.grade = request.grade;
        made.grid = grid;
        made.text = taskText(grid, made.name);
        return finish();
    }
    made.failure = "Úlohu se nepodařilo vytvořit.";
    return finish();
}

std::optional<std::string> describeTaskName(const std::string& name,
                                            const std::vector<NamedStructure>& structures) {
    const std::size_t first = name.find(' ');
    const std::size_t second = first == std::string::npos ? first : name.find(' ', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const std::string letter = name.substr(0, first);
    const std::string size = name.substr(first + 1, second - first - 1);
    const std::string number = name.substr(second + 1);
    std::optional<Difficulty> grade;
    for (Difficulty d :
         {Difficulty::kEasy, Difficulty::kMedium, Difficulty::kHard, Difficulty::kVeryHard})
        if (letter == gradeLetter(d)) grade = d;
    const bool numeric =
        !number.empty() && number.size() <= 4 &&
        std::all_of(number.begin(), number.end(), [](char ch) { return ch >= '0' && ch <= '9'; }) &&
        (number == "0" || number[0] != '0');
    if (!grade || !numeric) return std::nullopt;
    std::string described;
    for (TaskSize s : {TaskSize::kSmall, TaskSize::kMedium, TaskSize::kLarge})
        if (size == std::to_string(kSizes[static_cast<int>(s)].side))
            described = sizeDescription(s, nullptr);
    for (const NamedStructure& structure : structures)
        if (size.size() == 1 && size[0] == 'a' + structure.place - 1)
            described = sizeDescription(TaskSize::kStructure, &structure);
    if (described.empty()) return std::nullopt;
    return describe(*grade, described, std::stoi(number));
}

}  // namespace krizovky
