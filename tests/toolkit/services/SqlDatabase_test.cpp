// Queries on an SQLite file: columns and rows as text from the fixture database, identifiers quoted
// whatever they hold, and every refusal (missing file, no database, bad or writing statements, too large
// a result) raised with the database's reason and the file left as it was.
#include "toolkit/services/SqlDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString SqlFixture() {
    return QStringLiteral(QV_TEST_DATA_DIR "/database/parts.sqlite");
}

QByteArray SqlFileHash(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

} // namespace

TEST(SqlDatabaseFile, ColumnsAndRowsAsText) {
    TSqlDatabaseFile db(SqlFixture());
    const TSqlResult parts = db.Query("SELECT * FROM parts ORDER BY id", 1000);
    EXPECT_EQ(parts.Columns, QStringList({"id", "name", "weight", "note"}));
    ASSERT_EQ(parts.Rows.size(), 3u);
    EXPECT_EQ(parts.Rows[0], QStringList({"1", "bolt", "2.5", ""})); // NULL reads as empty
    EXPECT_EQ(parts.Rows[1], QStringList({"2", "nut", "0.75", ""}));
    EXPECT_EQ(parts.Rows[2], QStringList({"3", QString::fromUtf8("\u00d6lring \"x\""), "12", "multi\nline"}));
    // A result without rows still names its columns.
    const TSqlResult none = db.Query("SELECT a, b FROM empty", 1000);
    EXPECT_EQ(none.Columns, QStringList({"a", "b"}));
    EXPECT_TRUE(none.Rows.empty());
    // Two files open side by side keep their own connections.
    TSqlDatabaseFile second(SqlFixture());
    EXPECT_EQ(second.Query("SELECT count(*) FROM parts", 10).Rows.at(0).at(0), "3");
    EXPECT_EQ(db.Query("SELECT name FROM parts WHERE id = 2", 10).Rows.at(0).at(0), "nut");
}

TEST(SqlDatabaseFile, QuotedIdentifiersNameTablesWhateverTheyHold) {
    const std::pair<const char*, const char*> cases[] = {
        {"parts", "\"parts\""},
        {"odd \"name\"", "\"odd \"\"name\"\"\""},
        {"parts; DROP TABLE parts; --", "\"parts; DROP TABLE parts; --\""},
    };
    for (const auto& [name, quoted] : cases)
        EXPECT_EQ(TSqlDatabaseFile::QuoteIdentifier(name), quoted) << name;
    TSqlDatabaseFile db(SqlFixture());
    EXPECT_EQ(
        db.Query("SELECT * FROM " + TSqlDatabaseFile::QuoteIdentifier("odd \"name\""), 10).Rows.at(0).at(0),
        "quoted");
    EXPECT_THROW(db.Query("SELECT * FROM " + TSqlDatabaseFile::QuoteIdentifier(cases[2].first), 10),
                 EDatabaseError);
    for (const QString& bad : {QString(), QString("a") + QChar(0) + "b"})
        EXPECT_THROW(TSqlDatabaseFile::QuoteIdentifier(bad), EDatabaseError);
}

TEST(SqlDatabaseFile, RefusalsCarryTheReasonAndChangeNothing) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.sqlite");
    ASSERT_TRUE(QFile::copy(SqlFixture(), copy));
    const QByteArray before = SqlFileHash(copy);
    const QString text = dir.filePath("text.sqlite");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a database, only some words long enough to look like a header of one");
    }
    const QString missing = dir.filePath("missing.sqlite");
    struct Case {
        QString File, Sql;
        qint64 MaxCells;
        const char* Reason;
    };
    const Case cases[] = {
        {missing, "SELECT 1", 10, "not found"},
        {text, "SELECT * FROM parts", 10, "not a database"},
        {copy, "SELEC nonsense", 10, "syntax error"},
        {copy, "SELECT * FROM nowhere", 10, "no such table"},
        {copy, "DELETE FROM parts", 10, "readonly"},
        {copy, "CREATE TABLE t (x)", 10, "readonly"},
        {copy, "SELECT * FROM parts", 11, "more than 11 values"},
    };
    for (const Case& c : cases) {
        try {
            TSqlDatabaseFile db(c.File);
            db.Query(c.Sql, c.MaxCells);
            ADD_FAILURE() << c.Sql.toStdString();
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().contains(c.Reason)) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QFileInfo(c.File).fileName())) << e.Message().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(missing)); // opening never creates a file
    EXPECT_EQ(SqlFileHash(copy), before);
    EXPECT_EQ(TSqlDatabaseFile(copy).Query("SELECT count(*) FROM parts", 1).Rows.at(0).at(0), "3");
}
