#include "records/store/sql.h"

namespace loco::records::sql {

QSqlQuery run(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    if (!values.isEmpty()) {
        QSqlQuery query = prepare(db, statement);
        run(query, values);
        return query;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw Failure{query.lastError()};
    return query;
}

QSqlQuery prepare(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw Failure{query.lastError()};
    return query;
}

void run(QSqlQuery& prepared, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        prepared.bindValue(int(i), values[i]);
    if (!prepared.exec())
        throw Failure{prepared.lastError()};
}

QVariant single(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    QSqlQuery query = run(db, statement, values);
    return query.next() ? query.value(0) : QVariant();
}

Transaction::Transaction(const QSqlDatabase& db, bool sqlite) : db_(db)
{
    run(db_, sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
}

Transaction::~Transaction()
{
    if (open_)
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

void Transaction::commit()
{
    run(db_, QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace loco::records::sql
