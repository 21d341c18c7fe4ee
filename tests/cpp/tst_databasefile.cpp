// The judgement of a LocalStorage database's files before they are opened:
// missing, empty and sound files with and without their settings file,
// files SQLite cannot read or finds damaged, and a file another process
// holds locked.

#include "services/DatabaseFile.h"
#include "testlimits.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

const QString kName = QStringLiteral("ZovuduzuRez");
const QString kVersion = QStringLiteral("1.0");
constexpr int kSize = 1000000;
constexpr int kBusyTimeoutMs = 300;

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// A vault table with one row larger than a page, as the store writes it.
void makeDatabase(const QString &path) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(
            q.exec(QStringLiteral("CREATE TABLE pwddata(content TEXT, date TEXT, wrapkey TEXT)")));
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO pwddata VALUES(?, ?, ?)")));
        q.addBindValue(QString(20000, QLatin1Char('x')));
        q.addBindValue(QStringLiteral("2026-12-11 10:00:00"));
        q.addBindValue(QStringLiteral("yes"));
        QVERIFY(q.exec());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

// The settings file LocalStorage writes for a new database.
QByteArray localStorageIni() {
    return "[General]\nDescription=ZovuduzuRez\nDriver=QSQLITE\nEstimatedSize=1000000\n"
           "Name=ZovuduzuRez\nVersion=1.0\n";
}

