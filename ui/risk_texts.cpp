#include "risk_texts.h"

#include "german/german_numbers.h"

namespace tavrel::ui {

namespace {

// "0,30 bis 0,50 %": the 95 % interval of a simulated share.
QString intervalText(double low, double high)
{
    return QString(" (95 %: %1 bis %2)").arg(percentText(low).chopped(2), percentText(high));
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

RiskTexts riskTexts(const PartieOdds& odds)
{
    RiskTexts texts{
        .chance = percentText(odds.win),
        .risk = percentText(odds.ruin),
        .expectedResult = QString::fromStdString(german::decimal(odds.expectedResult, 2)) + " Einheiten",
        .expectedSpins = QString::fromStdString(german::decimal(odds.expectedSpins, 2)) + " Coups",
        .nextStake = unitsText(odds.nextStake),
        .largestStake = "höchstens " + unitsText(odds.largestStake),
    };
    if (!odds.exact) {
        // Simulated: the interval goes with both shares, so neither hides how
        // bad it may be.
        texts.chance += intervalText(1 - odds.ruinHigh, 1 - odds.ruinLow) + ", simuliert";
        texts.risk += intervalText(odds.ruinLow, odds.ruinHigh) + ", simuliert";
        texts.expectedResult += ", simuliert";
        texts.expectedSpins += ", simuliert";
    }
    return texts;
}

} // namespace tavrel::ui
