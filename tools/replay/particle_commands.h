#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrel::replay {

// The About box's particle and geometry operations, one per input line.
struct AddParticle {
    std::int32_t x, y;
    double angle;
    std::int32_t colour, speed, range;
};
struct UpdateParticles { double gravity; };
struct RemoveParticle { std::int32_t index; };
struct ShowParticles {};
struct DistanceOf { std::int32_t x1, y1, x2, y2; };
struct AngleComponents { double angle; std::int32_t length; };
struct DegreesToRadians { double degrees; };

using ParticleCommand = std::variant<AddParticle, UpdateParticles, RemoveParticle, ShowParticles, DistanceOf,
                                     AngleComponents, DegreesToRadians>;

// A particle line read: its command, or why it is malformed.
struct ParsedParticleLine {
    std::optional<ParticleCommand> command;
    std::string error;
};

// Reads a line already split into words; nothing when its first word is not a
// particle or geometry command.
std::optional<ParsedParticleLine> parseParticleLine(const std::vector<std::string_view>& words);

} // namespace tavrel::replay
