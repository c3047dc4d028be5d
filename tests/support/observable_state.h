#pragma once

#include "tavrel/tavrel_system.h"

#include <string>
#include <vector>

namespace tavrel::test {

// Everything a player could see or the rules could read: the variables and
// every control model, stake table included.
struct ObservableState {
    M_Tavrel variables;
    std::vector<std::string> list;
    std::vector<long long> flagsAndColours;
    std::vector<std::string> captions;
    std::vector<std::vector<std::string>> rows;
    int currentRow = 0;

    bool operator==(const ObservableState&) const = default;
};

ObservableState capture(const TavrelSystem& sys);

} // namespace tavrel::test
