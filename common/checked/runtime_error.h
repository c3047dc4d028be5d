#pragma once

#include <stdexcept>
#include <utility>

namespace tavrel {

// A run-time error of the betting rules: an overflow of a variable's width or an
// index outside an array's bounds. Handlers decide whether to skip the failing
// statement or to abandon the routine.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one statement; if it raises a run-time error the statement is skipped and
// the caller goes on with its next statement ("resume next").
template <class Statement>
void resumeNext(Statement&& statement)
{
    try {
        std::forward<Statement>(statement)();
    } catch (const RuntimeError&) {
    }
}

} // namespace tavrel
