#include "report_text.h"

#include "german_numbers.h"

#include <string>

namespace tavrel::sim {

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

void percentileRow(std::ostream& out, const std::string& label, const Percentiles& p)
{
    out << "  " << label << right(figure(p.median), 12) << right(figure(p.p90), 12) << right(figure(p.p99), 12)
        << right(figure(p.max), 14) << '\n';
}

} // namespace

void writeTextReport(std::ostream& out, const Report& r)
{
    if (r.partial)
        out << "ABGEBROCHEN (Strg+C): nur die " << grouped(r.totals.sessions) << " fertigen Sessions\n";
    out << "Tavrel-Simulation: " << grouped(r.totals.sessions) << " Sessions, "
        << (r.seed ? "fairer Kessel mit einer Null (Seed " + std::to_string(*r.seed) + ")" : std::string("gespielte Coups"))
        << ", " << (r.stufeHalten ? "mit" : "ohne") << " „Stufe halten“\n\n";

    out << "  Coups gespielt            " << right(grouped(r.totals.spins), 16) << '\n'
        << "  Partien abgeschlossen     " << right(grouped(r.totals.partiesCompleted), 16) << '\n'
        << "  Partien offen am Ende     " << right(grouped(r.totals.partiesOpen), 16) << "\n\n";

    out << "  abgeschlossene Partien      Median        90 %        99 %     äußerstes\n";
    percentileRow(out, "Länge in Coups        ", r.partieLength);
    percentileRow(out, "tiefster Partie-Saldo ", r.deepestBalance);
    out << "  größter Einsatz eines Coups: Median der Sessions " << figure(r.largestStakeMedian) << ", höchster "
        << figure(r.largestStakeMax) << "\n\n";

    out << "  Umsatz (Summe der Einsätze) " << right(grouped(r.totals.turnover), 16) << '\n'
        << "  Ergebnis (Summe der Saldi)  " << right(grouped(r.totals.result), 16) << '\n'
        << "  Ergebnis je Umsatz          " << right(r.resultPerTurnover ? percent(*r.resultPerTurnover) : "–", 16)
        << "   (fairer Kessel: -1/37 = " << percent(FairWheelEdge) << ")\n\n";

    out << "  Ruinrisiko: Anteil der Sessions, in denen ein Partie-Saldo unter -B fiel\n"
        << "         Kapital B      Sessions       Anteil    95-%-Wilson-Intervall\n";
    for (const RuinRisk& risk : r.ruin)
        out << right(grouped(risk.bankroll), 18) << right(grouped(risk.ruinedSessions), 14)
            << right(percent(risk.share), 13) << "    " << percent(risk.low) << " – " << percent(risk.high) << '\n';

    out << "\n  Überläufe der geprüften Arithmetik (dort hört das Fenster auf auszuwerten):\n"
        << "    Gesamt (32 Bit), Coup nicht ausgewertet   " << right(grouped(r.totals.stoppedEvaluations), 10) << '\n'
        << "    Anzahl_Coups (32 Bit), Zähler steht       " << right(grouped(r.totals.stuckSpinCounters), 10) << '\n'
        << "\n  Perzentile nach dem Nearest-Rank-Verfahren.\n";
}

} // namespace tavrel::sim
