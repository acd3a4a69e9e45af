#pragma once

#include <QString>

namespace vorpa {

// The raw facts about this machine that the workstation identity is built from; one implementation
// per operating system, and tests can install their own.
class SystemSources
{
public:
    virtual ~SystemSources() = default;

    // Serial number of the first physical disk, upper-cased; empty when the system does not tell.
    virtual QString diskSerialNumber() const = 0;
    // First adapter with a non-zero hardware address as "AA-BB-CC-DD-EE-FF"; "00-00-00-00-00-00"
    // when every adapter reports zeros; empty without adapters.
    virtual QString adapterAddress() const = 0;
    // Names as the system reports them, without any length rule applied.
    virtual QString hostName() const = 0;
    virtual QString userName() const = 0;
};

// The sources in use; the operating system's own unless a test installed others.
const SystemSources &systemSources();
// Installs other sources (nullptr restores the system's own); the caller keeps ownership.
void setSystemSources(const SystemSources *sources);

} // namespace vorpa
