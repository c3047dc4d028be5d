#pragma once

#include "particle_commands.h"
#include "particles/partikel_system_2.h"

#include <iosfwd>

namespace tavrel::replay {

// One particle list, fresh for every run, and the geometry functions.
class ParticleSession {
public:
    ParticleSession();

    // Runs one command and writes its line of JSON, if it has one, all at once.
    // A tavrel::RuntimeError (an overflow) leaves nothing written for the command.
    void run(const ParticleCommand& command, std::ostream& out);

private:
    PartikelSystem2::PartikelListe liste_;
};

} // namespace tavrel::replay
