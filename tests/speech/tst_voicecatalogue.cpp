#include "speech/VoiceCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
// A catalogue file of these lines in a folder of its own; empty when it cannot be written.
QString writeCatalogue(const QTemporaryDir &dir, const QByteArray &lines)
{
    const QString path = dir.filePath(QStringLiteral("voices.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size())
        return {};
    return path;
}

QString shippedCatalogue()
{
    // ctest names the data folder; run by hand, the build folder holds a copy of it.
    const QString fallback = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    return QDir(qEnvironmentVariable("TOLKARIN_DATA_DIR", fallback)).filePath(QStringLiteral("voices.txt"));
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
    void fieldsEspeakCannotTakeAreRefused_data();
    void fieldsEspeakCannotTakeAreRefused();
    void firstVoiceOfALanguage_data();
    void firstVoiceOfALanguage();
};

void TestVoiceCatalogue::shippedVoices_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("gender");

    QTest::newRow("de silkrvlg") << "lgx.de.silkrvlg"
                                 << "de"
                                 << "f";
    for (const char *language : {"de", "en", "el", "it", "es"}) {
        for (const auto &[name, gender] : {std::pair{"bill", "m"}, {"martin", "m"}, {"silke", "f"}, {"johanna", "f"}}) {
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
    QCOMPARE(catalogue.aliases(), (QStringList{"lgx.zz.one", "lgx.zz.two", "lgx.zz.three"}));
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

void TestVoiceCatalogue::fieldsEspeakCannotTakeAreRefused_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("usable");

    const QByteArray variant32(32, 'v');
    QTest::newRow("ordinary") << QByteArray("lgx.zz.b  en  f2") << true;
    QTest::newRow("variant of 32 characters") << "lgx.zz.b  de  " + variant32 << true;
    QTest::newRow("variant of 60 characters") << "lgx.zz.b  de  " + QByteArray(60, 'v') << false;
    QTest::newRow("language of 33 characters") << "lgx.zz.b  " + QByteArray(33, 'd') + "  m1" << false;
    QTest::newRow("alias of 33 characters") << QByteArray(33, 'a') + "  de  m1" << false;
    QTest::newRow("language with a path") << QByteArray("lgx.zz.b  mb/mb-de1") << false;
    QTest::newRow("variant with a quote") << QByteArray("lgx.zz.b  de  m1\"") << false;
    QTest::newRow("language with a dot") << QByteArray("lgx.zz.b  de.x  m1") << false;
    QTest::newRow("umlaut in the variant") << QByteArray("lgx.zz.b  de  m\xc3\xa4") << false;
    QTest::newRow("dash, underscore and plus") << QByteArray("lgx.zz-b_c+d  en-us  m_1+x") << true;
    QTest::newRow("four fields") << QByteArray("lgx.zz.b  de  m1  extra") << false;
}

void TestVoiceCatalogue::fieldsEspeakCannotTakeAreRefused()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, usable);

    QTemporaryDir dir;
    const QString path = writeCatalogue(dir, "lgx.zz.a  de  m3\n" + line + "\n");
    QVERIFY(!path.isEmpty());
    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(path));
    QCOMPARE(catalogue.count(), usable ? 2 : 1);
    QCOMPARE(catalogue.rejectedLines(), usable ? QList<int>{} : QList<int>{2});
    QCOMPARE(catalogue.errorString().isEmpty(), usable);
    QCOMPARE(catalogue.alias(0), QStringLiteral("lgx.zz.a"));
}

void TestVoiceCatalogue::firstVoiceOfALanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("alias");

    QTest::newRow("de") << "de"
                        << "lgx.zz.one";
    QTest::newRow("en finds en-us first") << "en"
                                          << "lgx.zz.two";
    QTest::newRow("en-us") << "en-us"
                           << "lgx.zz.two";
    QTest::newRow("upper case") << "EN"
                                << "lgx.zz.two";
    QTest::newRow("el") << "el"
                        << "lgx.zz.four";
    QTest::newRow("part of a code") << "e"
                                    << "";
    QTest::newRow("language without a voice") << "fr"
                                              << "";
    QTest::newRow("no language") << ""
                                 << "";
}

void TestVoiceCatalogue::firstVoiceOfALanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, alias);

    QTemporaryDir dir;
    const QString path = writeCatalogue(dir, "lgx.zz.one    de     m3\n"
                                             "lgx.zz.two    en-us  f2\n"
                                             "lgx.zz.three  en     m1\n"
                                             "lgx.zz.four   el     m1\n"
                                             "lgx.zz.five   de     f1\n");
    VoiceCatalogue catalogue;
    QVERIFY(catalogue.load(path));
    QVERIFY(catalogue.setCurrentIndex(4));
    const auto voice = catalogue.firstOfLanguage(language);
    QCOMPARE(voice ? voice->alias : QString(), alias);
}

QTEST_GUILESS_MAIN(TestVoiceCatalogue)
#include "tst_voicecatalogue.moc"
