#include "replay_session.h"

#include "replay_command.h"
#include "state_dump.h"

#include <istream>
#include <ostream>
#include <string>

namespace tavrel::replay {

namespace {

struct Apply {
    TavrelSystem& system;
    std::ostream& out;

    void operator()(Click c) const { system.xpLabel_Tableau_Click(static_cast<std::int16_t>(c.cell)); }
    void operator()(ToggleSwitch t) const { system.clickSwitch(static_cast<std::int16_t>(t.index)); }
    void operator()(Reset) const { system.M_Reset_Click(); }
    void operator()(Dump) const { out << stateDump(system).dump() << '\n' << std::flush; }
};

} // namespace

int runReplay(std::istream& in, std::ostream& out, std::ostream& err)
{
    TavrelSystem system;
    system.Form_Load();
    const Apply apply{system, out};

    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const ParsedLine parsed = parseLine(line);
        if (!parsed.error.empty()) {
            err << "tavrel-replay: line " << lineNumber << ": " << parsed.error << ": " << line << '\n';
            return MalformedLine;
        }
        if (parsed.command)
            std::visit(apply, *parsed.command);
    }
    apply(Dump{});
    return Ok;
}

} // namespace tavrel::replay
