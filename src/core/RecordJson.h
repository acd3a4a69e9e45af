#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace vorpa {

/// Reads and writes the envelope {"type", "id", "fields"} in which every record travels, and the
/// typed members inside "fields"; every failure is a RecordError naming the record and member.
class RecordJson {
public:
    /// The envelope around already written fields.
    static QJsonObject envelope(const char *typeName, int id, const QJsonObject &fields);
    /// Checks the envelope of v against typeName and returns its "fields" object.
    /// v must not be null (callers turn null into an absent record first).
    static QJsonObject fieldsOf(const QJsonValue &v, const char *typeName);

    /// Each reader leaves target unchanged when the member is absent or JSON null.
    static void read(const QJsonObject &fields, const char *typeName, const char *member, QString &target);
    static void read(const QJsonObject &fields, const char *typeName, const char *member, int &target);
    static void read(const QJsonObject &fields, const char *typeName, const char *member, double &target);
    static void read(const QJsonObject &fields, const char *typeName, const char *member, bool &target);
};

} // namespace vorpa
