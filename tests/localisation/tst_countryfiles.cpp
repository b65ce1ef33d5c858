#include "localisation/CountryKeys.h"
#include "localisation/IniFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace {
QString countryFile(const QString &name)
{
    return QDir(qEnvironmentVariable("TOLKARIN_DATA_DIR")).filePath(QStringLiteral("land/") + name);
}

// The section's values by key, uncut, so that an over-long value shows.
QHash<QString, QString> sectionValues(const QString &path)
{
    QHash<QString, QString> values;
    for (const QString &entry : IniFile::readSection(path, CountryKeys::kSection)) {
        const qsizetype eq = entry.indexOf(u'=');
        values.insert(entry.left(eq), entry.mid(eq + 1));
    }
    return values;
}

bool isUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    return !text.isEmpty() && !decoder.hasError();
}
}

class TestCountryFiles : public QObject
{
    Q_OBJECT
private slots:
    void completeFile_data();
    void completeFile();
    void germanDesignTexts_data();
    void germanDesignTexts();
    void englishHasNoGermanText();
    void table();
    void speechMessagesInEnglish_data();
    void speechMessagesInEnglish();
};

void TestCountryFiles::completeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::newRow("Germany") << "Germany.txt"
                             << "de";
    QTest::newRow("England") << "England.txt"
                             << "en";
    QTest::newRow("Greece") << "Greece.txt"
                            << "el";
    QTest::newRow("Italy") << "Italy.txt"
                           << "it";
    QTest::newRow("Spain") << "Spain.txt"
                           << "es";
}

void TestCountryFiles::completeFile()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    const QString path = countryFile(file);
    QVERIFY2(isUtf8(path), qPrintable(path));

    const QHash<QString, QString> values = sectionValues(path);
    QStringList missing;
    for (const QString &key : CountryKeys::fileKeys()) {
        if (values.value(key).isEmpty())
            missing.append(key);
    }
    QCOMPARE(missing, QStringList());
    QStringList tooLong;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.value().size() > IniFile::kValueLimit)
            tooLong.append(it.key());
    }
    QCOMPARE(tooLong, QStringList());
    // A message with a number or a name in it keeps the places they go.
    QStringList placeholders;
    for (int id = 0; id < CountryTexts::Count; ++id) {
        const auto text = CountryTexts::Id(id);
        for (const QString &mark : {QStringLiteral("%1"), QStringLiteral("%2")})
            if (CountryTexts::designText(text).contains(mark) != values.value(CountryTexts::key(text)).contains(mark))
                placeholders.append(CountryTexts::key(text) + u' ' + mark);
    }
    QCOMPARE(placeholders, QStringList());

    QCOMPARE(values.value(QStringLiteral("KeySprache")), language);
    QCOMPARE(values.value(QStringLiteral("KeyPfad")), QStringLiteral("\\hilfe-vq\\index.htm"));
    QCOMPARE(values.value(QStringLiteral("Keyschrift")), QStringLiteral("MS Sans Serif"));
}

