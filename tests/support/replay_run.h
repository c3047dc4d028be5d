#pragma once

#include "replay_session.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace tavrel::replay {

// One run of the replay tool in process: its exit status, every line it wrote
// as JSON and as written, and what it reported.
struct ReplayRun {
    int status;
    std::vector<nlohmann::json> lines;
    std::string errors, output;
};

inline ReplayRun replay(const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out, err;
    ReplayRun run{runReplay(in, out, err), {}, err.str(), out.str()};
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(nlohmann::json::parse(line));
    return run;
}

} // namespace tavrel::replay
