#include "speech/VoiceCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QString shippedCatalogue()
{
    // ctest names the data folder; run by hand, the build folder holds a copy of it.
    const QString fallback = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    return QDir(qEnvironmentVariable("TOLKARIN_DATA_DIR", fallback))
        .filePath(QStringLiteral("voices.txt"));
}
}

class TestVoiceCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void shippedVoices_data();
    void shippedVoices();
    void shippedCatalogueIsClean();
    void readsOwnFormat();
    void currentVoice();
    void missingFile();
};

void TestVoiceCatalogue::shippedVoices_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("gender");

    QTest::newRow("de silkrvlg") << "lgx.de.silkrvlg" << "de" << "f";
    for (const char *language : { "de", "en", "el", "it", "es" }) {
        for (const auto &[name, gender] : { std::pair{ "bill", "m" }, { "martin", "m" }, { "silke", "f" }, { "johanna", "f" } }) {
            const QString alias = QStringLiteral("lgx.%1.%2").arg(language, name);
            QTest::newRow(qPrintable(alias)) << alias << QString::fromLatin1(language) << QString::fromLatin1(gender);
        }
    }
}

void TestVoiceCatalogue::shippedVoices()
{
    QFETCH(QString, alias);
    QFETCH(QString, language);
    QFETCH(QString, gender);

    VoiceCatalogue catalogue;
    QVERIFY2(catalogue.load(shippedCatalogue()), qPrintable(catalogue.errorString()));
    const auto voice = catalogue.find(alias);
    QVERIFY2(voice.has_value(), qPrintable(alias));
    QCOMPARE(voice->language, language);
    // espeak-ng's variants m1..m8 are male voices, f1..f5 female ones.
    QVERIFY2(voice->variant.startsWith(gender) && voice->variant.size() == 2, qPrintable(voice->variant));
}

void TestVoiceCatalogue::shippedCatalogueIsClean()
{
    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(shippedCatalogue()));
    QVERIFY2(catalogue.errorString().isEmpty(), qPrintable(catalogue.errorString()));
    QCOMPARE(catalogue.alias(0), QStringLiteral("lgx.de.bill"));
    for (const QString &alias : catalogue.aliases())
        QVERIFY2(!catalogue.find(alias)->language.startsWith("mb"), qPrintable(alias));
}

void TestVoiceCatalogue::readsOwnFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("voices.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("// comment\n"
               "\n"
               "lgx.zz.one   de  m2\n"
               "   lgx.zz.two\ten\n"
               "broken\n"
               "lgx.zz.robot mb/mb-de1\n"
               "LGX.ZZ.ONE   it  f1\n"
               "lgx.zz.three el  f3\n");
    file.close();

    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(path));
    QCOMPARE(catalogue.aliases(), (QStringList{ "lgx.zz.one", "lgx.zz.two", "lgx.zz.three" }));
    QVERIFY(!catalogue.errorString().isEmpty());
    QCOMPARE(catalogue.find(u"LGX.zz.One")->espeakName(), QStringLiteral("de+m2"));
    QCOMPARE(catalogue.find(u"lgx.zz.two")->espeakName(), QStringLiteral("en"));
    QCOMPARE(catalogue.indexOf(u"lgx.zz.three"), 2);
    QVERIFY(!catalogue.find(u"lgx.zz.robot").has_value());
    QVERIFY(!catalogue.find(u"lgx.de.unbekannt").has_value());
    QCOMPARE(catalogue.alias(3), QString());
    QCOMPARE(catalogue.alias(-1), QString());
}

void TestVoiceCatalogue::currentVoice()
{
    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(shippedCatalogue()));
    QCOMPARE(catalogue.currentIndex(), 0);
    const auto last = catalogue.count() - 1;
    QVERIFY(catalogue.setCurrentIndex(last));
    QCOMPARE(catalogue.current()->alias, catalogue.alias(last));
    QVERIFY(!catalogue.setCurrentIndex(catalogue.count()));
    QVERIFY(!catalogue.setCurrentIndex(-1));
    QCOMPARE(catalogue.currentIndex(), last);
}

void TestVoiceCatalogue::missingFile()
{
    QTemporaryDir dir;
    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(shippedCatalogue()));
    QVERIFY(!catalogue.load(dir.filePath("voices.txt")));
    QCOMPARE(catalogue.count(), 0);
    QCOMPARE(catalogue.currentIndex(), -1);
    QVERIFY(!catalogue.current().has_value());
    QVERIFY(!catalogue.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestVoiceCatalogue)
#include "tst_voicecatalogue.moc"