void TestCountryFiles::germanDesignTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("Key1") << "Key1"
                          << "Sprechenx";
    QTest::newRow("Key2") << "Key2"
                          << "&Beschreibung:";
    // Not Key3: "Automatisch Maus lesen" is wider than its check box in the faces here.
    QTest::newRow("Key5") << "Key5"
                          << "Individuelle stimm Muster Einstellung !";
    QTest::newRow("Key6") << "Key6"
                          << "Stimm Auswahl       >  > >";
    QTest::newRow("Key7") << "Key7"
                          << "Stimm -  &Muster uebernehmen";
    QTest::newRow("Key7M") << "Key7M"
                           << "Muster übernehmen";
    QTest::newRow("Key8") << "Key8"
                          << "<  [Sprecher &Test]";
    QTest::newRow("Key9M") << "Key9M"
                           << "Abbrechen";
    QTest::newRow("Key11") << "Key11"
                           << "Geschwindichkeit:";
    QTest::newRow("Key12") << "Key12"
                           << "Basistonhöhe:";
    QTest::newRow("Key18") << "Key18"
                           << "OK weiter >";
    QTest::newRow("Key22A") << "Key22A"
                            << "Land ?";
    QTest::newRow("Key25") << "Key25"
                           << "Hilfe-Fenster:";
    QTest::newRow("Key27B") << "Key27B"
                            << "Land-Einstellung";
    QTest::newRow("Key34") << "Key34"
                           << "< &Auswahl aufnehmen";
    QTest::newRow("Key39-2") << "Key39-2"
                             << "Liest zweites Wort der Auswahl. Oder Pfeiltaste rechts.";
    QTest::newRow("Key41M") << "Key41M"
                            << "Übersetzte Worte sammeln um einen Brief zu schreiben";
    QTest::newRow("Key46M") << "Key46M"
                            << "Land:.. Neues Wörterbuch laden  klicken Sie.";
    QTest::newRow("Key51")
        << "Key51"
        << "Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !";
    QTest::newRow("Key52") << "Key52"
                           << "Wörterbuch - Länder Auswahl";
    QTest::newRow("Key54") << "Key54"
                           << "Start >>";
    QTest::newRow("Key55") << "Key55"
                           << "Übernehmen ?";
    QTest::newRow("Key56") << "Key56"
                           << "Beenden X";
    QTest::newRow("Key57") << "Key57"
                           << "Länderauswahl";
    QTest::newRow("Key58") << "Key58"
                           << "Ihr Land wählen";
    // Nor KeySchriftW: "Schrift wählen >" is wider than the font list's field.
    QTest::newRow("KeySchriftWM") << "KeySchriftWM"
                                  << "Schrift Type auswählen";
}

void TestCountryFiles::germanDesignTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(IniFile::readValue(countryFile(QStringLiteral("Germany.txt")), CountryKeys::kSection, key), text);
}

void TestCountryFiles::englishHasNoGermanText()
{
    // Texts that are the same in both languages, each allowed for its key only.
    const QHash<QString, QString> shared{
        {QStringLiteral("KeyPfad"), QStringLiteral("\\hilfe-vq\\index.htm")},
        {QStringLiteral("Keyschrift"), QStringLiteral("MS Sans Serif")},
        {QStringLiteral("Keyweb"), QStringLiteral("https://github.com/espeak-ng/espeak-ng")},
        {QStringLiteral("Key14"), QStringLiteral("Volume:")},
        {QStringLiteral("Key15"), QStringLiteral("Echo:")},
        {QStringLiteral("Key33"), QStringLiteral("Stop")},
        {QStringLiteral("Key40"), QStringLiteral("< 1&+2")},
        {QStringLiteral("Key42"), QStringLiteral("< Focus")},
        {QStringLiteral("Key54"), QStringLiteral("Start >>")},
        {QStringLiteral("KeyFokus1"), QStringLiteral("Focus 1")},
        {QStringLiteral("KeyFokus2"), QStringLiteral("Focus 2")},
        {QStringLiteral("KeyExit"), QStringLiteral("Exit")},
        {QStringLiteral("KeySeiteStop"), QStringLiteral("Stop")},
        {QStringLiteral("KeySeitePause"), QStringLiteral("Pause")},
        {QStringLiteral("KeyHeimseiteAdresse"), QStringLiteral("\\hilfe-vq\\index.htm")},
        {QStringLiteral("KeyFormGefunden"), QStringLiteral("%1 → %2")},
    };
    const QHash<QString, QString> german = sectionValues(countryFile(QStringLiteral("Germany.txt")));
    const QHash<QString, QString> english = sectionValues(countryFile(QStringLiteral("England.txt")));
    QVERIFY(!german.isEmpty());
    QStringList untranslated;
    for (const QString &key : CountryKeys::fileKeys()) {
        const QString text = english.value(key);
        if (text == german.value(key) && shared.value(key) != text)
            untranslated.append(key);
    }
    QCOMPARE(untranslated, QStringList());
}

