#include "tavrel/odds_sweep.h"

#include "tavrel/stake_ladder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

namespace tavrel {

namespace {

// Running mass below this is far under the rounding of the figures; it is
// counted as lost, so the risk never comes out smaller than it is.
constexpr double Negligible = 1e-18;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The balances low, low + step, ... up to 0; a step of 0 is the single
// balance low. Every outcome of a spin moves the balance by 18 times a
// cheval's units less the stake, so all outcomes of one level move it alike
// modulo 18: without "Stufe halten" the balances a level can hold lie 18
// apart, and the sweep keeps only those.
struct Lattice {
    std::int64_t low;
    std::int64_t step;

    // The lattice through `balance` with `step`, from its first balance at or
    // above `floor`.
    static Lattice through(std::int64_t balance, std::int64_t step, std::int64_t floor)
    {
        if (step == 0)
            return {balance, 0};
        return {balance - step * floorDiv(balance - floor, step), step};
    }

    std::int64_t at(std::int64_t j) const { return low + step * j; }
    std::int64_t index(std::int64_t balance) const { return step == 0 ? 0 : (balance - low) / step; }
    std::int64_t firstAtLeast(std::int64_t balance) const
    {
        if (step == 0)
            return balance <= low ? 0 : 1;
        return -floorDiv(low - balance, step);
    }
    std::int64_t cells() const { return low > 0 ? 0 : step == 0 ? 1 : -low / step + 1; }
};

// The probability of the parties still running, by whole balance from
// -bankroll to 0, on a lattice; only cells [lo_, hi_] can hold any.
class Sweep {
public:
    Sweep(std::int64_t bankroll, std::int64_t balance, bool stufeHalten)
        : bankroll_(bankroll), stufeHalten_(stufeHalten), mass_(1, 1.0), lattice_{balance, 0}
    {
    }

    double runningMass() const { return running_; }

    // One level of the ladder: the parties that cannot pay its stake are lost,
    // the others spin (as often as "Stufe halten" keeps them on it) and climb.
    void spin(const StakeLevel& level)
    {
        loseBelow(lowestPayingBalance(level.stake, bankroll_));
        if (lo_ > hi_)
            return;
        if (stufeHalten_)
            holdHits(level);
        for (std::int64_t j = lo_; j <= hi_; ++j)
            spins_ += mass_[j];
        climb(level);
    }

    // Every running partie ends where it stands: lost before a spin the table
    // does not take, or left over once negligible.
    void loseRunning() { loseBelow(1); }

    PartieOdds odds() const
    {
        return {.win = win_, .ruin = ruin_, .expectedResult = result_, .expectedSpins = spins_};
    }

private:
    bool climbs(const SpinOutcome& o) const { return !(o.hit && stufeHalten_); }

    void end(double mass, std::int64_t balance)
    {
        (partieWon(balance) ? win_ : ruin_) += mass;
        result_ += mass * double(balance);
    }

    void loseBelow(std::int64_t balance)
    {
        const std::int64_t first = std::min(hi_ + 1, lattice_.firstAtLeast(balance));
        for (std::int64_t j = lo_; j < first; ++j) {
            end(mass_[j], lattice_.at(j));
            mass_[j] = 0;
        }
        lo_ = std::max(lo_, first);
        running_ = 0;
        for (std::int64_t j = lo_; j <= hi_; ++j)
            running_ += mass_[j];
    }

    // Every climbing outcome takes each running balance to the next level,
    // where it is won above 0 or goes on.
    void climb(const StakeLevel& level)
    {
        std::int64_t step = lattice_.step;
        std::optional<std::int64_t> first;
        for (const SpinOutcome& o : level.outcomes)
            if (climbs(o)) {
                step = std::gcd(step, o.gain - first.value_or(o.gain));
                first = first.value_or(o.gain);
            }
        const Lattice next = Lattice::through(lattice_.low + first.value_or(0), step, -bankroll_);
        next_.assign(std::size_t(next.cells()), 0.0);
        const std::int64_t ratio = step == 0 ? 0 : lattice_.step / step;
        std::int64_t lo = next.cells(), hi = -1;
        for (const SpinOutcome& o : level.outcomes) {
            if (!climbs(o))
                continue;
            const double p = o.numbers / double(NumberCount);
            // The cells from `won` on end above 0.
            const std::int64_t won = std::clamp(lattice_.firstAtLeast(1 - o.gain), lo_, hi_ + 1);
            for (std::int64_t j = won; j <= hi_; ++j)
                end(p * mass_[j], lattice_.at(j) + o.gain);
            if (won == lo_)
                continue;
            const std::int64_t offset = next.index(lattice_.low + o.gain);
            add(p, lo_, won, offset, ratio);
            lo = std::min(lo, offset + lo_ * ratio);
            hi = std::max(hi, offset + (won - 1) * ratio);
        }
        std::swap(mass_, next_);
        lattice_ = next;
        lo_ = lo;
        hi_ = hi;
    }

    // next_[offset + j * ratio] += p * mass_[j] for j in [from, to); the common
    // case of ratio 1 is the sweep's inner loop.
    void add(double p, std::int64_t from, std::int64_t to, std::int64_t offset, std::int64_t ratio)
    {
        const double* __restrict source = mass_.data();
        double* __restrict target = next_.data() + offset;
        if (ratio == 1) {
            for (std::int64_t j = from; j < to; ++j)
                target[j] += p * source[j];
            return;
        }
        for (std::int64_t j = from; j < to; ++j)
            target[j * ratio] += p * source[j];
    }

    // With "Stufe halten" a hit keeps the level, so a balance spins as often as
    // the fixed point held = running + hits(held) says, on the balances the
    // hits can reach. Hits raise the balance except at the few levels where a
    // cheval pays no more than the whole stake: one ascending pass solves the
    // first case exactly, repeated passes converge in the second. A hit that
    // takes the balance above 0 wins; one that takes it below what pays the
    // stake loses.
    void holdHits(const StakeLevel& level)
    {
        std::int64_t step = lattice_.step;
        double selfHeld = 0;
        bool lowering = false;
        for (const SpinOutcome& o : level.outcomes) {
            if (!o.hit)
                continue;
            step = std::gcd(step, o.gain);
            if (o.gain == 0)
                selfHeld += o.numbers / double(NumberCount);
            lowering = lowering || o.gain < 0;
        }
        const std::int64_t floor = lowestPayingBalance(level.stake, bankroll_);
        const Lattice held = Lattice::through(lattice_.at(lo_), step, floor);
        const std::int64_t cells = held.cells();
        std::vector<double> running(std::size_t(cells), 0.0);
        for (std::int64_t j = lo_; j <= hi_; ++j)
            running[held.index(lattice_.at(j))] = mass_[j];
        next_.assign(std::size_t(cells), 0.0);
        for (double change = 1; change > Negligible * 1e-3;) {
            change = 0;
            for (std::int64_t i = 0; i < cells; ++i) {
                double v = running[i];
                for (const SpinOutcome& o : level.outcomes) {
                    const std::int64_t from = i - (step == 0 ? 0 : o.gain / step);
                    if (o.hit && o.gain != 0 && from >= 0 && from < cells)
                        v += o.numbers / double(NumberCount) * next_[from];
                }
                v /= 1 - selfHeld;
                change = std::max(change, std::abs(v - next_[i]));
                next_[i] = v;
            }
            if (!lowering)
                break;
        }
        std::swap(mass_, next_);
        lattice_ = held;
        lo_ = 0;
        hi_ = cells - 1;
        for (const SpinOutcome& o : level.outcomes) {
            if (!o.hit || o.gain == 0)
                continue;
            const double p = o.numbers / double(NumberCount);
            for (std::int64_t j = lo_; j <= hi_; ++j) {
                const std::int64_t balance = lattice_.at(j) + o.gain;
                if (partieWon(balance) || balance < floor)
                    end(p * mass_[j], balance);
            }
        }
    }

    std::int64_t bankroll_;
    bool stufeHalten_;
    std::vector<double> mass_, next_;
    Lattice lattice_;
    std::int64_t lo_ = 0, hi_ = 0;
    double running_ = 1;
    double win_ = 0, ruin_ = 0, result_ = 0, spins_ = 0;
};

} // namespace

std::optional<PartieOdds> sweepOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    const std::int64_t balance = std::llround(system.Partie);
    Sweep sweep(question.bankroll, balance, system.stufeHalten);
    for (StakeLadder ladder(system); sweep.runningMass() >= Negligible; ladder.climb()) {
        if (stop.stop_requested())
            return std::nullopt;
        if (ladder.level().largestCheval > question.tableLimit)
            break;
        sweep.spin(ladder.level());
    }
    sweep.loseRunning();
    return sweep.odds();
}

} // namespace tavrel
