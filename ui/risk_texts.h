#pragma once

#include "tavrel/partie_odds.h"

#include <QString>

namespace tavrel::ui {

// The Risiko window's figures as the player reads them, in German notation.
struct RiskTexts {
    QString chance;        // ends in plus
    QString risk;          // loses more than the capital
    QString expectedResult;
    QString expectedSpins;
    QString nextStake;
    QString largestStake;
};

RiskTexts riskTexts(const PartieOdds& odds);

// A share as a percentage with two decimals. A share that is not 0 or 1 never
// rounds to either: a small risk reads "unter 0,01 %", not "0,00 %".
QString percentText(double share);
// Whole units with thousands separators: "1.000 Einheiten", "1 Einheit".
QString unitsText(std::int64_t units);
// A capital on the chart's axis: "1.000".
QString capitalText(std::int64_t units);

} // namespace tavrel::ui
