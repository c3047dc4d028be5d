#pragma once

#include <stdexcept>

namespace tavrel {

// A run-time error of checked arithmetic: an overflow of a variable's width or
// an index outside an array's bounds.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrel
