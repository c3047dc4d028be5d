#include "replay_session.h"

#include <iostream>

// Replays clicks, switch toggles and resets from standard input against the
// betting system without a window, and prints its state as JSON.
int main()
{
    std::ios::sync_with_stdio(false);
    return tavrel::replay::runReplay(std::cin, std::cout, std::cerr);
}
