#include "Folders.h"

#include <QDir>
#include <QStandardPaths>

QString SettingsFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = base + QStringLiteral("/vorpaoto");
    if (!QDir(path).exists()) {
        if (!base.isEmpty())
            QDir().mkpath(base);
        // The folder holds a remembered password: only its owner may look inside.
        QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return path;
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

namespace vorpa {

QString LocalAppDataFolder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!path.isEmpty())
        QDir().mkpath(path);
    return path;
}

} // namespace vorpa
