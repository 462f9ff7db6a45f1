#include "toolkit/services/SqlDatabase.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kSqlDriver = QStringLiteral("QSQLITE");

String SqlReason(const QSqlError& Error) {
    String text = Error.databaseText().trimmed();
    if (text.isEmpty()) text = Error.driverText().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

} // namespace

TSqlDatabaseFile::TSqlDatabaseFile(const String& FileName) : FFileName(FileName) {
    if (!QSqlDatabase::isDriverAvailable(kSqlDriver))
        throw EDatabaseError(QStringLiteral("The SQLite database driver of Qt SQL is not installed"));
    const QFileInfo info(FileName);
    if (!info.isFile()) throw EDatabaseError(QStringLiteral("Database file not found: %1").arg(FileName));
    // Every file gets a connection of its own name, so files opened side by side do not share one.
    static quint64 serial = 0;
    FConnection = QStringLiteral("qv-sql-%1").arg(++serial);
    QSqlDatabase db = QSqlDatabase::addDatabase(kSqlDriver, FConnection);
    db.setDatabaseName(info.absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const String reason = SqlReason(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FConnection);
        throw EDatabaseError(QStringLiteral("%1: %2").arg(FileName, reason));
    }
}

TSqlDatabaseFile::~TSqlDatabaseFile() {
    {
        QSqlDatabase db = QSqlDatabase::database(FConnection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FConnection);
}

TSqlResult TSqlDatabaseFile::Query(const String& Sql, qint64 MaxCells) {
    TSqlResult result;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    if (!query.exec(Sql))
        throw EDatabaseError(QStringLiteral("%1: %2").arg(FFileName, SqlReason(query.lastError())));
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        result.Columns << record.fieldName(i);
    const qint64 columns = std::max<qint64>(1, record.count());
    while (query.next()) {
        if (qint64(result.Rows.size() + 1) * columns > MaxCells)
            throw EDatabaseError(
                QStringLiteral("%1: the result holds more than %2 values").arg(FFileName).arg(MaxCells));
        QStringList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i) {
            const QVariant value = query.value(i);
            row << (value.isNull() ? String() : value.toString());
        }
        result.Rows.push_back(std::move(row));
    }
    // A failure part-way through (a damaged page) ends the rows as the end would.
    if (query.lastError().isValid())
        throw EDatabaseError(QStringLiteral("%1: %2").arg(FFileName, SqlReason(query.lastError())));
    return result;
}

String TSqlDatabaseFile::QuoteIdentifier(const String& Name) {
    if (Name.isEmpty() || Name.contains(QChar(0)))
        throw EDatabaseError(QStringLiteral("Invalid table name \"%1\"").arg(String(Name).remove(QChar(0))));
    return QLatin1Char('"') + String(Name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}
