#pragma once

#include <stdexcept>

namespace vorpa {

/// Raised by the codec for bytes that are not a well-formed message (bad length, bad tag,
/// truncated data, invalid JSON); the message names what was wrong.
class ProtocolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vorpa
