#include "Store.h"

#include "Schema.h"
#include "StoreError.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>
#include <QThread>

#include <sqlite3.h>

namespace vorpa {

namespace {

QAtomicInt nextStoreId{0};

/// Removes the connections a thread opened when that thread ends, since a connection may only
/// be closed by the thread that opened it.
struct ThreadConnections {
    QStringList names;
    ~ThreadConnections()
    {
        for (const QString &name : names)
            QSqlDatabase::removeDatabase(name);
    }
};

thread_local ThreadConnections threadConnections;

QString errorText(const QSqlError &error)
{
    return QStringLiteral("Veritabanı hatası: %1").arg(error.text().trimmed());
}

} // namespace

Store::Store(const QString &databaseName, const QString &driver)
    : m_databaseName(databaseName)
    , m_driver(driver)
    , m_prefix(QStringLiteral("vorpa-store-%1-").arg(nextStoreId.fetchAndAddRelaxed(1)))
{
}

Store::~Store()
{
    closeThreadConnection();
}

void Store::closeThreadConnection() const
{
    const QString name = connectionName();
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
        threadConnections.names.removeAll(name);
    }
}

QString Store::connectionName() const
{
    return m_prefix + QString::number(reinterpret_cast<quintptr>(QThread::currentThread()), 16);
}

QSqlDatabase Store::database() const
{
    const QString name = connectionName();
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            return db;
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(m_driver, name);
    if (!threadConnections.names.contains(name))
        threadConnections.names << name;
    db.setDatabaseName(m_databaseName);
    if (isSqlite())
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!db.open())
        throw StoreError(errorText(db.lastError()).toStdString());
    if (isSqlite()) {
        QSqlQuery pragma(db);
        // WAL lets readers go on while one connection writes; it is a property of the file.
        // Mapping the file lets every serving thread read the shared page cache of the system
        // instead of copying pages into its own small cache with a read call each.
        for (const char *sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON",
                                "PRAGMA mmap_size=268435456", "PRAGMA temp_store=MEMORY"})
            pragma.exec(QString::fromLatin1(sql));
        // Plans that do not depend on bound values: otherwise each new GLOB or LIKE pattern bound
        // to a statement makes SQLite compile it a second time. No pattern here can use an index
        // prefix anyway (they all start with a wildcard).
        const QVariant handle = db.driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            if (sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData()))
                sqlite3_db_config(connection, SQLITE_DBCONFIG_ENABLE_QPSG, 1, nullptr);
        }
    }
    return db;
}

bool Store::hasSchema() const
{
    return database().tables().contains(QStringLiteral("stok"));
}

void Store::createSchema()
{
    const QStringList statements = schemaStatements(isSqlite());
    write([&](QSqlDatabase &db) {
        for (const QString &sql : statements)
            run(db, sql);
    });
}

bool Store::ensureSearchIndex()
{
    if (!isSqlite() || database().tables().contains(QLatin1String(kSearchIndexTable)))
        return false;
    const QStringList statements = searchIndexStatements();
    write([&](QSqlDatabase &db) {
        for (const QString &sql : statements)
            run(db, sql);
    });
    return true;
}

void Store::write(const std::function<void(QSqlDatabase &)> &work) const
{
    QSqlDatabase db = database();
    // An immediate transaction takes the write lock at once, so two writers queue on the busy
    // time-out instead of one failing when it upgrades a read lock.
    if (isSqlite())
        run(db, QStringLiteral("BEGIN IMMEDIATE"));
    else if (!db.transaction())
        throw StoreError(errorText(db.lastError()).toStdString());
    try {
        work(db);
    } catch (...) {
        if (isSqlite()) {
            QSqlQuery rollback(db);
            rollback.exec(QStringLiteral("ROLLBACK"));
        } else {
            db.rollback();
        }
        throw;
    }
    if (isSqlite())
        run(db, QStringLiteral("COMMIT"));
    else if (!db.commit())
        throw StoreError(errorText(db.lastError()).toStdString());
}

QSqlQuery Store::prepare(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw StoreError(errorText(query.lastError()).toStdString());
    return query;
}

void Store::bind(QSqlQuery &query, int position, const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
        query.bindValue(position, QStringLiteral(""));
    else
        query.bindValue(position, value);
}

void Store::exec(QSqlQuery &query)
{
    if (!query.exec())
        throw StoreError(errorText(query.lastError()).toStdString());
}

QSqlQuery Store::run(QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query = prepare(db, sql);
    int i = 0;
    for (const QVariant &value : values)
        bind(query, i++, value);
    exec(query);
    return query;
}

QSqlQuery Store::run(const QString &sql, const QVariantList &values) const
{
    QSqlDatabase db = database();
    return run(db, sql, values);
}

QVariant Store::scalar(QSqlDatabase &db, const QString &sql, const QVariantList &values,
                       const QVariant &fallback)
{
    QSqlQuery query = run(db, sql, values);
    if (query.next()) {
        const QVariant v = query.value(0);
        return v.isNull() ? fallback : v;
    }
    return fallback;
}

QVariant Store::scalar(const QString &sql, const QVariantList &values, const QVariant &fallback) const
{
    QSqlDatabase db = database();
    return scalar(db, sql, values, fallback);
}

} // namespace vorpa
