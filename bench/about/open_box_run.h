#pragma once

#include <vector>

// What the About box did while it stood open with its real loop.
struct OpenBoxRun {
    std::vector<double> framePeriodsMs; // from one shown frame to the next
    double cpuShareOfOneCore;           // process CPU time over wall time
    int liveParticles;                  // at the end of the run
};

// Opens a fresh box and runs its loop for `seconds`, with a mouse button held
// at the middle of the box throughout if `buttonHeld`, then closes it.
OpenBoxRun runOpenBox(double seconds, bool buttonHeld);
