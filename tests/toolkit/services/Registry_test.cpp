// The registry's key-value store: keys and their ancestors, values by kind, change stamps for watchers; the
// current user's keys kept in a file, read by the next run, kept whole when a write fails, refused beyond
// their limits and read as empty (with a warning) when the file is damaged.
#include "toolkit/services/Registry.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <gtest/gtest.h>

struct RegistryStoreTest : ::testing::Test {
    void SetUp() override { RegistryStore::Clear(); }
    void TearDown() override { RegistryStore::Clear(); }
};

TEST_F(RegistryStoreTest, KeysValuesAndKinds) {
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("Software\\A"));
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\A"));
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\A\\B", "N", 7);
    RegistryStore::SetString(HKEY_CURRENT_USER, "Software\\A\\B", "S", "text");
    EXPECT_TRUE(reg.KeyExists("Software\\A"));        // an ancestor of a key with values
    EXPECT_TRUE(reg.KeyExists("\\software\\a\\b\\")); // separators at the ends and case do not matter
    EXPECT_FALSE(reg.KeyExists("Software\\A\\Bx"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\A\\B"));
    EXPECT_EQ(reg.ReadInteger("n"), 7);
    EXPECT_EQ(reg.ReadString("S"), "text");
    EXPECT_FALSE(reg.ValueExists("Missing"));
    EXPECT_THROW(reg.ReadInteger("S"), ERegistryException);
    EXPECT_THROW(reg.ReadString("Missing"), ERegistryException);
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("N"));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\A"));
}

TEST_F(RegistryStoreTest, ChangeStampsFollowTheWatchedKey) {
    const uint64_t start = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true);
    const uint64_t keyOnly = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", false);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\AB", "N", 1); // a sibling, not below
    EXPECT_EQ(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true), start);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\A\\Sub", "N", 1);
    const uint64_t afterSub = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true);
    EXPECT_GT(afterSub, start);
    EXPECT_EQ(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", false), keyOnly);
    RegistryStore::DeleteKey(HKEY_CURRENT_USER, "Software\\A\\Sub");
    EXPECT_GT(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true), afterSub);
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("Software\\A\\Sub"));
}

// ---------------------------------------------------------------------------------------------------------
// The current user's keys kept in a file.

namespace {

constexpr const char* kChildFileVariable = "QV_REGISTRY_CHILD_FILE";

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// What a new run of the program reads from the user file: the child prints every value it finds.
QString readInANewProcess(const QString& file) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildFileVariable, file);
    child.setProcessEnvironment(env);
    child.start(
        QCoreApplication::applicationFilePath(),
        {"--gtest_also_run_disabled_tests", "--gtest_filter=RegistryUserFileChild.DISABLED_PrintsTheValues"});
    EXPECT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    const qsizetype from = out.indexOf("VALUES[");
    const qsizetype to = out.indexOf("]VALUES");
    return from >= 0 && to > from ? out.mid(from + 7, to - from - 7) : QStringLiteral("<no answer>");
}

} // namespace

struct RegistryUserFileTest : ::testing::Test {
    void SetUp() override {
        previous = RegistryStore::UserFile();
        const QString folder = qvtest::TempDir() + "/config";
        QDir().mkpath(folder);
        file = folder + "/user-registry.json";
        RegistryStore::SetUserFile(file);
    }
    void TearDown() override { RegistryStore::SetUserFile(previous); }
    QString previous;
    QString file;
};

