// Queries on a database file through Qt SQL's SQLite driver: the file opened read-only, a statement run,
// its column names and its rows as text, every failure raised with the database's own reason.
#pragma once

#include "toolkit/system/Types.h"

#include <QStringList>
#include <memory>
#include <vector>

// What the database or its driver refused, with its reason and the file's name.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

struct TSqlResult {
    QStringList Columns;
    // Row by row, one text per column; a NULL value reads as the empty text.
    std::vector<QStringList> Rows;
};

class TSqlDatabaseFile {
public:
    // Opens an existing file read-only (a missing one is never created); EDatabaseError when the driver is
    // not installed, the file is not there or cannot be opened.
    explicit TSqlDatabaseFile(const String& FileName);
    ~TSqlDatabaseFile();
    TSqlDatabaseFile(const TSqlDatabaseFile&) = delete;
    TSqlDatabaseFile& operator=(const TSqlDatabaseFile&) = delete;

    // Runs one statement and reads all its rows; EDatabaseError when the database refuses it (a file that
    // is no database, a statement that does not parse or would write) or when the result would hold more
    // than MaxCells texts.
    TSqlResult Query(const String& Sql, qint64 MaxCells);

    // Name as one quoted identifier of the SQL text, whatever characters it holds; EDatabaseError for an
    // empty name or one with a NUL character, which no table can have.
    static String QuoteIdentifier(const String& Name);

private:
    String FFileName;
    String FConnection;
};
