#include "solver/explanations.h"

#include <bit>
#include <string>
#include <vector>

#include "model/combination_table.h"
#include "model/czech_plural.h"
#include "model/digit_set.h"
#include "model/text.h"

namespace krizovky {
std::string squareText(int row, int col) {
    return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

namespace {

using krizovky::squareText;

std::string squareText(const SquareRef& s) {
    return squareText(s.row, s.col);
}

// "3", "1 a 3", "1, 3 a 9"
std::string digitList(DigitSet set) {
    std::string text;
    const int count = std::popcount(set);
    int i = 0;
    for (int d = 1; d <= 9; ++d) {
        if ((set & digitBit(d)) == 0) continue;
        if (i > 0) text += i == count - 1 ? " a " : ", ";
        text += std::to_string(d);
        ++i;
    }
    return text;
}

// "1 + 3 + 9"
std::string comboText(DigitSet set) {
    std::string text;
    for (int d = 1; d <= 9; ++d)
        if ((set & digitBit(d)) != 0) text += (text.empty() ? "" : " + ") + std::to_string(d);
    return text;
}

std::string joinTexts(const std::vector<std::string>& parts, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? last : ", ";
        text += parts[i];
    }
    return text;
}

// "ve dvou políčkách"
std::string inSquares(int count) {
    static const char* const words[] = {
        "v žádném políčku",     "v jednom políčku",  "ve dvou políčkách", "ve třech políčkách",
        "ve čtyřech políčkách", "v pěti políčkách",  "v šesti políčkách", "v sedmi políčkách",
        "v osmi políčkách",     "v devíti políčkách"};
    return count >= 0 && count <= 9 ? words[count] : "v " + std::to_string(count) + " políčkách";
}

// "dvě políčka, dvě cifry", "pět políček, pět cifer"
std::string squaresAndDigits(int count) {
    static const char* const words[] = {"",    "",     "dvě",  "tři", "čtyři",
                                        "pět", "šest", "sedm", "osm"};
    const std::string word = count >= 2 && count <= 8 ? words[count] : std::to_string(count);
    return word + " " + czechPlural(count, "políčko", "políčka", "políček") + ", " + word + " " +
           czechPlural(count, "cifra", "cifry", "cifer");
}

// "přes 3 řady", "přes 5 řad"
std::string throughRuns(int count) {
    return "přes " + std::to_string(count) + " " + czechPlural(count, "řadu", "řady", "řad");
}

enum class Case { kNominative, kGenitive, kLocative };

// "vodorovná řada se součtem 12 (políčka (2, 2) až (2, 4))" in the case asked.
std::string runText(const RunRef& run, const Board& board, Case grammaticalCase) {
    int sum = 0;
    int length = 0;
    const int dr = run.across ? 0 : 1;
    const int dc = run.across ? 1 : 0;
    if (Board::onBoard(run.row, run.col)) {
        const Cell& clue = board.at(run.row, run.col);
        sum = run.across ? clue.acrossSum : clue.downSum;
        while (board.isEntry(run.row + (length + 1) * dr, run.col + (length + 1) * dc))
            ++length;
    }
    std::string text;
    switch (grammaticalCase) {
        case Case::kNominative:
            text = run.across ? "vodorovná řada" : "svislá řada";
            break;
        case Case::kGenitive:
            text = run.across ? "vodorovné řady" : "svislé řady";
            break;
        case Case::kLocative:
            text = run.across ? "ve vodorovné řadě" : "ve svislé řadě";
            break;
    }
    text += " se součtem " + std::to_string(sum);
    if (length == 1) {
        text += " (políčko " + squareText(run.row + dr, run.col + dc) + ")";
    } else if (length > 1) {
        text += " (políčka " + squareText(run.row + dr, run.col + dc) + " až " +
                squareText(run.row + length * dr, run.col + length * dc) + ")";
    }
    return text;
}

std::string capitalized(std::string text) {
    // Every text this is used on begins with a plain ASCII letter.
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// "Proto z políčka (2, 3) odpadají 4 a 7 a do políčka (3, 5) patří 1."
std::string consequences(const Deduction& d) {
    std::vector<std::string> parts;
    for (const Elimination& e : d.eliminations) {
        const Placement* placed = nullptr;
        for (const Placement& p : d.placements)
            if (p.row == e.row && p.col == e.col) placed = &p;
        if (placed) {
            parts.push_back("do políčka " + squareText(e.row, e.col) + " patří " +
                            std::to_string(placed->digit));
        } else {
            parts.push_back("z políčka " + squareText(e.row, e.col) +
                            (std::popcount(e.removed) == 1 ? " odpadá " : " odpadají ") +
                            digitList(e.removed));
        }
    }
    if (parts.empty()) return "";
    return " Proto " + joinTexts(parts, " a ") + ".";
}

// What every explanation reads from the deduction: its runs and squares as
// texts, and its combinations.
class Told {
  public:
    Told(const Deduction& deduction, const Board& board) : d(deduction), board_(board) {
        for (DigitSet c : d.combinations)
            combos.push_back(comboText(c));
    }

    std::string run(std::size_t i, Case c) const {
        return i < d.runs.size() ? runText(d.runs[i], board_, c) : std::string("řada");
    }
    std::string square(std::size_t i) const {
        return i < d.squares.size() ? squareText(d.squares[i]) : std::string("(?)");
    }

    const Deduction& d;
    std::vector<std::string> combos;

  private:
    const Board& board_;
};

std::string singleCombination(const Told& t) {
    const Deduction& d = t.d;
    const DigitSet combo = d.combinations.empty() ? 0 : d.combinations.front();
    const int length = std::popcount(combo);
    int sum = 0;
    for (int digit = 1; digit <= 9; ++digit)
        sum += (combo & digitBit(digit)) != 0 ? digit : 0;
    if (length == 1)
        return capitalized(t.run(0, Case::kNominative)) +
               " má jediné políčko, to tedy nese celý součet." + consequences(d);
    const auto group = completeCombinationTable().lookup(sum, length);
    const std::string text = group && group->count == 1
                                 ? "Součet " + std::to_string(sum) + " " + inSquares(length) +
                                       " má jedinou kombinaci " + comboText(combo) + ", takže " +
                                       t.run(0, Case::kNominative) + " může mít jen cifry "
                                 : capitalized(t.run(0, Case::kLocative)) +
                                       " zbývá jediná kombinace " + comboText(combo) +
                                       ", takže její políčka mohou mít jen cifry ";
    return text + digitList(combo) + ", každou jednou." + consequences(d);
}

std::string runIntersection(const Told& t) {
    const Deduction& d = t.d;
    std::string text;
    for (std::size_t i = 0; i < 2 && i < d.allowed.size(); ++i) {
        const DigitSet allowed = d.allowed[i];
        const std::string digits = allowed == kAllDigits ? "kteroukoli cifru"
                                   : allowed == 0        ? "žádnou cifru"
                                   : single(allowed)     ? "jen cifru " + digitList(allowed)
                                                         : "cifry " + digitList(allowed);
        text += i == 0 ? capitalized(t.run(0, Case::kNominative)) + " dovoluje v políčku " +
                             t.square(0) + " " + digits
                       : ", " + t.run(1, Case::kNominative) + " " + digits;
    }
    return text + "." + consequences(d);
}

std::string onlyPlace(const Told& t) {
    const std::string digit = digitList(t.d.digits);
    const std::string text =
        t.combos.size() == 1 ? "Jediná zbývající kombinace " + t.run(0, Case::kGenitive) + ", " +
                                   t.combos.front() + ", obsahuje cifru " + digit
                             : "Všechny zbývající kombinace " + t.run(0, Case::kGenitive) + ", " +
                                   joinTexts(t.combos, " a ") + ", obsahují cifru " + digit;
    return text + " a z políček řady ji může mít jen " + t.square(0) + "." + consequences(t.d);
}

// Why each combination goes, from the candidates before.
std::string combinationExclusion(const Told& t) {
    const Deduction& d = t.d;
    DigitSet decided = 0;
    DigitSet open = 0;
    for (std::size_t i = 0; i < d.candidates.size(); ++i)
        (single(d.candidates[i]) ? decided : open) |= d.candidates[i];
    std::vector<std::string> parts;
    for (DigitSet combo : d.combinations) {
        const DigitSet needs = combo & ~decided;
        const DigitSet missing = needs & ~open;
        std::string why;
        if (missing != 0) {
            why = (single(missing) ? "cifru " : "cifry ") + digitList(missing) +
                  " nemůže mít žádné volné políčko řady";
        } else {
            for (std::size_t i = 0; i < d.candidates.size() && why.empty(); ++i)
                if (!single(d.candidates[i]) && (d.candidates[i] & needs) == 0)
                    why = "políčko " + t.square(i) + " nemůže mít žádnou její cifru";
        }
        parts.push_back(comboText(combo) + (why.empty() ? "" : " (" + why + ")"));
    }
    return capitalized(t.run(0, Case::kLocative)) +
           (parts.size() == 1 ? " odpadá kombinace " : " odpadají kombinace ") +
           joinTexts(parts, " a ") + "." + consequences(d);
}

std::string closedGroup(const Told& t) {
    std::vector<std::string> squares;
    for (std::size_t i = 0; i < t.d.squares.size(); ++i)
        squares.push_back(t.square(i));
    const int size = static_cast<int>(t.d.squares.size());
    return "Políčka " + joinTexts(squares, " a ") + " " + t.run(0, Case::kGenitive) +
           " mohou mít dohromady jen cifry " + digitList(t.d.digits) + ": " +
           squaresAndDigits(size) +
           ". Ty cifry tedy patří jim a v ostatních políčkách řady být nemohou." +
           consequences(t.d);
}

std::string arrangement(const Told& t) {
    std::string text = "Kombinace " + t.run(0, Case::kGenitive) +
                       " platí, jen když jde její cifry rozmístit do políček řady tak, "
                       "aby každé dostalo jinou cifru z těch, které může mít.";
    if (t.combos.size() == 1)
        text += " Kombinaci " + t.combos.front() + " tak rozmístit nejde, proto odpadá.";
    else if (t.combos.size() > 1)
        text +=
            " Kombinace " + joinTexts(t.combos, " a ") + " tak rozmístit nejde, proto odpadají.";
    if (!t.d.eliminations.empty())
        text +=
            " Každému políčku zůstávají jen cifry, které mu dává některé takové "
            "rozmístění.";
    return text + consequences(t.d);
}

// křížení řad and řetěz důsledků
std::string trial(const Told& t) {
    const Deduction& d = t.d;
    const std::string digit = digitList(d.digits);
    std::string text = "Zkusme do políčka " + t.square(0) + " dát " + digit + ". ";
    text += d.technique == Technique::kCrossing
                ? "Už v jeho dvou řadách a v řadách, které je kříží, by pak"
                : "Po řetězu důsledků " + throughRuns(static_cast<int>(d.runs.size())) + " by pak";
    text += " políčku " + t.square(1) + " nezbyla žádná cifra. Cifra " + digit +
            " tedy do políčka " + t.square(0) + " nepatří";
    text += ".";
    for (const Placement& p : d.placements)
        text += " Zbývá tam jen " + std::to_string(p.digit) + ".";
    return text;
}

std::string explanationOf(const Deduction& d, const Board& board) {
    const Told told(d, board);
    switch (d.technique) {
        case Technique::kSingleCombination:
            return singleCombination(told);
        case Technique::kRunIntersection:
            return runIntersection(told);
        case Technique::kOnlyPlace:
            return onlyPlace(told);
        case Technique::kCombinationExclusion:
            return combinationExclusion(told);
        case Technique::kClosedGroup:
            return closedGroup(told);
        case Technique::kArrangement:
            return arrangement(told);
        case Technique::kCrossing:
        case Technique::kChain:
            return trial(told);
    }
    return "";
}

}  // namespace

const char* techniqueName(Technique t) {
    switch (t) {
        case Technique::kSingleCombination:
            return "jediná kombinace";
        case Technique::kRunIntersection:
            return "průsečík řad";
        case Technique::kOnlyPlace:
            return "jediné místo";
        case Technique::kCombinationExclusion:
            return "vyloučení kombinací";
        case Technique::kClosedGroup:
            return "uzavřená skupina";
        case Technique::kArrangement:
            return "rozmístění v řadě";
        case Technique::kCrossing:
            return "křížení řad";
        case Technique::kChain:
            return "řetěz důsledků";
    }
    return "";
}

const char* difficultyName(Difficulty d) {
    switch (d) {
        case Difficulty::kEasy:
            return "lehká";
        case Difficulty::kMedium:
            return "střední";
        case Difficulty::kHard:
            return "těžká";
        case Difficulty::kVeryHard:
            return "velmi těžká";
        case Difficulty::kNeedsTrial:
            return "vyžaduje zkoušení";
    }
    return "";
}

std::string explainDeduction(const Deduction& d, const Board& board) {
    return explanationOf(d, board);
}

}  // namespace krizovky
