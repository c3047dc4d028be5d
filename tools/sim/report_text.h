#pragma once

#include "report.h"

#include <ostream>

namespace tavrel::sim {

// The report for reading, in German with the program's French betting words.
void writeTextReport(std::ostream& out, const Report& report);

} // namespace tavrel::sim
