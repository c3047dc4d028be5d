#pragma once

#include "report.h"

#include <string>

namespace tavrel::sim {

// Draws the risk of ruin against the bankroll and the share of parties that
// fell deeper than a balance, both over a logarithmic axis of units, into an
// 800 x 500 PNG. Needs a QGuiApplication for its fonts. False if the file
// could not be written.
bool writeRuinChart(const Report& report, const std::string& path);

} // namespace tavrel::sim