// Run only by readInANewProcess, as a new run of the program.
TEST(RegistryUserFileChild, DISABLED_PrintsTheValues) {
    const QString file = qEnvironmentVariable(kChildFileVariable);
    ASSERT_FALSE(file.isEmpty());
    RegistryStore::SetUserFile(file);
    TRegistry reg;
    QStringList found;
    if (reg.OpenKeyReadOnly("Software\\Quenvarrow\\Grid")) {
        for (const char* name : {"Col0", "Col1", "Title", "Huge"}) {
            if (!reg.ValueExists(name)) continue;
            try {
                found << QString("%1=%2").arg(name).arg(reg.ReadInteger(name));
            } catch (const ERegistryException&) {
                found << QString("%1=%2").arg(name, reg.ReadString(name).left(20));
            }
        }
    }
    if (!RegistryStore::UserFileWarning().isEmpty()) found << "warned";
    std::printf("VALUES[%s]VALUES\n", found.join(',').toUtf8().constData());
}

TEST_F(RegistryUserFileTest, AValueWrittenIsReadByTheNextRunAndSurvivesAFailedWrite) {
    TRegistry reg;
    ASSERT_FALSE(reg.OpenKey("Software\\Quenvarrow\\Grid", false));
    ASSERT_TRUE(reg.OpenKey("Software\\Quenvarrow\\Grid", true));
    reg.WriteInteger("Col0", 64);
    reg.WriteString("Title", "Ünïcode \"quoted\"\nline");
    EXPECT_EQ(readInANewProcess(file), "Col0=64,Title=Ünïcode \"quoted\"\nlin");

    // A write the disk does not take leaves the file as it was, and the value as it was.
    const QByteArray before = fileBytes(file);
    {
        qvtest::FileSizeLimit limit(before.size() / 2);
        EXPECT_THROW(reg.WriteString("Huge", QString(4000, 'x')), ERegistryException);
        EXPECT_THROW(reg.WriteInteger("Col0", 999999), ERegistryException);
    }
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_FALSE(reg.ValueExists("Huge"));
    EXPECT_EQ(reg.ReadInteger("Col0"), 64);
    EXPECT_EQ(readInANewProcess(file), "Col0=64,Title=Ünïcode \"quoted\"\nlin");

    // Deleting is kept too.
    EXPECT_TRUE(reg.DeleteValue("Title"));
    EXPECT_FALSE(reg.DeleteValue("Title"));
    EXPECT_EQ(readInANewProcess(file), "Col0=64");
    EXPECT_TRUE(reg.DeleteKey("Software\\Quenvarrow"));
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_EQ(readInANewProcess(file), "");
}

TEST_F(RegistryUserFileTest, EntriesBeyondTheLimitsAreRefusedAndChangeNothing) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Quenvarrow\\Grid", true));
    reg.WriteInteger("Col0", 1);
    const QByteArray before = fileBytes(file);
    EXPECT_THROW(reg.OpenKey("Software\\" + QString(300, 'k'), true),
                 ERegistryException); // a name in the key
    EXPECT_THROW(reg.OpenKey(QString(600, 'a') + "\\" + QString(600, 'b'), true),
                 ERegistryException);                                         // the key
    EXPECT_THROW(reg.OpenKey("Software\\\\Twice", true), ERegistryException); // an empty name
    ASSERT_TRUE(reg.OpenKey("Software\\Quenvarrow\\Grid", false));
    EXPECT_THROW(reg.WriteInteger(QString(1025, 'n'), 1), ERegistryException);               // the value name
    EXPECT_THROW(reg.WriteString("Text", QString(256 * 1024 + 1, 't')), ERegistryException); // the text
    reg.WriteString("Text", QString(256 * 1024, 't'));                                       // just within
    EXPECT_GT(fileBytes(file).size(), before.size());
    EXPECT_EQ(reg.ReadString("Text").size(), 256 * 1024);

    // Only the current user's keys are written.
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(machine.OpenKey("Software\\Quenvarrow", true));
    EXPECT_THROW(machine.WriteString("X", "y"), ERegistryException);
}

