#include "localisation/CountryKeys.h"
#include "localisation/IniFile.h"
#include "speech/HelpVoice.h"
#include "speech/VoiceCatalogue.h"

#include <QDir>
#include <QtTest>

namespace {
QString dataFile(const QString &relative)
{
    return QDir(qEnvironmentVariable("TOLKARIN_DATA_DIR")).filePath(relative);
}
}

class TestHelpVoice : public QObject
{
    Q_OBJECT
private slots:
    void patternOfTheLanguage_data();
    void patternOfTheLanguage();
    void everyCountryHasItsVoice_data();
    void everyCountryHasItsVoice();
};

void TestHelpVoice::patternOfTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pattern");
    const QString effects = QStringLiteral(" #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#");
    QTest::newRow("German") << "de" << QStringLiteral("#voice=name:lgx.de.silkrvlg#") + effects;
    QTest::newRow("English") << "en" << QStringLiteral("#voice=name:lgx.en.silkrvlg#") + effects;
    QTest::newRow("written loosely") << " EL " << QStringLiteral("#voice=name:lgx.el.silkrvlg#") + effects;
    QTest::newRow("none") << "" << QStringLiteral("#voice=name:lgx.de.silkrvlg#") + effects;
    QTest::newRow("a tag of its own") << "en# #VOL=500" << QStringLiteral("#voice=name:lgx.de.silkrvlg#") + effects;
    QTest::newRow("a path") << "../en" << QStringLiteral("#voice=name:lgx.de.silkrvlg#") + effects;
}

void TestHelpVoice::patternOfTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, pattern);
    QCOMPARE(HelpVoice::pattern(code), pattern);
}

void TestHelpVoice::everyCountryHasItsVoice_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : QDir(dataFile(QStringLiteral("land"))).entryList({QStringLiteral("*.txt")}, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

void TestHelpVoice::everyCountryHasItsVoice()
{
    QFETCH(QString, file);
    VoiceCatalogue voices;
    QVERIFY(voices.load(dataFile(QStringLiteral("voices.txt"))));
    const QString code =
        IniFile::readValue(dataFile(QStringLiteral("land/") + file), CountryKeys::kSection, CountryKeys::kLanguageKey);
    QCOMPARE(HelpVoice::language(code), code);
    const auto voice = voices.find(QStringLiteral("lgx.%1.silkrvlg").arg(code));
    QVERIFY2(voice, qPrintable(code));
    QCOMPARE(voice->language, code);
}

QTEST_GUILESS_MAIN(TestHelpVoice)
#include "tst_helpvoice.moc"
