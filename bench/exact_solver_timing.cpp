// The exact solver timed on every published puzzle beside the project, in
// plain C++ so that the same program runs natively and, built to WebAssembly,
// under Node.js: scripts/bench-web.sh compares the two.
//
//   exact_solver_timing [--runs N]
//
// Each pass solves every puzzle once, counting up to 2 solutions, as the
// benchmark of krizovky_bench does; N passes (5 unless told). Every solve must
// come out unique with the published solution, or the program stops with
// status 1. Prints, tab-separated, a line "puzzle NAME MS" per puzzle in file
// order with the median of its N times, then the median over the puzzles of
// those medians, their sum and the wall time of all passes (microseconds).
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "model/combination_table.h"
#include "model/text.h"
#include "solver/exact_solver.h"
#include "support/published_puzzles.h"

namespace {

using namespace krizovky;
using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// The middle value; the mean of the two middle ones for an even count.
double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

int usage() {
    std::fprintf(stderr, "usage: exact_solver_timing [--runs N]   (N from 1 to 1000)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "--runs") {
        const std::string& text = args[1];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
        if (error != std::errc() || end != text.data() + text.size() || runs < 1 || runs > 1000)
            return usage();
    } else if (!args.empty()) {
        return usage();
    }

    const auto& puzzles = testing::publishedPuzzles();
    if (puzzles.empty()) {
        std::fprintf(stderr, "no published puzzles at %s.kri\n",
                     testing::kPublishedPuzzles.c_str());
        return 1;
    }
    const CombinationTable& table = completeCombinationTable();

    std::vector<std::vector<double>> times(puzzles.size());
    const Clock::time_point allStart = Clock::now();
    for (int pass = 0; pass < runs; ++pass) {
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const Clock::time_point start = Clock::now();
            const ExactResult found = solveExact(puzzles[i].board, table, 2);
            times[i].push_back(microseconds(Clock::now() - start));
            if (found.solutions != 1 ||
                testing::entryDigits(found.first) != testing::entryDigits(puzzles[i].solved)) {
                std::fprintf(stderr, "not unique or not the published solution: %s\n",
                             utf8FromCp1250(puzzles[i].name).c_str());
                return 1;
            }
        }
    }
    const double wall = microseconds(Clock::now() - allStart);

    std::vector<double> medians;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        medians.push_back(median(times[i]));
        std::printf("puzzle\t%s\t%.2f\n", utf8FromCp1250(puzzles[i].name).c_str(), medians.back());
    }
    double sum = 0;
    for (double m : medians)
        sum += m;
    std::printf("puzzles\t%zu\nruns\t%d\nmedian\t%.2f\nsum of medians\t%.0f\nwall\t%.0f\n",
                puzzles.size(), runs, median(medians), sum, wall);
    return 0;
}
