#include "sim.h"

#include "tavrel/risk_curve.h"

#include <algorithm>
#include <cmath>

namespace tavrel::sim {

std::string sessionsText(std::uint64_t count)
{
    return grouped(count) + (count == 1 ? " Session" : " Sessions");
}

std::string riskText(double share)
{
    int places = 0;
    for (double scaled = share * 100; places < 6 && std::abs(scaled - std::round(scaled)) > 1e-9; scaled *= 10)
        ++places;
    return percent(share, places);
}

namespace {

std::optional<std::int64_t> larger(std::optional<std::int64_t> a, std::optional<std::int64_t> b)
{
    if (a && b)
        return std::max(*a, *b);
    return a ? a : b;
}

std::optional<std::int64_t> negated(std::optional<std::int64_t> value)
{
    if (value)
        return -*value;
    return value;
}

// The percentiles of the completed parties, the extreme of every partie.
Percentiles percentilesOf(const Tally& completed, const Tally& open)
{
    return {completed.percentile(50), completed.percentile(90), completed.percentile(99),
            larger(completed.max(), open.max())};
}

} // namespace

Report makeReport(const RunTotals& totals, const std::vector<std::int64_t>& bankrolls, double risk, bool partial)
{
    Report report;
    report.partial = partial;
    report.risk = risk;
    // A session is ruined at every capital below its largest need, so one run
    // answers for every capital.
    if (totals.sessions > 0)
        report.capitalForRisk = capitalForShare(totals.capitalNeeds.counts(), totals.sessions, risk, CurveReach);
    report.totals = totals;
    if (totals.turnover != 0)
        report.resultPerTurnover = static_cast<double>(totals.result) / static_cast<double>(totals.turnover);
    report.partieLength = percentilesOf(totals.partieLengths, totals.openLengths);
    const Percentiles drawdown = percentilesOf(totals.partieDrawdowns, totals.openDrawdowns);
    report.deepestBalance = {negated(drawdown.median), negated(drawdown.p90), negated(drawdown.p99),
                             negated(drawdown.max)};
    report.openLongest = totals.openLengths.max();
    report.openDeepest = negated(totals.openDrawdowns.max());
    report.largestStakeMedian = totals.largestStakes.percentile(50);
    report.largestStakeMax = totals.largestStakes.max();
    for (const std::int64_t bankroll : bankrolls) {
        RuinRisk risk{bankroll, std::nullopt};
        if (totals.sessions > 0) {
            const std::uint64_t ruined = totals.capitalNeeds.countAbove(bankroll);
            const ShareInterval interval = wilsonInterval(ruined, totals.sessions);
            risk.observed = {ruined, static_cast<double>(ruined) / static_cast<double>(totals.sessions), interval.low,
                             interval.high};
        }
        report.ruin.push_back(risk);
    }
    return report;
}

namespace {

std::string figure(const std::optional<std::int64_t>& value)
{
    return value ? grouped(*value) : "–";
}

// Right-aligned in a field of the given width; counts characters, not bytes.
std::string right(const std::string& text, std::size_t width)
{
    std::size_t characters = 0;
    for (const unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    return std::string(width > characters ? width - characters : 0, ' ') + text;
}

std::string capitalForRiskText(const std::optional<CapitalForRisk>& answer)
{
    if (!answer)
        return "–";
    if (!answer->capital)
        return "keines bis " + grouped(CurveReach) + ": dort bleiben " + percent(answer->floor);
    return grouped(*answer->capital) + " (95 %: " + grouped(answer->low) + " bis "
           + (answer->high ? grouped(*answer->high) : "über " + grouped(CurveReach)) + ")";
}

void percentileRow(std::ostream& out, const std::string& label, const Percentiles& p)
{
    out << "  " << label << right(figure(p.median), 12) << right(figure(p.p90), 12) << right(figure(p.p99), 12)
        << right(figure(p.max), 16) << '\n';
}

} // namespace

void writeTextReport(std::ostream& out, const Report& r)
{
    const RunTotals& t = r.totals;
    if (r.partial)
        out << "ABGEBROCHEN (Strg+C): der Bericht zählt nur die fertigen Sessions\n";
    out << "Tavrel-Simulation: " << sessionsText(t.sessions) << ", "
        << (r.seed ? "fairer Kessel mit einer Null (Seed " + std::to_string(*r.seed) + ")" : std::string("gespielte Coups"))
        << ", " << (r.play.stufeHalten ? "mit" : "ohne") << " „Stufe halten“"
        << (r.play.limit ? ", Tischlimit " + grouped(std::int64_t{*r.play.limit}) + " Einheiten je Cheval" : "") << "\n\n";
    if (t.firstStopSpin)
        out << "ACHTUNG: In " << sessionsText(t.stoppedSessions)
            << " endete die Auswertung nach einem Überlauf von Gesamt (32 Bit), zuerst bei Coup "
            << grouped(*t.firstStopSpin) << ".\nDie späteren Coups " << (t.stoppedSessions == 1 ? "dieser Session" : "dieser Sessions")
            << " zählen weder im Umsatz noch im Ergebnis, noch in den Partien.\n\n";

    out << "  Coups gespielt            " << right(grouped(t.spins), 16) << '\n'
        << "  davon ausgewertet         " << right(grouped(t.evaluatedSpins), 16) << '\n'
        << "  Partien abgeschlossen     " << right(grouped(t.partiesCompleted), 16) << '\n';
    if (r.play.limit)
        out << "  davon vor dem Tischlimit aufgegeben " << right(grouped(t.partiesGivenUp), 6) << '\n';
    out << "  Partien offen am Ende     " << right(grouped(t.openLengths.count()), 16);
    if (t.openLengths.count() > 0)
        out << "   längste " << figure(r.openLongest) << " Coups, tiefster Saldo " << figure(r.openDeepest);
    out << "\n\n";

    out << "  Partien                     Median        90 %        99 %       äußerstes\n";
    percentileRow(out, "Länge in Coups        ", r.partieLength);
    percentileRow(out, "tiefster Partie-Saldo ", r.deepestBalance);
    out << "  (Median und Perzentile: abgeschlossene Partien; äußerstes: alle, auch die offenen)\n"
        << "  größter Einsatz eines Coups: Median der Sessions " << figure(r.largestStakeMedian) << ", höchster "
        << figure(r.largestStakeMax) << "\n\n";

    out << "  Umsatz (Summe der Einsätze) " << right(grouped(t.turnover), 16) << '\n'
        << "  Ergebnis (Summe der Saldi)  " << right(grouped(t.result), 16) << '\n'
        << "  Ergebnis je Umsatz          " << right(r.resultPerTurnover ? percent(*r.resultPerTurnover) : "–", 16)
        << "   (fairer Kessel: -1/37 = " << percent(FairWheelEdge) << ")\n\n";

    out << "  Ruinrisiko: Anteil der Sessions, in denen ein Einsatz den Rest von B überstieg\n"
        << "  (Rest von B: B plus der Saldo der Partie vor dem Coup; jede Partie hat B von neuem)\n"
        << "         Kapital B      Sessions       Anteil    95-%-Wilson-Intervall\n";
    for (const RuinRisk& risk : r.ruin) {
        out << right(grouped(risk.bankroll), 18);
        if (const auto& o = risk.observed)
            out << right(grouped(o->ruinedSessions), 14) << right(percent(o->share), 13) << "    " << percent(o->low)
                << " – " << percent(o->high) << '\n';
        else
            out << right("–", 14) << right("–", 13) << "    –\n";
    }
    out << "  Kapital für höchstens " << riskText(r.risk) << " Risiko: " << capitalForRiskText(r.capitalForRisk) << '\n';

    out << "\n  Überlauf von Anzahl_Coups (32 Bit), Zähler steht " << right(grouped(t.stuckSpinCounters), 10) << '\n'
        << "\n  Perzentile nach dem Nearest-Rank-Verfahren.\n";
}

namespace {

using Json = nlohmann::ordered_json;

template <class T>
Json valueOrNull(const std::optional<T>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

Json percentilesJson(const Percentiles& p)
{
    return {{"median", valueOrNull(p.median)}, {"p90", valueOrNull(p.p90)}, {"p99", valueOrNull(p.p99)},
            {"max", valueOrNull(p.max)}};
}

Json capitalForRiskJson(const Report& r)
{
    const auto& answer = r.capitalForRisk;
    Json json = {{"risk", r.risk},
                 {"capital", answer ? valueOrNull(answer->capital) : Json(nullptr)},
                 {"low", answer ? Json(answer->low) : Json(nullptr)},
                 {"high", answer ? valueOrNull(answer->high) : Json(nullptr)}};
    // What remains at the largest capital, when none gets there.
    if (answer && !answer->capital)
        json["floor"] = answer->floor;
    return json;
}

} // namespace

nlohmann::ordered_json reportJson(const Report& r)
{
    const RunTotals& t = r.totals;
    Json ruin = Json::array();
    for (const RuinRisk& risk : r.ruin) {
        const auto& o = risk.observed;
        ruin.push_back({{"bankroll", risk.bankroll},
                        {"sessions", o ? Json(o->ruinedSessions) : Json(nullptr)},
                        {"share", o ? Json(o->share) : Json(nullptr)},
                        {"low", o ? Json(o->low) : Json(nullptr)},
                        {"high", o ? Json(o->high) : Json(nullptr)}});
    }
    return {
        {"seed", valueOrNull(r.seed)},
        {"stufeHalten", r.play.stufeHalten},
        {"limit", valueOrNull(r.play.limit)},
        {"partial", r.partial},
        {"sessions", t.sessions},
        {"spins", t.spins},
        {"evaluatedSpins", t.evaluatedSpins},
        {"evaluationStopped", {{"sessions", t.stoppedSessions}, {"firstSpin", valueOrNull(t.firstStopSpin)}}},
        {"partiesCompleted", t.partiesCompleted},
        {"partiesGivenUp", t.partiesGivenUp},
        {"partiesOpen", t.openLengths.count()},
        {"openParties", {{"longest", valueOrNull(r.openLongest)}, {"deepest", valueOrNull(r.openDeepest)}}},
        {"partieLength", percentilesJson(r.partieLength)},
        {"deepestBalance", percentilesJson(r.deepestBalance)},
        {"largestStake", {{"median", valueOrNull(r.largestStakeMedian)}, {"max", valueOrNull(r.largestStakeMax)}}},
        {"turnover", t.turnover},
        {"result", t.result},
        {"resultPerTurnover", valueOrNull(r.resultPerTurnover)},
        {"fairWheelEdge", FairWheelEdge},
        {"ruin", ruin},
        {"capitalForRisk", capitalForRiskJson(r)},
        {"overflows", {{"anzahlCoups", t.stuckSpinCounters}}},
        {"percentiles", "nearest-rank"},
    };
}

} // namespace tavrel::sim
