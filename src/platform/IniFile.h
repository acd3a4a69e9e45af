#pragma once

#include <QList>
#include <QString>

namespace vorpa {

// A small INI file kept in UTF-8 with its keys exactly as written (QSettings would escape a key such
// as "hatırla"), saved whole and readable by its owner only.
class IniFile
{
public:
    // Reads the file if it exists; a missing or unreadable file gives an empty one.
    explicit IniFile(QString fileName);

    bool exists() const { return m_existed; }
    const QString &fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // "1"/"0" as written by writeBool; any whole number other than 0 reads true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Writes the whole file at once (a failed save leaves the old file as it was).
    bool save();

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    const Entry *find(const QString &section, const QString &key) const;

    QString m_fileName;
    bool m_existed = false;
    QList<Section> m_sections;
};

} // namespace vorpa
