#include "risk_texts.h"

#include <QLocale>

namespace tavrel::ui {

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

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
    return German.toString(percent, 'f', 2) + " %";
}

QString unitsText(std::int64_t units)
{
    return German.toString(qlonglong(units)) + (units == 1 || units == -1 ? " Einheit" : " Einheiten");
}

QString capitalText(std::int64_t units)
{
    return German.toString(qlonglong(units));
}

RiskTexts riskTexts(const PartieOdds& odds)
{
    RiskTexts texts{
        .chance = percentText(odds.win),
        .risk = percentText(odds.ruin),
        .expectedResult = German.toString(odds.expectedResult, 'f', 2) + " Einheiten",
        .expectedSpins = German.toString(odds.expectedSpins, 'f', 2) + " Coups",
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
