#include "risk_texts.h"

#include "german/german_numbers.h"

namespace tavrel::ui {

namespace {

QString decimalText(double value) { return QString::fromStdString(german::decimal(value, 2)); }

// " (95 %: 0,30 bis 0,50 %)": the 95 % interval of a simulated share.
QString shareInterval(double low, double high)
{
    return QString(" (95 %: %1 bis %2)").arg(percentText(low).chopped(2), percentText(high));
}

QString largestStakeText(const PartieOdds& odds)
{
    switch (odds.lostBeforeNextSpin) {
    case LostBefore::Stake:
        return "keiner: der nächste Einsatz ist höher als der Rest des Kapitals";
    case LostBefore::TableLimit:
        return "keiner: die Partie endet am Tischlimit";
    case LostBefore::Nothing:
        break;
    }
    return unitsText(odds.largestStake);
}

// What the risk counts as a lost partie, with or without a table limit.
QString riskCaption(bool tableLimit)
{
    return tableLimit ? "Risiko (Einsatz nicht mehr bezahlbar oder Tischlimit erreicht)"
                      : "Risiko (Einsatz nicht mehr bezahlbar)";
}

} // namespace

QString percentText(double share)
{
    const double percent = 100 * share;
    if (percent > 0 && percent < 0.005)
        return "unter 0,01 %";
    if (percent < 100 && percent >= 99.995)
        return QString("über 99,99 %");
    return QString::fromStdString(german::percent(share));
}

QString unitsText(std::int64_t units)
{
    return capitalText(units) + (units == 1 || units == -1 ? " Einheit" : " Einheiten");
}

QString capitalText(std::int64_t units)
{
    return QString::fromStdString(german::grouped(units));
}

FigureCaptions figureCaptions(const OddsQuestion& question)
{
    const QString risk = riskCaption(question.tableLimit != OddsQuestion::NoTableLimit);
    if (!question.spins)
        return {"Partie endet im Plus", risk, "Erwartetes Ergebnis", "Erwartete Coups bis zum Ende"};
    const QString spins = capitalText(*question.spins) + (*question.spins == 1 ? " Coup" : " Coups");
    return {"Keine Partie verloren in " + spins, risk + " in " + spins, "Erwartetes Ergebnis nach " + spins,
            "Erwartete gespielte Coups"};
}

RiskTexts riskTexts(const PartieOdds& odds)
{
    RiskTexts texts{
        .chance = percentText(odds.win),
        .risk = percentText(odds.ruin),
        .expectedResult = decimalText(odds.expectedResult) + " Einheiten",
        .expectedSpins = decimalText(odds.expectedSpins) + " Coups",
        .largestStake = largestStakeText(odds),
    };
    if (!odds.exact) {
        // Simulated: every figure says so, and those with an interval show it,
        // so that none hides how bad it may be.
        texts.chance += shareInterval(1 - odds.ruinHigh, 1 - odds.ruinLow) + ", simuliert";
        texts.risk += shareInterval(odds.ruinLow, odds.ruinHigh) + ", simuliert";
        texts.expectedResult += QString(" (95 %: %1 bis %2), simuliert")
                                    .arg(decimalText(odds.resultLow), decimalText(odds.resultHigh));
        texts.expectedSpins += ", simuliert";
    }
    return texts;
}

QString capitalForRiskText(const CapitalForRisk& answer)
{
    if (!answer.capital)
        return "keines bis " + unitsText(CurveReach) + ": dort bleiben " + percentText(answer.floor) +
               (answer.exact ? "" : ", simuliert");
    QString text = unitsText(*answer.capital);
    if (!answer.exact)
        text += QString(" (95 %: %1 bis %2), simuliert")
                    .arg(capitalText(answer.low), answer.high ? capitalText(*answer.high) : "über " + capitalText(CurveReach));
    return text;
}

} // namespace tavrel::ui
