#include "records/store/sql.h"

namespace loco::records::sql {

QSqlQuery run(const QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool done = false;
    if (values.isEmpty()) {
        done = query.exec(statement);
    } else if (query.prepare(statement)) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done)
        throw Failure{query.lastError()};
    return query;
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
