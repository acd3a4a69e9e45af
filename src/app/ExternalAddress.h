#pragma once

#include <QString>

#include <functional>

namespace vorpa {

// Where the login learns the workstation's external address. The program has no service to ask,
// so the address is always "127.0.0.1"; tests replace the source to see the other paths.
using ExternalAddressSource = std::function<QString()>;

// Returns the source it replaced; an empty source restores the built-in one.
ExternalAddressSource setExternalAddressSource(ExternalAddressSource source);
// Called on pool threads.
QString externalAddress();

} // namespace vorpa
