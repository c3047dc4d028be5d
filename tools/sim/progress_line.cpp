#include "progress_line.h"

#include "german_numbers.h"

#include <string>

namespace tavrel::sim {

ProgressLine::ProgressLine(std::ostream& out, std::uint64_t totalSpins)
    : out_(out)
    , totalSpins_(totalSpins)
{
}

void ProgressLine::show(std::uint64_t spinsDone)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (seconds < 1.0)
        return;
    const double rate = static_cast<double>(spinsDone) / seconds;
    const auto left = rate > 0 ? static_cast<std::int64_t>(static_cast<double>(totalSpins_ - spinsDone) / rate) : 0;
    out_ << "\r\033[K" << grouped(spinsDone) << " von " << grouped(totalSpins_) << " Coups, "
         << grouped(static_cast<std::int64_t>(rate)) << " Coups/s, noch " << left / 60 << " min "
         << left % 60 << " s" << std::flush;
    drawn_ = true;
}

void ProgressLine::finish()
{
    if (drawn_)
        out_ << "\r\033[K" << std::flush;
}

} // namespace tavrel::sim
