#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class QSqlError;
class QSqlQuery;

// The history's SQLite file: one table of events numbered by their sequence number, each row its
// canonical content (the event as JSON with its number) and the SHA-256 of the previous row's hash
// and that content; the anchor the chain starts from (the hash of the last pruned row); the cursors of
// the readers that publish the rows elsewhere (the last row each has handed on); the schema version
// in the file's user_version. Time, kind and printer are columns computed from the content,
// indexed for the filters, so they cannot disagree with what the hash covers.
namespace HistoryDatabase {

inline constexpr int SchemaVersion = 2;
// The anchor of a history that has never been pruned.
inline constexpr char GenesisHash[] = "0000000000000000000000000000000000000000000000000000000000000000";

// What went wrong with the file, as the station tells it.
enum class TProblem
{
    None,
    ReadOnly,
    Full,
    Damaged,
    Locked,
    CannotOpen,
    NewerVersion,
    Other,
};

struct TFailure
{
    TProblem Problem = TProblem::Other;
    QString Detail; // the database's own words
};

TFailure FailureOf(const QSqlError& error);
// The problem's stable name, as the history records a gap ("read-only").
QString ProblemName(TProblem problem);
// The problem in the station's words, in the language in use ("the file is read-only").
QString ProblemText(TProblem problem);

// A connection of its own name (used only in the calling thread); the caller closes it with Close.
QSqlDatabase Open(const QString& path, const QString& connectionName);
void Close(const QString& connectionName);

// Runs one statement; the failure when it fails.
std::optional<TFailure> Exec(QSqlQuery& query);
std::optional<TFailure> Exec(const QSqlDatabase& database, const QString& sql);

// WAL, synchronous=NORMAL, the busy timeout; then the schema created or migrated, in a write
// transaction so that two programs opening a new file do not both create it.
std::optional<TFailure> Prepare(QSqlDatabase& database, int busyTimeoutMs);
// The schema version of an opened file, for a reader; the failure when it cannot be read or is
// newer than this station's.
std::optional<TFailure> CheckVersion(const QSqlDatabase& database);

// The hash of a row: SHA-256, as lower-case hex, of the previous row's hash (its hex text) followed
// by the row's canonical content.
QString RowHash(const QString& previousHash, const QByteArray& content);

} // namespace HistoryDatabase