using Damage = std::function<QByteArray(const QByteArray &)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class TstDatabaseFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DatabaseFile file() const { return DatabaseFile::named(m_dir.path(), kName); }
    DatabaseFile::Check prepare() const {
        return file().prepare(kName, kVersion, kName, kSize, kBusyTimeoutMs);
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/Databases")));
    }

    void namedAsLocalStorageNamesIt() {
        const QString md5 = QString::fromLatin1(
            QCryptographicHash::hash(kName.toUtf8(), QCryptographicHash::Md5).toHex());
        QCOMPARE(file().sqlitePath(), m_dir.path() + "/Databases/" + md5 + ".sqlite");
        QCOMPARE(file().iniPath(), m_dir.path() + "/Databases/" + md5 + ".ini");
    }

    // Files a start can meet, what they are judged and what is left on disk.
    void judged_data() {
        QTest::addColumn<QString>("files");   // "", "empty" or "database"
        QTest::addColumn<QByteArray>("ini");  // the settings file; null: none
        QTest::addColumn<QVariant>("damage"); // Damage to the database file
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("error"); // a part of the reason
        QTest::addColumn<QByteArray>("iniAfter");

        const QByteArray none;
        const QVariant intact;
        const auto sound = int(DatabaseFile::State::Sound);
        const auto unreadable = int(DatabaseFile::State::Unreadable);
        const QByteArray noVersion = "[General]\nName=ZovuduzuRez\nDriver=QSQLITE\n";
        const QByteArray otherIni = "[General]\nDescription=ZovuduzuRez\nDriver=QSQLITE\n"
                                    "EstimatedSize=1000000\nName=ZovuduzuRez\nVersion=1.0\n"
                                    "Extra=kept\n";
        auto damage = [](Damage d) { return QVariant::fromValue(d); };

        QTest::newRow("no file yet") << "" << none << intact << sound << "" << none;
        QTest::newRow("an empty file, no settings file")
            << "empty" << none << intact << sound << "" << localStorageIni();
        QTest::newRow("a vault, no settings file")
            << "database" << none << intact << sound << "" << localStorageIni();
        QTest::newRow("a vault, settings file without its version")
            << "database" << noVersion << intact << sound << "" << localStorageIni();
        QTest::newRow("a vault, settings file empty")
            << "database" << QByteArray("") << intact << sound << "" << localStorageIni();
        QTest::newRow("a vault and its settings file, left as they are")
            << "database" << otherIni << intact << sound << "" << otherIni;
        QTest::newRow("cut in half") << "database" << none << damage([](const QByteArray &b) {
            return b.left(b.size() / 2);
        }) << unreadable << "" << none;
        QTest::newRow("not a database")
            << "database" << localStorageIni()
            << damage([](const QByteArray &b) { return QByteArray(b.size(), 'G'); }) << unreadable
            << "not a database" << localStorageIni();
        // The vault table's root page then lists no row: SQLite reads an
        // empty table, the integrity check sees the pages no table holds.
        QTest::newRow("vault table's cell count zeroed")
            << "database" << none << damage([](const QByteArray &b) {
                   QByteArray c = b;
                   c[4096 + 3] = 0;
                   c[4096 + 4] = 0;
                   return c;
               })
            << unreadable << "never used" << none;
    }

    void judged() {
        QFETCH(QString, files);
        QFETCH(QByteArray, ini);
        QFETCH(QVariant, damage);
        QFETCH(int, state);
        QFETCH(QString, error);
        QFETCH(QByteArray, iniAfter);

        const DatabaseFile f = file();
        if (files == QLatin1String("empty"))
            writeAll(f.sqlitePath(), QByteArray());
        else if (files == QLatin1String("database"))
            makeDatabase(f.sqlitePath());
        if (damage.isValid())
            writeAll(f.sqlitePath(), damage.value<Damage>()(readAll(f.sqlitePath())));
        if (!ini.isNull())
            writeAll(f.iniPath(), ini);
        const QByteArray before = readAll(f.sqlitePath());

        const DatabaseFile::Check check = prepare();
        QCOMPARE(int(check.state), state);
        QVERIFY2(check.error.contains(error), qPrintable(check.error));
        QCOMPARE(check.error.isEmpty(), state == int(DatabaseFile::State::Sound));
        QCOMPARE(readAll(f.sqlitePath()), before);
        QCOMPARE(QFile::exists(f.sqlitePath()), !files.isEmpty());
        QCOMPARE(readAll(f.iniPath()), iniAfter.isNull() ? QByteArray() : iniAfter);
        QCOMPARE(QFile::exists(f.iniPath()), !iniAfter.isNull());
        // Nothing else is left beside them (no journal, no lock file).
        QStringList names = QDir(m_dir.path() + "/Databases").entryList(QDir::Files);
        names.removeAll(QFileInfo(f.sqlitePath()).fileName());
        names.removeAll(QFileInfo(f.iniPath()).fileName());
        QCOMPARE(names, QStringList());

        // What is restored is what LocalStorage expects.
        if (!iniAfter.isNull()) {
            const QSettings s(f.iniPath(), QSettings::IniFormat);
            QCOMPARE(s.value("Version").toString(), kVersion);
        }
    }

    void aDirectoryIsNoDatabase() {
        QVERIFY(QDir().mkpath(file().sqlitePath()));
        const DatabaseFile::Check check = prepare();
        QCOMPARE(check.state, DatabaseFile::State::Unreadable);
        QVERIFY(!QFile::exists(file().iniPath()));
    }

    // Another process (python3's sqlite3) holds the exclusive lock: the file
    // is in use, judged so after the busy wait, and sound once it is free.
    void heldByAnotherProgram() {
        makeDatabase(file().sqlitePath());
        QProcess holder;
        holder.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sqlite3, sys\n"
                                     "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                     "db.execute('BEGIN EXCLUSIVE')\n"
                                     "print('locked', flush=True)\n"
                                     "sys.stdin.read()\n"
                                     "db.execute('ROLLBACK')\n"),
                      file().sqlitePath()});
        QVERIFY(holder.waitForStarted(waitLimit()));
        QVERIFY(holder.waitForReadyRead(waitLimit()));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        QElapsedTimer timer;
        timer.start();
        const DatabaseFile::Check check = prepare();
        QCOMPARE(check.state, DatabaseFile::State::InUse);
        QVERIFY2(check.error.contains(QLatin1String("locked")), qPrintable(check.error));
        QVERIFY(timer.elapsed() >= kBusyTimeoutMs - 50);
        QVERIFY(!QFile::exists(file().iniPath()));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(waitLimit()));
        QCOMPARE(prepare().state, DatabaseFile::State::Sound);
        QCOMPARE(readAll(file().iniPath()), localStorageIni());
    }
};

QTEST_GUILESS_MAIN(TstDatabaseFile)
#include "tst_databasefile.moc"
