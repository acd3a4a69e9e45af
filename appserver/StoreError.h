#pragma once

#include <QString>

#include <stdexcept>

namespace vorpa {

/// A failure of the store or a refused request; its text is what the caller of the operation sees.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Refuses a request with a text the caller of the operation sees.
[[noreturn]] inline void refuse(const QString &text)
{
    throw StoreError(text.toStdString());
}

} // namespace vorpa