void TestCountryFiles::table()
{
    const QSet<QString> windows{QStringLiteral("starter"),     QStringLiteral("halmorix"), QStringLiteral("Form2"),
                                QStringLiteral("vodozaduda1"), QStringLiteral("Form1"),    QStringLiteral("hilfe1"),
                                QStringLiteral("Logox4")};
    int reads = 0;
    QSet<QString> keys;
    QStringList unknown;
    for (const CountryKeys::Row &row : CountryKeys::table()) {
        reads += CountryKeys::reads(row.property);
        keys.insert(QLatin1StringView(row.key));
        if (!windows.contains(QLatin1StringView(row.window)))
            unknown.append(QLatin1StringView(row.key));
    }
    for (const CountryKeys::FontTarget &target : CountryKeys::fontTargets()) {
        if (!windows.contains(QLatin1StringView(target.window)))
            unknown.append(QLatin1StringView(target.window));
    }
    QCOMPARE(unknown, QStringList());
    QCOMPARE(reads, 102);
    QCOMPARE(keys.size(), int(CountryKeys::table().size()));
    QCOMPARE(int(CountryKeys::fontTargets().size()), 53);
    QCOMPARE(CountryKeys::readsPerApply(), 155);
}

void TestCountryFiles::speechMessagesInEnglish_data()
{
    // The speech output's messages arrive in German, made of design texts and what they name.
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("a reason inside")
        << "Die Sprachausgabe ist nicht zu hören: Kein Audiogerät vorhanden. Sie läuft stumm "
           "weiter, bis ein Audiogerät bereitsteht."
        << "The speech output cannot be heard: No sound device present. It goes on silently "
           "until a sound device is ready.";
    QTest::newRow("a server that does not answer")
        << "Die Sprachausgabe ist nicht zu hören: Das Audiogerät antwortet nicht. Sie läuft stumm "
           "weiter, bis ein Audiogerät bereitsteht."
        << "The speech output cannot be heard: The sound device does not answer. It goes on silently "
           "until a sound device is ready.";
    QTest::newRow("two arguments, one a word")
        << "Die Stimmenliste voices.txt enthält ungültige Einträge (Zeilen 3, 5); "
           "sie werden nicht verwendet."
        << "The voice list voices.txt has invalid entries (lines 3, 5); they are "
           "not used.";
    QTest::newRow("a name") << "Die Stimme „lgx.el.martin“ aus voices.txt lässt sich in espeak-ng nicht laden (el+m3); "
                               "es spricht eine andere Stimme."
                            << "The voice “lgx.el.martin” of voices.txt cannot be loaded in espeak-ng (el+m3); another "
                               "voice speaks.";
    QTest::newRow("a folder")
        << "Die Stimmenliste voices.txt fehlt im Programmordner (/opt/a (b)). Es spricht die "
           "deutsche Standardstimme."
        << "The voice list voices.txt is missing from the program folder (/opt/a (b)). The standard "
           "German voice speaks.";
    QTest::newRow("no text of ours") << "Etwas anderes"
                                     << "Etwas anderes";
}

void TestCountryFiles::speechMessagesInEnglish()
{
    QFETCH(QString, german);
    QFETCH(QString, english);
    const QString file = countryFile(QStringLiteral("England.txt"));
    CountryTexts texts;
    texts.apply([&file](QLatin1StringView key) { return IniFile::readValue(file, CountryKeys::kSection, key); },
                QStringLiteral("en"));
    QCOMPARE(texts.localise(german).text, english);
    QCOMPARE(CountryTexts().localise(german).text, german);
}

QTEST_GUILESS_MAIN(TestCountryFiles)
#include "tst_countryfiles.moc"
