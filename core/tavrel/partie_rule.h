#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace tavrel {

// Why a partie is lost before its next spin, if it is.
enum class LostBefore {
    Nothing,     // the next spin can be placed
    Stake,       // its stake is more than what is left of the capital
    TableLimit,  // it would put more than the table limit on a cheval
};

// What a partie is played against: the capital it may use from its start (every
// partie has it afresh), and the table's limit per cheval, both in units; and
// how far the question looks: until the running partie ends, or over the
// spins left tonight, the parties after the running one starting afresh.
struct OddsQuestion {
    static constexpr std::int64_t NoTableLimit = std::numeric_limits<std::int64_t>::max();

    OddsQuestion(std::int64_t bankroll = 1000, std::int64_t tableLimit = NoTableLimit,
                 std::optional<std::int64_t> spins = std::nullopt)
        : bankroll(bankroll), tableLimit(tableLimit), spins(spins)
    {
    }

    std::int64_t bankroll;
    std::int64_t tableLimit;
    std::optional<std::int64_t> spins;

    // The same question against another capital.
    OddsQuestion against(std::int64_t other) const
    {
        OddsQuestion q = *this;
        q.bankroll = other;
        return q;
    }
};

// The one rule for how a partie ends, used by every look-ahead and by the
// simulator. It is won as soon as its balance is above 0. It is lost before a
// spin whose stake is more than what is left of the capital (bankroll plus the
// balance), since nobody at a table can place chips they do not have, or that
// would put more than the table limit on one cheval.
inline bool partieWon(std::int64_t balance)
{
    return balance > 0;
}

// What a spin at `stake` asks of the capital: the partie can place it from any
// bankroll of at least this much.
inline std::int64_t capitalNeeded(std::int64_t stake, std::int64_t balance)
{
    return stake - balance;
}

// The lowest balance from which the bankroll still pays `stake`.
inline std::int64_t lowestPayingBalance(std::int64_t stake, std::int64_t bankroll)
{
    return stake - bankroll;
}

inline LostBefore lostBefore(const OddsQuestion& question, std::int64_t stake, std::int64_t largestCheval,
                             std::int64_t balance)
{
    if (largestCheval > question.tableLimit)
        return LostBefore::TableLimit;
    if (balance < lowestPayingBalance(stake, question.bankroll))
        return LostBefore::Stake;
    return LostBefore::Nothing;
}

} // namespace tavrel
