#include "localisation/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestHelpPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onlyPagesOfTheProgram_data();
    void onlyPagesOfTheProgram();
    void addressesToOpen_data();
    void addressesToOpen();

private:
    QTemporaryDir m_outside;
    QString m_program;
};

void TestHelpPage::initTestCase()
{
    // A program directory beside a folder outside it, both with pages and links of every kind.
    QVERIFY(m_outside.isValid());
    const QDir root(m_outside.path());
    QVERIFY(root.mkpath(QStringLiteral("prog/hilfe-vq")));
    m_program = root.filePath(QStringLiteral("prog"));
    const QDir prog(m_program);
    for (const char *name : {"hilfe-vq/index.htm", "hilfe-vq/seite.HTML", "liesmich.txt", "tolkarin.sh",
                             "hilfe-vq/ohne", "hilfe-vq/ziel.desktop"}) {
        QFile f(prog.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QVERIFY(prog.mkpath(QStringLiteral("hilfe-vq/ordner.htm")));
    QFile secret(root.filePath(QStringLiteral("geheim.htm")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("x");
    QVERIFY(
        QFile::link(root.filePath(QStringLiteral("geheim.htm")), prog.filePath(QStringLiteral("hilfe-vq/raus.htm"))));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), prog.filePath(QStringLiteral("hilfe-vq/null.htm"))));
    QVERIFY(
        QFile::link(prog.filePath(QStringLiteral("tolkarin.sh")), prog.filePath(QStringLiteral("hilfe-vq/start.htm"))));
    QVERIFY(
        QFile::link(prog.filePath(QStringLiteral("hilfe-vq/index.htm")), prog.filePath(QStringLiteral("kurz.htm"))));
}

void TestHelpPage::onlyPagesOfTheProgram_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("page"); // relative to the program directory; empty when refused

    QTest::newRow("design value") << "\\hilfe-vq\\index.htm"
                                  << "hilfe-vq/index.htm";
    QTest::newRow("forward slashes, relative") << "hilfe-vq/index.htm"
                                               << "hilfe-vq/index.htm";
    QTest::newRow("upper-case suffix") << "\\hilfe-vq\\seite.HTML"
                                       << "hilfe-vq/seite.HTML";
    QTest::newRow("text file") << "\\liesmich.txt"
                               << "liesmich.txt";
    QTest::newRow("link to a page inside") << "\\kurz.htm"
                                           << "kurz.htm";

    QTest::newRow("up and out") << "../../etc/passwd"
                                << "";
    QTest::newRow("up and back in") << "\\hilfe-vq\\..\\hilfe-vq\\index.htm"
                                    << "";
    QTest::newRow("up to a page beside") << "\\..\\geheim.htm"
                                         << "";
    QTest::newRow("absolute path") << "/etc/passwd"
                                   << "";
    QTest::newRow("absolute page") << QFileInfo(m_outside.path() + QStringLiteral("/geheim.htm")).absoluteFilePath()
                                   << "";
    QTest::newRow("network path") << "\\\\server\\hilfe\\index.htm"
                                  << "";
    QTest::newRow("drive") << "C:\\hilfe-vq\\index.htm"
                           << "";
    QTest::newRow("file address") << "file:///etc/passwd"
                                  << "";
    QTest::newRow("home") << "~/index.htm"
                          << "";
    QTest::newRow("link pointing out") << "\\hilfe-vq\\raus.htm"
                                       << "";
    QTest::newRow("link to a device") << "\\hilfe-vq\\null.htm"
                                      << "";
    QTest::newRow("link to a program") << "\\hilfe-vq\\start.htm"
                                       << "";
    QTest::newRow("program") << "\\tolkarin.sh"
                             << "";
    QTest::newRow("desktop entry") << "\\hilfe-vq\\ziel.desktop"
                                   << "";
    QTest::newRow("no suffix") << "\\hilfe-vq\\ohne"
                               << "";
    QTest::newRow("folder") << "\\hilfe-vq\\ordner.htm"
                            << "";
    QTest::newRow("missing page") << "\\hilfe-vq\\fehlt.htm"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("control character") << QStringLiteral("\\hilfe-vq\\index.htm\n") << "";
}

void TestHelpPage::onlyPagesOfTheProgram()
{
    QFETCH(QString, value);
    QFETCH(QString, page);
    const QString expected = page.isEmpty() ? QString() : QDir(m_program).filePath(page);
    QCOMPARE(HelpPage::file(m_program, value), expected);
}

void TestHelpPage::addressesToOpen_data()
{
    // What a country file may name as a web address, and what the home-page label opens.
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("web");      // empty when refused
    QTest::addColumn<QString>("homePage"); // "page:" and a path relative to the program directory
    QTest::newRow("https") << "https://example.org/stimmen"
                           << "https://example.org/stimmen"
                           << "https://example.org/stimmen";
    QTest::newRow("http, blanks around") << " http://example.org "
                                         << "http://example.org"
                                         << "http://example.org";
    QTest::newRow("a page of the program") << "\\hilfe-vq\\index.htm"
                                           << ""
                                           << "page:hilfe-vq/index.htm";
    QTest::newRow("a file address") << "file:///etc/passwd"
                                    << ""
                                    << "";
    QTest::newRow("another scheme") << "javascript:alert(1)"
                                    << ""
                                    << "";
    QTest::newRow("a desktop's own scheme") << "smb://server/share"
                                            << ""
                                            << "";
    QTest::newRow("no host") << "https:///etc/passwd"
                             << ""
                             << "";
    QTest::newRow("a program") << "\\tolkarin.sh"
                               << ""
                               << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestHelpPage::addressesToOpen()
{
    QFETCH(QString, value);
    QFETCH(QString, web);
    QFETCH(QString, homePage);
    QCOMPARE(HelpPage::webAddress(value), web.isEmpty() ? QUrl() : QUrl(web));
    const QUrl expected = homePage.startsWith(u"page:") ? QUrl::fromLocalFile(QDir(m_program).filePath(homePage.mid(5)))
                                                        : (homePage.isEmpty() ? QUrl() : QUrl(homePage));
    QCOMPARE(HelpPage::homePage(m_program, value), expected);
}

QTEST_GUILESS_MAIN(TestHelpPage)
#include "tst_helppage.moc"
