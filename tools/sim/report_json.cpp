#include "report_json.h"

namespace tavrel::sim {

namespace {

nlohmann::ordered_json valueOrNull(const std::optional<std::int64_t>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json percentilesJson(const Percentiles& p)
{
    return {{"median", valueOrNull(p.median)},
            {"p90", valueOrNull(p.p90)},
            {"p99", valueOrNull(p.p99)},
            {"max", valueOrNull(p.max)}};
}

} // namespace

nlohmann::ordered_json reportJson(const Report& r)
{
    nlohmann::ordered_json ruin = nlohmann::ordered_json::array();
    for (const RuinRisk& risk : r.ruin)
        ruin.push_back({{"bankroll", risk.bankroll},
                        {"sessions", risk.ruinedSessions},
                        {"share", risk.share},
                        {"low", risk.low},
                        {"high", risk.high}});
    return {
        {"seed", r.seed ? nlohmann::ordered_json(*r.seed) : nlohmann::ordered_json(nullptr)},
        {"stufeHalten", r.stufeHalten},
        {"partial", r.partial},
        {"sessions", r.totals.sessions},
        {"spins", r.totals.spins},
        {"partiesCompleted", r.totals.partiesCompleted},
        {"partiesOpen", r.totals.partiesOpen},
        {"partieLength", percentilesJson(r.partieLength)},
        {"deepestBalance", percentilesJson(r.deepestBalance)},
        {"largestStake", {{"median", valueOrNull(r.largestStakeMedian)}, {"max", valueOrNull(r.largestStakeMax)}}},
        {"turnover", r.totals.turnover},
        {"result", r.totals.result},
        {"resultPerTurnover", r.resultPerTurnover ? nlohmann::ordered_json(*r.resultPerTurnover) : nlohmann::ordered_json(nullptr)},
        {"fairWheelEdge", FairWheelEdge},
        {"ruin", ruin},
        {"overflows", {{"gesamt", r.totals.stoppedEvaluations}, {"anzahlCoups", r.totals.stuckSpinCounters}}},
        {"percentiles", "nearest-rank"},
    };
}

} // namespace tavrel::sim
