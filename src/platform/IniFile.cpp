#include "IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace vorpa {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Values with blanks at either end (a password may end in one) or a leading quote are written in
// double quotes, so reading them back gives exactly what was written.
QString encodeValue(const QString &value)
{
    if (value != value.trimmed() || value.startsWith(u'"'))
        return u'"' + value + u'"';
    return value;
}

QString decodeValue(const QString &raw)
{
    const QString value = raw.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_existed = true;
    QByteArray content = file.readAll();
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    Section *current = nullptr;
    for (const QString &rawLine : QString::fromUtf8(content).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = nullptr;
            for (Section &section : m_sections) {
                if (sameName(section.name, name))
                    current = &section;
            }
            if (!current) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = decodeValue(line.mid(equals + 1));
        bool replaced = false;
        for (Entry &entry : current->entries) {
            if (!replaced && sameName(entry.key, key)) {
                entry.value = value;
                replaced = true;
            }
        }
        if (!replaced)
            current->entries.append({key, value});
    }
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    for (const Section &s : m_sections) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry &entry : s.entries) {
            if (sameName(entry.key, key))
                return &entry;
        }
    }
    return nullptr;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = find(section, key);
    return entry ? entry->value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    const Entry *entry = find(section, key);
    if (!entry)
        return defaultValue;
    bool ok = false;
    const int number = entry->value.toInt(&ok);
    return ok ? number != 0 : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section *target = nullptr;
    for (Section &s : m_sections) {
        if (sameName(s.name, section))
            target = &s;
    }
    if (!target) {
        m_sections.append({section, {}});
        target = &m_sections.last();
    }
    for (Entry &entry : target->entries) {
        if (sameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    target->entries.append({key, value});
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::save()
{
    QString text;
    for (const Section &section : std::as_const(m_sections)) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry &entry : section.entries)
            text += entry.key + u'=' + encodeValue(entry.value) + u'\n';
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // It may hold a password: owner only, set before any content is written.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(text.toUtf8());
    if (!file.commit())
        return false;
    m_existed = true;
    return true;
}

} // namespace vorpa
