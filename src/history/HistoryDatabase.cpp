#include "history/HistoryDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// SQLite's primary result codes the station tells apart.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteFull = 13;
constexpr int SqliteCannotOpen = 14;
constexpr int SqliteNotADatabase = 26;

// Version 1. A later version adds its step after this one; a file of an older version is brought up
// to date step by step.
const char* const CreateVersion1[] = {
    "CREATE TABLE events ("
    " seq INTEGER PRIMARY KEY,"
    " content TEXT NOT NULL,"
    " hash TEXT NOT NULL,"
    " time TEXT GENERATED ALWAYS AS (json_extract(content, '$.time')) VIRTUAL,"
    " kind TEXT GENERATED ALWAYS AS (json_extract(content, '$.kind')) VIRTUAL,"
    " printer TEXT GENERATED ALWAYS AS (json_extract(content, '$.printer.name')) VIRTUAL)",
    "CREATE INDEX events_time ON events(time)",
    "CREATE INDEX events_kind ON events(kind)",
    "CREATE INDEX events_printer ON events(printer)",
    "CREATE TABLE chain (id INTEGER PRIMARY KEY CHECK (id = 1), anchor_seq INTEGER NOT NULL,"
    " anchor_hash TEXT NOT NULL)",
};
// Version 2: where readers that publish the rows elsewhere (the broker) have got to, by name.
const char* const CreateVersion2[] = {
    "CREATE TABLE cursors (name TEXT PRIMARY KEY, seq INTEGER NOT NULL)",
};
} // namespace

HistoryDatabase::TFailure HistoryDatabase::FailureOf(const QSqlError& error)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (error.nativeErrorCode().toInt() & 0xFF) {
    case SqliteBusy:
    case SqliteLocked:
        return {TProblem::Locked, detail};
    case SqliteReadOnly:
        return {TProblem::ReadOnly, detail};
    case SqliteCorrupt:
    case SqliteNotADatabase:
        return {TProblem::Damaged, detail};
    case SqliteFull:
        return {TProblem::Full, detail};
    case SqliteCannotOpen:
        return {TProblem::CannotOpen, detail};
    default:
        return {TProblem::Other, detail};
    }
}

QString HistoryDatabase::ProblemName(TProblem problem)
{
    switch (problem) {
    case TProblem::ReadOnly:
        return QStringLiteral("read-only");
    case TProblem::Full:
        return QStringLiteral("full");
    case TProblem::Damaged:
        return QStringLiteral("damaged");
    case TProblem::Locked:
        return QStringLiteral("locked");
    case TProblem::CannotOpen:
        return QStringLiteral("cannot-open");
    case TProblem::NewerVersion:
        return QStringLiteral("newer-version");
    case TProblem::None:
    case TProblem::Other:
        break;
    }
    return QStringLiteral("other");
}

QString HistoryDatabase::ProblemText(TProblem problem)
{
    switch (problem) {
    case TProblem::ReadOnly:
        return QCoreApplication::translate("THistoryStore", "the file is read-only");
    case TProblem::Full:
        return QCoreApplication::translate("THistoryStore", "the disk is full");
    case TProblem::Damaged:
        return QCoreApplication::translate("THistoryStore", "the file is damaged");
    case TProblem::Locked:
        return QCoreApplication::translate("THistoryStore", "the file is locked by another program");
    case TProblem::CannotOpen:
        return QCoreApplication::translate("THistoryStore", "the file cannot be opened");
    case TProblem::NewerVersion:
        return QCoreApplication::translate("THistoryStore", "the file was written by a newer version of the station");
    case TProblem::None:
    case TProblem::Other:
        break;
    }
    return QCoreApplication::translate("THistoryStore", "the database reports an error");
}

QSqlDatabase HistoryDatabase::Open(const QString& path, const QString& connectionName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(path);
    database.open();
    return database;
}

void HistoryDatabase::Close(const QString& connectionName)
{
    {
        QSqlDatabase database = QSqlDatabase::database(connectionName, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

std::optional<HistoryDatabase::TFailure> HistoryDatabase::Exec(QSqlQuery& query)
{
    if (query.exec())
        return std::nullopt;
    return FailureOf(query.lastError());
}

std::optional<HistoryDatabase::TFailure> HistoryDatabase::Exec(const QSqlDatabase& database, const QString& sql)
{
    QSqlQuery query(database);
    if (query.exec(sql))
        return std::nullopt;
    return FailureOf(query.lastError());
}

namespace {
std::optional<int> UserVersion(const QSqlDatabase& database, std::optional<HistoryDatabase::TFailure>& failure)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        failure = HistoryDatabase::FailureOf(query.lastError());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

std::optional<HistoryDatabase::TFailure> Migrate(const QSqlDatabase& database, int version)
{
    using namespace HistoryDatabase;
    if (version < 1) {
        for (const char* statement : CreateVersion1)
            if (auto failure = Exec(database, QLatin1String(statement)))
                return failure;
        if (auto failure = Exec(database, QStringLiteral("INSERT INTO chain VALUES (1, 0, '%1')")
                                              .arg(QLatin1String(GenesisHash))))
            return failure;
    }
    if (version < 2)
        for (const char* statement : CreateVersion2)
            if (auto failure = Exec(database, QLatin1String(statement)))
                return failure;
    return Exec(database, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
}
} // namespace

std::optional<HistoryDatabase::TFailure> HistoryDatabase::Prepare(QSqlDatabase& database, int busyTimeoutMs)
{
    if (!database.isOpen())
        return FailureOf(database.lastError());
    // A new file frees the pages of pruned rows; the setting counts only before the first table.
    for (const QString& pragma : {QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs),
                                  QStringLiteral("PRAGMA auto_vacuum = INCREMENTAL"),
                                  QStringLiteral("PRAGMA journal_mode = WAL"),
                                  QStringLiteral("PRAGMA synchronous = NORMAL")})
        if (auto failure = Exec(database, pragma))
            return failure;
    if (auto failure = Exec(database, QStringLiteral("BEGIN IMMEDIATE")))
        return failure;
    std::optional<TFailure> failure;
    const std::optional<int> version = UserVersion(database, failure);
    if (version && *version > SchemaVersion)
        failure = TFailure{TProblem::NewerVersion, QStringLiteral("schema version %1").arg(*version)};
    else if (version && *version < SchemaVersion)
        failure = Migrate(database, *version);
    if (!failure)
        failure = Exec(database, QStringLiteral("COMMIT"));
    if (failure)
        Exec(database, QStringLiteral("ROLLBACK"));
    return failure;
}

std::optional<HistoryDatabase::TFailure> HistoryDatabase::CheckVersion(const QSqlDatabase& database)
{
    if (!database.isOpen())
        return FailureOf(database.lastError());
    std::optional<TFailure> failure;
    const std::optional<int> version = UserVersion(database, failure);
    if (version && *version > SchemaVersion)
        return TFailure{TProblem::NewerVersion, QStringLiteral("schema version %1").arg(*version)};
    return failure;
}

QString HistoryDatabase::RowHash(const QString& previousHash, const QByteArray& content)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previousHash.toLatin1());
    hash.addData(content);
    return QString::fromLatin1(hash.result().toHex());
}
