#pragma once

#include "SystemSources.h"

namespace vorpa {

// Reads disk serials and adapter addresses from sysfs and /dev/disk/by-id under a root folder
// ("/" on a real machine, a prepared tree in tests).
class LinuxSystemSources : public SystemSources
{
public:
    explicit LinuxSystemSources(QString root = QStringLiteral("/"));

    QString diskSerialNumber() const override;
    QString adapterAddress() const override;
    QString hostName() const override;
    QString userName() const override;

    // The first physical disk's name under sys/block ("sda", "nvme0n1", "vda"), or empty.
    QString firstPhysicalDisk() const;

private:
    QString path(const QString &relative) const;
    QString serialFromById(const QString &disk) const;

    QString m_root;
};

} // namespace vorpa
