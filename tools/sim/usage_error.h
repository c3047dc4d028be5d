#pragma once

#include <stdexcept>

namespace tavrel::sim {

// Bad input on the command line or in a spin file; its text is the one line the
// tool prints before it exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrel::sim
