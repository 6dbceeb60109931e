#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

// The store's one way to run SQL: a value never enters the statement's text.
// A statement with values is prepared and the values bound; one without is
// run as it is (PostgreSQL cannot prepare BEGIN, SET or CREATE through Qt,
// which prepares with SQL PREPARE).
namespace loco::records::sql {

// What the helpers throw: the driver's error, for the store to word.
struct Failure {
    QSqlError error;
};

// Runs the statement, forward only (rows are read once, in order).
QSqlQuery run(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// A statement prepared once and run many times (each PostgreSQL preparation
// is a round trip to the server): run() it with each set of values.
QSqlQuery prepare(const QSqlDatabase& db, const QString& statement);
void run(QSqlQuery& prepared, const QVariantList& values);

// The first column of the first row, or an invalid QVariant when no row.
QVariant single(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// A transaction that rolls back unless committed: BEGIN IMMEDIATE on
// SQLite, so that the write lock is taken (or waited for) at once, never
// upgraded from a read lock later, which fails at once under a concurrent
// writer instead of waiting; BEGIN on PostgreSQL.
class Transaction {
public:
    Transaction(const QSqlDatabase& db, bool sqlite);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase db_;
    bool open_ = true;
};

} // namespace loco::records::sql
