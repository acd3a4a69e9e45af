#pragma once

#include <stdexcept>

namespace vorpa {

/// Raised when a text cannot be converted to the value it should carry (a number, picture bytes).
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vorpa
