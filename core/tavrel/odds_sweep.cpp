#include "tavrel/odds_sweep.h"

#include "tavrel/stake_ladder.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavrel {

namespace {

// Running mass below this is far under the rounding of the figures; it is
// counted as lost, so the risk never comes out smaller than it is.
constexpr double Negligible = 1e-18;

// The probability of the parties still running, by whole balance: index i is
// the balance i - bankroll, from -bankroll to 0. Outside [lo_, hi_] it is 0.
class Sweep {
public:
    Sweep(std::int64_t bankroll, std::int64_t balance, bool stufeHalten)
        : bankroll_(bankroll), stufeHalten_(stufeHalten), running_(bankroll + 1), held_(bankroll + 1),
          next_(bankroll + 1), lo_(balance + bankroll), hi_(lo_)
    {
        running_[lo_] = 1;
    }

    double runningMass() const { return mass_; }

    // One level of the ladder: every running partie spins at its stakes (as
    // often as "Stufe halten" keeps it on this level), then climbs.
    void spin(const StakeLevel& level)
    {
        const Spun spun = stufeHalten_ ? holdHits(level) : Spun{running_, lo_, hi_};
        for (std::int64_t i = spun.lo; i <= spun.hi; ++i)
            spins_ += spun.mass[i];
        std::int64_t lo = bankroll_, hi = 0;
        for (const SpinOutcome& o : level.outcomes) {
            const bool climbs = !(o.hit && stufeHalten_);
            const std::int64_t keepLo = std::max(spun.lo, -o.gain);
            const std::int64_t keepHi = std::min(spun.hi, bankroll_ - o.gain);
            const double p = o.numbers / double(NumberCount);
            endRange(spun.mass, spun.lo, std::min(spun.hi, keepLo - 1), p, o.gain);
            endRange(spun.mass, std::max(spun.lo, keepHi + 1), spun.hi, p, o.gain);
            if (!climbs || keepLo > keepHi)
                continue;
            for (std::int64_t i = keepLo; i <= keepHi; ++i)
                next_[i + o.gain] += p * spun.mass[i];
            lo = std::min(lo, keepLo + o.gain);
            hi = std::max(hi, keepHi + o.gain);
        }
        std::swap(running_, next_);
        if (lo_ <= hi_)
            std::fill(next_.begin() + lo_, next_.begin() + hi_ + 1, 0.0);
        lo_ = lo;
        hi_ = hi;
        mass_ = 0;
        for (std::int64_t i = lo_; i <= hi_; ++i)
            mass_ += running_[i];
    }

    // Every running partie ends where it stands: lost before a spin the table
    // does not take, or left over once negligible.
    void loseRunning() { endRange(running_, lo_, hi_, 1, 0); }

    PartieOdds odds() const
    {
        return {.win = win_, .ruin = ruin_, .expectedResult = result_, .expectedSpins = spins_};
    }

private:
    // How often the parties spin at each balance on this level.
    struct Spun {
        const std::vector<double>& mass;
        std::int64_t lo, hi;
    };

    // With "Stufe halten" a hit keeps the level, so a balance spins as often as
    // the fixed point of held = running + hits(held) says. Hits raise the
    // balance except at the few levels where a cheval pays no more than the
    // whole stake: one ascending pass solves the first case exactly, repeated
    // passes converge in the second.
    Spun holdHits(const StakeLevel& level)
    {
        double selfHeld = 0;
        bool lowering = false;
        for (const SpinOutcome& o : level.outcomes) {
            if (o.hit && o.gain == 0)
                selfHeld += o.numbers / double(NumberCount);
            lowering = lowering || (o.hit && o.gain < 0);
        }
        const std::int64_t lo = lowering ? 0 : lo_;
        std::fill(held_.begin(), held_.end(), 0.0);
        for (double change = 1; change > Negligible * 1e-3;) {
            change = 0;
            for (std::int64_t i = lo; i <= bankroll_; ++i) {
                double v = running_[i];
                for (const SpinOutcome& o : level.outcomes)
                    if (o.hit && o.gain != 0 && i - o.gain >= 0 && i - o.gain <= bankroll_)
                        v += o.numbers / double(NumberCount) * held_[i - o.gain];
                v /= 1 - selfHeld;
                change = std::max(change, std::abs(v - held_[i]));
                held_[i] = v;
            }
            if (!lowering)
                break;
        }
        return {held_, lo, bankroll_};
    }

    // The parties at balances [lo, hi] of `mass`, weighted by p, end after
    // gaining `gain`; all of them on the same side.
    void endRange(const std::vector<double>& mass, std::int64_t lo, std::int64_t hi, double p, std::int64_t gain)
    {
        double ended = 0, weighted = 0;
        for (std::int64_t i = lo; i <= hi; ++i) {
            ended += mass[i];
            weighted += mass[i] * double(i);
        }
        if (ended == 0)
            return;
        const double meanBalance = weighted / ended - double(bankroll_) + double(gain);
        (meanBalance > 0 ? win_ : ruin_) += p * ended;
        result_ += p * ended * meanBalance;
    }

    std::int64_t bankroll_;
    bool stufeHalten_;
    std::vector<double> running_, held_, next_;
    std::int64_t lo_, hi_;
    double mass_ = 1;
    double win_ = 0, ruin_ = 0, result_ = 0, spins_ = 0;
};

} // namespace

std::optional<PartieOdds> sweepOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    const std::int64_t balance = std::llround(system.Partie);
    if (balance < -question.bankroll)
        return PartieOdds{.ruin = 1, .expectedResult = double(balance)};
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
