#include "QueryTable.h"

#include "DateText.h"
#include "StoreError.h"

#include <QSqlDriver>

#include <sqlite3.h>

#include <memory>

namespace vorpa {

namespace {

[[noreturn]] void fail(sqlite3 *handle)
{
    throw StoreError(QStringLiteral("Veritabanı hatası: %1").arg(QString::fromUtf8(sqlite3_errmsg(handle))).toStdString());
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError("Veritabanı hatası: SQLite bağlantısı açık değil.");
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void bindValue(sqlite3 *handle, sqlite3_stmt *statement, int position, const QVariant &value)
{
    int rc = SQLITE_OK;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        rc = sqlite3_bind_int64(statement, position, value.toLongLong());
        break;
    case QMetaType::Double:
        rc = sqlite3_bind_double(statement, position, value.toDouble());
        break;
    default:
        if (value.metaType().id() != QMetaType::QString && value.isNull()) {
            rc = sqlite3_bind_null(statement, position);
        } else {
            // A null text is bound as an empty text, as everywhere else in the store.
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, position, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        break;
    }
    if (rc != SQLITE_OK)
        fail(handle);
}

QString textOf(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

} // namespace

DataSet queryToDataSet(QSqlQuery &query, const QList<FieldDef> &fields)
{
    DataSet data(fields);
    const int count = int(fields.size());
    while (query.next()) {
        const int row = data.appendRow();
        for (int c = 0; c < count; ++c) {
            const QVariant v = query.value(c);
            if (v.isNull()) {
                data.setNull(row, c);
                continue;
            }
            switch (fields.at(c).type) {
            case FieldType::Int32:
            case FieldType::Int64:
                data.setInt(row, c, v.toLongLong());
                break;
            case FieldType::Double:
                data.setDouble(row, c, v.toDouble());
                break;
            case FieldType::DateTime:
                data.setDouble(row, c, dates::toNumber(v.toString()));
                break;
            case FieldType::Boolean:
                data.setBool(row, c, v.toLongLong() != 0);
                break;
            case FieldType::Bytes:
                data.setBytes(row, c, v.toByteArray());
                break;
            case FieldType::String:
                data.setString(row, c, v.toString());
                break;
            }
        }
    }
    data.first();
    return data;
}

} // namespace vorpa

namespace vorpa {

DataSet sqliteQueryToDataSet(QSqlDatabase &db, const QString &sql, const QVariantList &values,
                             const QList<FieldDef> &fields)
{
    sqlite3 *handle = handleOf(db);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &raw, nullptr) != SQLITE_OK)
        fail(handle);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(raw, sqlite3_finalize);
    for (int i = 0; i < values.size(); ++i)
        bindValue(handle, raw, i + 1, values.at(i));

    DataSet data(fields);
    const int count = int(fields.size());
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        const int row = data.appendRow();
        for (int c = 0; c < count; ++c) {
            if (sqlite3_column_type(raw, c) == SQLITE_NULL) {
                data.setNull(row, c);
                continue;
            }
            switch (fields.at(c).type) {
            case FieldType::Int32:
            case FieldType::Int64:
                data.setInt(row, c, sqlite3_column_int64(raw, c));
                break;
            case FieldType::Double:
                data.setDouble(row, c, sqlite3_column_double(raw, c));
                break;
            case FieldType::DateTime:
                data.setDouble(row, c, dates::toNumber(textOf(raw, c)));
                break;
            case FieldType::Boolean:
                data.setBool(row, c, sqlite3_column_int64(raw, c) != 0);
                break;
            case FieldType::Bytes:
                data.setBytes(row, c, QByteArray(static_cast<const char *>(sqlite3_column_blob(raw, c)),
                                                 sqlite3_column_bytes(raw, c)));
                break;
            case FieldType::String:
                data.setString(row, c, textOf(raw, c));
                break;
            }
        }
    }
    if (rc != SQLITE_DONE)
        fail(handle);
    data.first();
    return data;
}

} // namespace vorpa
