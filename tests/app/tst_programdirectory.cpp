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

QTEST_GUILESS_MAIN(TestProgramDirectory)
#include "tst_programdirectory.moc"
