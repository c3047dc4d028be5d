#include "particle_session.h"

#include "particle_json.h"
#include "particles/kollision_engine_2d.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace tavrel::replay {

using json = nlohmann::ordered_json;

namespace {

namespace geometry = KollisionEngine2D;
namespace particles = PartikelSystem2;

// What a command writes, if anything; computed in full before any of it is written.
struct Run {
    particles::PartikelListe& liste;

    std::optional<json> operator()(const AddParticle& a) const
    {
        particles::AddPartikel(liste, a.x, a.y, a.angle, a.colour, a.speed, a.range);
        return std::nullopt;
    }
    std::optional<json> operator()(const UpdateParticles& u) const
    {
        particles::UpdatePartikel(liste, u.gravity);
        return std::nullopt;
    }
    std::optional<json> operator()(const RemoveParticle& r) const
    {
        particles::RemovePartikel(liste, r.index);
        return std::nullopt;
    }
    std::optional<json> operator()(ShowParticles) const { return particlesJson(liste); }
    std::optional<json> operator()(const DistanceOf& d) const
    {
        return json{{"distance", geometry::Distance(d.x1, d.y1, d.x2, d.y2)}};
    }
    std::optional<json> operator()(const AngleComponents& a) const
    {
        return json{{"x", geometry::AngleToX(a.angle, a.length)}, {"y", geometry::AngleToY(a.angle, a.length)}};
    }
    std::optional<json> operator()(const DegreesToRadians& d) const
    {
        return json{{"rad", geometry::DegToRad(d.degrees)}};
    }
};

} // namespace

ParticleSession::ParticleSession()
{
    particles::InitPartikel(liste_);
}

void ParticleSession::run(const ParticleCommand& command, std::ostream& out)
{
    if (const auto line = std::visit(Run{liste_}, command))
        out << line->dump() << '\n' << std::flush;
}

} // namespace tavrel::replay
