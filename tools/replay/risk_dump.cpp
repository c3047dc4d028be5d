#include "risk_dump.h"

#include "tavrel/capital_for_risk.h"
#include "tavrel/partie_odds.h"

namespace tavrel::replay {

namespace {

using Json = nlohmann::ordered_json;

Json orNull(const std::optional<std::int64_t>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

} // namespace

Json riskDump(const TavrelSystem& system, const Risk& question)
{
    Json dump = {{"bankroll", question.bankroll}, {"limit", orNull(question.limit)}, {"spins", orNull(question.spins)}};
    const auto odds = partieOdds(
        system, {question.bankroll, question.limit.value_or(OddsQuestion::NoTableLimit), question.spins});
    if (!odds) {
        for (const char* figure : {"win", "ruin", "expectedResult", "expectedSpins"})
            dump[figure] = nullptr;
        dump["exact"] = true;
        return dump;
    }
    dump["win"] = odds->win;
    dump["ruin"] = odds->ruin;
    dump["expectedResult"] = odds->expectedResult;
    dump["expectedSpins"] = odds->expectedSpins;
    dump["exact"] = odds->exact;
    if (!odds->exact) {
        dump["low"] = odds->ruinLow;
        dump["high"] = odds->ruinHigh;
        dump["resultLow"] = odds->resultLow;
        dump["resultHigh"] = odds->resultHigh;
    }
    return dump;
}

Json capitalDump(const TavrelSystem& system, const Capital& question)
{
    Json dump = {{"risk", question.risk}, {"limit", orNull(question.limit)}, {"spins", orNull(question.spins)}};
    const OddsQuestion odds(1, question.limit.value_or(OddsQuestion::NoTableLimit), question.spins);
    const auto answer = capitalForRisk(system, odds, question.risk);
    dump["capital"] = answer ? orNull(answer->capital) : Json(nullptr);
    if (answer && !answer->capital)
        dump["floor"] = answer->floor;
    dump["exact"] = !answer || answer->exact;
    if (answer && answer->capital && !answer->exact) {
        dump["low"] = answer->low;
        dump["high"] = orNull(answer->high);
    }
    return dump;
}

} // namespace tavrel::replay