TEST_F(RegistryUserFileTest, ADamagedFileReadsAsEmptyWithAWarningAndIsKept) {
    const QByteArray valid = "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
                             "{\"software\\\\quenvarrow\\\\grid\": {\"col0\": {\"integer\": 5}}}}";
    const QByteArray cases[] = {
        "not json at all \x01\xff",
        "[1, 2, 3]",
        "{\"format\": \"something else\", \"version\": 1, \"keys\": {}}",
        "{\"format\": \"quenvarrow user registry\", \"version\": 2, \"keys\": {}}",
        "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
        "{\"Software\\\\Upper\": {}}}", // a key as the store never writes it
        "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
        "{\"a\": {\"n\": {\"integer\": 1.5}}}}",
        "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
        "{\"a\": {\"n\": {\"integer\": 4294967296}}}}",
        "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
        "{\"a\": {\"n\": {\"string\": \"x\", \"integer\": 1}}}}",
        "{\"format\": \"quenvarrow user registry\", \"version\": 1, \"keys\": "
        "{\"a\": {\"n\": {\"string\": \"" +
            QByteArray(256 * 1024 + 1, 's') + "\"}}}}",
        valid.left(valid.size() - 3), // cut short
        QByteArray(16 * 1024 * 1024 + 1, ' '),
    };
    QStringList logged;
    const QtMessageHandler previousHandler = qInstallMessageHandler(nullptr);
    static QStringList* sink = nullptr;
    sink = &logged;
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg && sink) *sink << text;
    });
    int n = 0;
    for (const QByteArray& damaged : cases) {
        SCOPED_TRACE(n++);
        writeBytes(file, valid);
        RegistryStore::SetUserFile(file);
        EXPECT_TRUE(RegistryStore::UserFileWarning().isEmpty());
        TRegistry reg;
        EXPECT_TRUE(reg.KeyExists("Software\\Quenvarrow\\Grid"));

        writeBytes(file, damaged);
        logged.clear();
        RegistryStore::SetUserFile(file);
        EXPECT_FALSE(RegistryStore::UserFileWarning().isEmpty());
        EXPECT_EQ(logged.filter(file).size(), 1);
        EXPECT_FALSE(reg.KeyExists("Software\\Quenvarrow\\Grid"));

        // The next write keeps the damaged file beside before it replaces it.
        EXPECT_TRUE(reg.OpenKey("Software\\New", true));
        reg.WriteInteger("N", 1);
        EXPECT_EQ(fileBytes(file + ".damaged"), damaged);
        RegistryStore::SetUserFile(file);
        EXPECT_TRUE(RegistryStore::UserFileWarning().isEmpty());
        EXPECT_TRUE(reg.KeyExists("Software\\New"));
    }
    sink = nullptr;
    qInstallMessageHandler(previousHandler);
}

TEST_F(RegistryUserFileTest, ARegistryKeyReadAndWrittenAsAnIniFile) {
    TRegistryIniFile ini("Software\\Quenvarrow\\Grid1");
    EXPECT_EQ(ini.ReadInteger("Columns", "Col0", 64), 64);
    EXPECT_FALSE(ini.SectionExists("Columns"));
    ini.WriteInteger("Columns", "Col0", 80);
    ini.WriteString("Columns", "Col1", "40");
    ini.WriteBool("Columns", "Stretch", true);
    EXPECT_EQ(ini.ReadInteger("Columns", "Col0", 64), 80);
    EXPECT_EQ(ini.ReadInteger("Columns", "Col1", 0), 40); // a text holding a number
    EXPECT_EQ(ini.ReadString("Columns", "Col0", ""), "80");
    EXPECT_TRUE(ini.ReadBool("Columns", "Stretch", false));
    EXPECT_TRUE(ini.ValueExists("Columns", "col1"));
    ini.DeleteKey("Columns", "Col1");
    EXPECT_FALSE(ini.ValueExists("Columns", "Col1"));
    ini.EraseSection("Columns");
    EXPECT_FALSE(ini.SectionExists("Columns"));
    EXPECT_EQ(ini.ReadInteger("Columns", "Col0", 7), 7);
}
