#include "risk_dump.h"

#include "tavrel/partie_odds.h"

namespace tavrel::replay {

nlohmann::ordered_json riskDump(const TavrelSystem& system, const Risk& question)
{
    nlohmann::ordered_json dump = {
        {"bankroll", question.bankroll},
        {"limit", question.limit ? nlohmann::ordered_json(*question.limit) : nlohmann::ordered_json(nullptr)},
    };
    const auto odds = partieOdds(system, {question.bankroll, question.limit.value_or(OddsQuestion::NoTableLimit)});
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

} // namespace tavrel::replay
