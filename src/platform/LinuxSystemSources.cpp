#include "LinuxSystemSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace vorpa {

namespace {

QString readFirstLine(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r') || line.endsWith('\0'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// Windows reports serials with ASCII letters upper-cased; do the same and leave the rest alone.
QString upperAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

bool isVirtualDisk(const QString &name)
{
    static const char *const prefixes[] = {"loop", "ram", "zram", "dm-", "md", "sr", "nbd", "fd"};
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

} // namespace

LinuxSystemSources::LinuxSystemSources(QString root)
    : m_root(std::move(root))
{
    if (!m_root.endsWith(u'/'))
        m_root += u'/';
}

QString LinuxSystemSources::path(const QString &relative) const
{
    return m_root + relative;
}

QString LinuxSystemSources::firstPhysicalDisk() const
{
    const QStringList disks = QDir(path(QStringLiteral("sys/block")))
                                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString &disk : disks) {
        if (isVirtualDisk(disk))
            continue;
        const QString base = path(QStringLiteral("sys/block/") + disk);
        if (!QFileInfo::exists(base + QStringLiteral("/device")))
            continue;
        if (readFirstLine(base + QStringLiteral("/removable")) == QLatin1String("1"))
            continue;
        return disk;
    }
    return {};
}

QString LinuxSystemSources::serialFromById(const QString &disk) const
{
    const QDir byId(path(QStringLiteral("dev/disk/by-id")));
    const QStringList names = byId.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    static const char *const preferred[] = {"ata-", "nvme-", "virtio-", "scsi-", "usb-"};
    for (const char *prefix : preferred) {
        for (const QString &name : names) {
            if (!name.startsWith(QLatin1String(prefix)) || name.contains(QLatin1String("-part"))
                || name.startsWith(QLatin1String("nvme-eui.")))
                continue;
            const QFileInfo link(byId.filePath(name));
            if (QFileInfo(link.symLinkTarget()).fileName() != disk)
                continue;
            const QString rest = name.mid(int(qstrlen(prefix)));
            const qsizetype underscore = rest.lastIndexOf(u'_');
            return upperAscii(underscore >= 0 ? rest.mid(underscore + 1) : rest);
        }
    }
    return {};
}

QString LinuxSystemSources::diskSerialNumber() const
{
    const QString disk = firstPhysicalDisk();
    if (disk.isEmpty())
        return {};
    const QString base = path(QStringLiteral("sys/block/") + disk);
    for (const QString &candidate : {base + QStringLiteral("/device/serial"), base + QStringLiteral("/serial")}) {
        const QString serial = readFirstLine(candidate);
        if (!serial.trimmed().isEmpty())
            return upperAscii(serial);
    }
    return serialFromById(disk);
}

QString LinuxSystemSources::adapterAddress() const
{
    const QStringList adapters = QDir(path(QStringLiteral("sys/class/net")))
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    QString text;
    for (const QString &adapter : adapters) {
        const QStringList parts =
            readFirstLine(path(QStringLiteral("sys/class/net/%1/address").arg(adapter))).split(u':');
        if (parts.size() < 6)
            continue;
        QStringList bytes;
        bool valid = true;
        for (int i = 0; i < 6 && valid; ++i) {
            const uint value = parts.at(i).toUInt(&valid, 16);
            valid = valid && value <= 0xFF;
            bytes << QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
        }
        if (!valid)
            continue;
        text = bytes.join(u'-');
        if (text != QLatin1String("00-00-00-00-00-00"))
            break;
    }
    return text;
}

QString LinuxSystemSources::hostName() const
{
    return QSysInfo::machineHostName();
}

QString LinuxSystemSources::userName() const
{
    // The reentrant form: this runs on pool threads as well.
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace vorpa
