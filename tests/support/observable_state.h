#pragma once

#include "tavrel/tavrel_system.h"

#include <string>
#include <vector>

namespace tavrel::test {

// Everything a player could see or the rules could read: the variables, every
// control, and the stake table's texts.
struct ObservableState {
    M_Tavrel variables;
    ControlsSnapshot controls;
    std::vector<std::vector<std::string>> rows;

    bool operator==(const ObservableState&) const = default;
};

ObservableState capture(const TavrelSystem& sys);

} // namespace tavrel::test
