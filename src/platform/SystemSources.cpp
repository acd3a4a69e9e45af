#include "SystemSources.h"

#include "LinuxSystemSources.h"

#include <atomic>

namespace vorpa {

namespace {
std::atomic<const SystemSources *> installedSources{nullptr};
}

const SystemSources &systemSources()
{
    static const LinuxSystemSources own;
    const SystemSources *installed = installedSources.load();
    return installed ? *installed : own;
}

void setSystemSources(const SystemSources *sources)
{
    installedSources.store(sources);
}

} // namespace vorpa
