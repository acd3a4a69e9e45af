#include "RecordJson.h"

#include "RecordError.h"

#include <cmath>
#include <limits>

namespace vorpa {

namespace {

[[noreturn]] void fail(const char *typeName, const char *member, const char *expected, const QJsonValue &got)
{
    const char *kind = got.isString() ? "a string"
        : got.isDouble()              ? "a number"
        : got.isBool()                ? "a Boolean"
        : got.isArray()               ? "an array"
        : got.isObject()              ? "an object"
                                      : "an unknown value";
    throw RecordError(QStringLiteral("%1: member \"%2\" must be %3, not %4")
                          .arg(QLatin1String(typeName), QLatin1String(member), QLatin1String(expected),
                               QLatin1String(kind))
                          .toStdString());
}

} // namespace

QJsonObject RecordJson::envelope(const char *typeName, int id, const QJsonObject &fields)
{
    return QJsonObject{{QStringLiteral("type"), QLatin1String(typeName)},
                       {QStringLiteral("id"), id},
                       {QStringLiteral("fields"), fields}};
}

QJsonObject RecordJson::fieldsOf(const QJsonValue &v, const char *typeName)
{
    if (!v.isObject())
        throw RecordError(QStringLiteral("%1: a record must be a JSON object").arg(QLatin1String(typeName)).toStdString());
    const QJsonObject o = v.toObject();
    const QJsonValue type = o.value(QStringLiteral("type"));
    if (!type.isString())
        throw RecordError(QStringLiteral("%1: the record has no type name").arg(QLatin1String(typeName)).toStdString());
    if (type.toString() != QLatin1String(typeName))
        throw RecordError(QStringLiteral("expected a record of type %1, got %2")
                              .arg(QLatin1String(typeName), type.toString())
                              .toStdString());
    const QJsonValue fields = o.value(QStringLiteral("fields"));
    if (!fields.isObject())
        throw RecordError(QStringLiteral("%1: \"fields\" must be a JSON object").arg(QLatin1String(typeName)).toStdString());
    return fields.toObject();
}

void RecordJson::read(const QJsonObject &fields, const char *typeName, const char *member, QString &target)
{
    const QJsonValue v = fields.value(QLatin1String(member));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isString())
        fail(typeName, member, "a string", v);
    target = v.toString();
}

void RecordJson::read(const QJsonObject &fields, const char *typeName, const char *member, int &target)
{
    const QJsonValue v = fields.value(QLatin1String(member));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isDouble())
        fail(typeName, member, "a 32-bit integer", v);
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < double(std::numeric_limits<int>::min())
        || d > double(std::numeric_limits<int>::max()))
        throw RecordError(QStringLiteral("%1: member \"%2\" must be a 32-bit integer, not %3")
                              .arg(QLatin1String(typeName), QLatin1String(member))
                              .arg(d, 0, 'g', 17)
                              .toStdString());
    target = int(d);
}

void RecordJson::read(const QJsonObject &fields, const char *typeName, const char *member, double &target)
{
    const QJsonValue v = fields.value(QLatin1String(member));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isDouble())
        fail(typeName, member, "a number", v);
    target = v.toDouble();
}

void RecordJson::read(const QJsonObject &fields, const char *typeName, const char *member, bool &target)
{
    const QJsonValue v = fields.value(QLatin1String(member));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isBool())
        fail(typeName, member, "true or false", v);
    target = v.toBool();
}

} // namespace vorpa
