#include "app/rules.h"

#include "model/errors.h"
#include "model/text.h"

namespace krizovky {

RulesText readRules(Storage& storage, const std::string& rulesFile) {
    RulesText rules;
    try {
        rules.lines = splitLines(storage.read(Place::kShipped, rulesFile));
    } catch (const RunError& e) {
        rules.problem = "Pravidla nelze načíst ze souboru " + rulesFile + ": " + e.what();
    }
    return rules;
}

}  // namespace krizovky
