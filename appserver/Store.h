#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>

namespace vorpa {

/// The server's one database: opens a connection per calling thread (connections cannot cross
/// threads), creates the schema, and runs every change inside one transaction.
class Store {
public:
    /// driver: a QtSql driver name; QSQLITE (databaseName = file) is the one in use.
    explicit Store(const QString &databaseName, const QString &driver = QStringLiteral("QSQLITE"));
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const QString &databaseName() const { return m_databaseName; }
    bool isSqlite() const { return m_driver == QLatin1String("QSQLITE"); }

    /// The calling thread's open connection; raises StoreError when the database cannot be opened.
    QSqlDatabase database() const;

    /// Closes the calling thread's connection (run when a serving thread ends).
    void closeThreadConnection() const;

    /// True when the schema's tables exist.
    bool hasSchema() const;
    /// Creates every table and index (in one transaction).
    void createSchema();
    /// Adds the stock search index to a SQLite database made before it existed; true when it did.
    bool ensureSearchIndex();

    /// Runs work inside one write transaction: committed when it returns, rolled back when it
    /// raises (the exception goes on). Writers wait for each other instead of failing.
    void write(const std::function<void(QSqlDatabase &)> &work) const;

    /// Prepares and runs one statement with positional bound values; raises StoreError on failure.
    QSqlQuery run(const QString &sql, const QVariantList &values = {}) const;
    static QSqlQuery run(QSqlDatabase &db, const QString &sql, const QVariantList &values = {});
    static QSqlQuery prepare(QSqlDatabase &db, const QString &sql);
    /// Binds a value by position; a null text is bound as an empty text, not as NULL.
    static void bind(QSqlQuery &query, int position, const QVariant &value);
    static void exec(QSqlQuery &query);

    /// The first column of the first row of a query, or fallback when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &values = {},
                    const QVariant &fallback = {}) const;
    static QVariant scalar(QSqlDatabase &db, const QString &sql, const QVariantList &values = {},
                           const QVariant &fallback = {});

private:
    QString connectionName() const;

    QString m_databaseName;
    QString m_driver;
    QString m_prefix;
};

} // namespace vorpa
