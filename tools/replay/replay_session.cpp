#include "replay_session.h"

#include "particle_session.h"
#include "replay_command.h"
#include "risk_dump.h"
#include "state_dump.h"
#include "tavrel/player_session.h"
#include "checked/runtime_error.h"

#include <istream>
#include <ostream>
#include <string>

namespace tavrel::replay {

namespace {

struct Apply {
    PlayerSession& session;
    ParticleSession& particles;
    std::ostream& out;

    void operator()(TableEvent e) const { session.play(e); }
    void operator()(Dump) const { out << stateDump(session).dump() << '\n' << std::flush; }
    void operator()(const Risk& r) const { out << riskDump(session.system(), r).dump() << '\n' << std::flush; }
    void operator()(const Capital& c) const { out << capitalDump(session.system(), c).dump() << '\n' << std::flush; }
    void operator()(const ParticleCommand& c) const { particles.run(c, out); }
};

} // namespace

int runReplay(std::istream& in, std::ostream& out, std::ostream& err)
{
    PlayerSession session;
    ParticleSession particles;
    const Apply apply{session, particles, out};

    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const ParsedLine parsed = parseLine(line);
        if (!parsed.error.empty()) {
            err << "tavrel-replay: line " << lineNumber << ": " << parsed.error << ": " << line << '\n';
            return MalformedLine;
        }
        try {
            if (parsed.command)
                std::visit(apply, *parsed.command);
        } catch (const RuntimeError& error) {
            err << "tavrel-replay: line " << lineNumber << ": run-time error (" << error.what() << "): " << line << '\n';
            return RunTimeFailure;
        }
    }
    apply(Dump{});
    return Ok;
}

} // namespace tavrel::replay
