#pragma once

#include "tavrel/tavrel_system.h"

#include <string>
#include <vector>

namespace tavrel::test {

// What the system must hold between any two user events: every broken rule, in words.
std::vector<std::string> invariantViolations(const TavrelSystem& sys);

} // namespace tavrel::test
