#include "core/ProgramDirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
[[nodiscard]] bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TestProgramDirectory : public QObject
{
    Q_OBJECT
private slots:
    void writableInstallRunsInPlaceUnlessMarked_data();
    void writableInstallRunsInPlaceUnlessMarked();
    void readOnlyInstallIsCopiedOnce();
    void anUpdateReachesTheCopy_data();
    void anUpdateReachesTheCopy();
};

void TestProgramDirectory::writableInstallRunsInPlaceUnlessMarked_data()
{
    QTest::addColumn<bool>("marked");
    QTest::newRow("build folder") << false;
    // A package's directory: root may write it, but nobody should.
    QTest::newRow("installed, marked read-only") << true;
}

void TestProgramDirectory::writableInstallRunsInPlaceUnlessMarked()
{
    QFETCH(bool, marked);
    QTemporaryDir installed;
    QTemporaryDir home;
    QVERIFY(write(QDir(installed.path()).filePath(QStringLiteral("sp")), "<form></form>"));
    if (marked)
        QVERIFY(write(QDir(installed.path()).filePath(QStringLiteral(".read-only")), ""));
    const QString copy = QDir(home.path()).filePath(QStringLiteral("HX-Tolkarin"));

    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy), marked ? copy : installed.path());
    QCOMPARE(QFileInfo::exists(QDir(copy).filePath(QStringLiteral("sp"))), marked);
    // The copy is the user's to write: it carries no mark.
    QVERIFY(!QFileInfo::exists(QDir(copy).filePath(QStringLiteral(".read-only"))));
}

void TestProgramDirectory::readOnlyInstallIsCopiedOnce()
{
    QTemporaryDir installed;
    QTemporaryDir home;
    QVERIFY(write(QDir(installed.path()).filePath(QStringLiteral("TranslateDeGb/DeEn.txt")), "haus;house;\r\n"));
    QVERIFY(write(QDir(installed.path()).filePath(QStringLiteral("sp")), "<form></form>"));
    const QString copy = QDir(home.path()).filePath(QStringLiteral("HX-Tolkarin"));
    const auto readOnly = [](const QString &) { return false; };

    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy, readOnly), copy);
    QCOMPARE(read(QDir(copy).filePath(QStringLiteral("TranslateDeGb/DeEn.txt"))), QByteArray("haus;house;\r\n"));
    QCOMPARE(read(QDir(copy).filePath(QStringLiteral("sp"))), QByteArray("<form></form>"));
    QVERIFY(QFileInfo(QDir(copy).filePath(QStringLiteral("sp"))).isWritable());

    // What the user changed in the copy stays at the next start.
    QVERIFY(write(QDir(copy).filePath(QStringLiteral("TranslateDeGb/DeEn.txt")), "haus;home;\r\n"));
    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy, readOnly), copy);
    QCOMPARE(read(QDir(copy).filePath(QStringLiteral("TranslateDeGb/DeEn.txt"))), QByteArray("haus;home;\r\n"));
}

void TestProgramDirectory::anUpdateReachesTheCopy_data()
{
    QTest::addColumn<QString>("user");      // what the user did to the file in the copy
    QTest::addColumn<QByteArray>("update"); // what the update put into the install
    QTest::addColumn<QByteArray>("after");  // in the copy at the next start; "-" for no file
    QTest::newRow("unchanged by the user: updated")
        << "" << QByteArray("haus;house;\r\nkind;child;\r\n") << QByteArray("haus;house;\r\nkind;child;\r\n");
    QTest::newRow("changed by the user: kept")
        << "haus;home;\r\n"
        << QByteArray("haus;house;\r\nkind;child;\r\n") << QByteArray("haus;home;\r\n");
    QTest::newRow("removed by the user: stays removed")
        << "-" << QByteArray("haus;house;\r\nkind;child;\r\n") << QByteArray("-");
    QTest::newRow("no update") << "" << QByteArray() << QByteArray("haus;house;\r\n");
}

void TestProgramDirectory::anUpdateReachesTheCopy()
{
    QFETCH(QString, user);
    QFETCH(QByteArray, update);
    QFETCH(QByteArray, after);
    QTemporaryDir installed;
    QTemporaryDir home;
    const QString dictionary = QDir(installed.path()).filePath(QStringLiteral("TranslateDeGb/DeEn.txt"));
    QVERIFY(write(dictionary, "haus;house;\r\n"));
    const QString copy = QDir(home.path()).filePath(QStringLiteral("HX-Tolkarin"));
    const QString copied = QDir(copy).filePath(QStringLiteral("TranslateDeGb/DeEn.txt"));
    const auto readOnly = [](const QString &) { return false; };
    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy, readOnly), copy);

    if (user == QLatin1String("-"))
        QVERIFY(QFile::remove(copied));
    else if (!user.isEmpty())
        QVERIFY(write(copied, user.toUtf8()));
    if (!update.isEmpty()) {
        QVERIFY(write(dictionary, update));
        // A package's files carry the time they were built, which an update changes.
        QFile(dictionary).setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
        // New in the update: taken whatever the user did to the rest.
        QVERIFY(write(QDir(installed.path()).filePath(QStringLiteral("TranslateDeGb/DeEn.formen")), "kinder;kind\n"));
    }
    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy, readOnly), copy);
    QCOMPARE(QFileInfo::exists(copied) ? read(copied) : QByteArray("-"), after);
    QCOMPARE(read(QDir(copy).filePath(QStringLiteral("TranslateDeGb/DeEn.formen"))),
             update.isEmpty() ? QByteArray() : QByteArray("kinder;kind\n"));
    // A second start after the update changes nothing the user did since.
    if (QFileInfo::exists(copied))
        QVERIFY(write(copied, "mein;mine;\r\n"));
    QCOMPARE(ProgramDirectory::writableOne(installed.path(), copy, readOnly), copy);
    if (QFileInfo::exists(copied))
        QCOMPARE(read(copied), QByteArray("mein;mine;\r\n"));
}

QTEST_GUILESS_MAIN(TestProgramDirectory)
#include "tst_programdirectory.moc"
