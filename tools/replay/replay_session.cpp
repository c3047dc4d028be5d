#include "replay_session.h"

#include "particle_session.h"
#include "replay_command.h"
#include "state_dump.h"
#include "tavrel/runtime_error.h"

#include <istream>
#include <ostream>
#include <string>

namespace tavrel::replay {

namespace {

struct Apply {
    TavrelSystem& system;
    ParticleSession& particles;
    std::ostream& out;

    void operator()(Click c) const { system.xpLabel_Tableau_Click(static_cast<std::int16_t>(c.cell)); }
    void operator()(ToggleSwitch t) const { system.clickSwitch(static_cast<std::int16_t>(t.index)); }
    void operator()(Reset) const { system.M_Reset_Click(); }
    void operator()(Dump) const { out << stateDump(system).dump() << '\n' << std::flush; }
    void operator()(const ParticleCommand& c) const { particles.run(c, out); }
};

} // namespace

int runReplay(std::istream& in, std::ostream& out, std::ostream& err)
{
    TavrelSystem system;
    system.Form_Load();
    ParticleSession particles;
    const Apply apply{system, particles, out};

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
