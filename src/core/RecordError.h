#pragma once

#include <stdexcept>

namespace vorpa {

/// Raised when a record's JSON form cannot be read: wrong shape, wrong type name, wrong member type.
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vorpa
