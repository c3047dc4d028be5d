#pragma once

#include "tavrel/capital_for_risk.h"
#include "tavrel/partie_odds.h"
#include "tavrel/risk_curve.h"

#include <QString>

namespace tavrel::ui {

// The Risiko window's computed figures as the player reads them, in German
// notation.
struct RiskTexts {
    QString chance; // ends in plus
    QString risk;   // lost before a spin it cannot place
    QString expectedResult;
    QString expectedSpins;
    QString largestStake;
};

RiskTexts riskTexts(const PartieOdds& odds);

// What a figure says while it belongs to an earlier state or question.
inline const QString ComputingText = "wird berechnet …";

// The captions of the chance, the risk, the expected result and the expected
// spins: for the running partie, or for the spins left tonight.
struct FigureCaptions {
    QString chance, risk, expectedResult, expectedSpins;
};
FigureCaptions figureCaptions(const OddsQuestion& question);

// "5.976 Einheiten (95 %: 5.886 bis 6.076), simuliert", or why there is none.
QString capitalForRiskText(const CapitalForRisk& answer);

// A share as a percentage with two decimals. A share that is not 0 or 1 never
// rounds to either: a small risk reads "unter 0,01 %", not "0,00 %".
QString percentText(double share);
// Whole units with thousands separators: "1.000 Einheiten", "1 Einheit".
QString unitsText(std::int64_t units);
// A capital on the chart's axis: "1.000".
QString capitalText(std::int64_t units);

} // namespace tavrel::ui
