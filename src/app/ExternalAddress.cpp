#include "ExternalAddress.h"

#include <mutex>

namespace vorpa {

namespace {
std::mutex sourceMutex;
ExternalAddressSource installedSource;
} // namespace

ExternalAddressSource setExternalAddressSource(ExternalAddressSource source)
{
    std::lock_guard lock(sourceMutex);
    std::swap(installedSource, source);
    return source;
}

QString externalAddress()
{
    ExternalAddressSource source;
    {
        std::lock_guard lock(sourceMutex);
        source = installedSource;
    }
    return source ? source() : QStringLiteral("127.0.0.1");
}

} // namespace vorpa
