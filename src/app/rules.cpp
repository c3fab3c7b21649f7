#include "app/rules.h"

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/text.h"

namespace krizovky {

RulesText readRules(const std::string& rulesFile) {
    RulesText rules;
    try {
        rules.lines = splitLines(readFileBytes(rulesFile));
    } catch (const RunError& e) {
        rules.problem = "Pravidla nelze načíst ze souboru " + rulesFile + ": " + e.what();
    }
    return rules;
}

}  // namespace krizovky
