// Word forms: where a word that is no entry finds its entry, and the spellings offered when
// nothing finds it.
#include "dictionary/DictionaryLoader.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/FormTable.h"
#include "dictionary/NearMiss.h"
#include "dictionary/PartListModel.h"
#include "dictionary/Stemmer.h"
#include "dictionary/WordForms.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(WordForms::Source)

namespace {
std::shared_ptr<const FormTable> table(const QByteArray &lines)
{
    return lines.isEmpty() ? nullptr : std::make_shared<const FormTable>(FormTable::parse(lines));
}

WordForms::IsEntry entryOf(const QStringList &entries)
{
    QSet<QString> folded;
    for (const QString &entry : entries)
        folded.insert(DictionaryText::folded(entry));
    return [folded](const QString &text) { return folded.contains(DictionaryText::folded(text)); };
}
}

class TestWordForms : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Stemmer::setFolder({}); }
    void sources_data();
    void sources();
    void stems_data();
    void stems();
    void noStemmerWithoutItsDictionary();
    void nearMisses_data();
    void nearMisses();
};

void TestWordForms::sources_data()
{
    QTest::addColumn<QByteArray>("irregular");
    QTest::addColumn<QByteArray>("forms");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("base"); // empty: nothing found
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<WordForms::Source>("source");

    const QByteArray irregular = "*;an;ver;zurück\nging;gehen\ngefangen;fangen\ngestanden;stehen\nfui;ser;ir\n";
    const auto fromTable = WordForms::Source::DictionaryForms;
    const auto ours = WordForms::Source::IrregularForms;
    QTest::newRow("the table of the dictionary")
        << QByteArray() << QByteArray("Kinder;Kind\n") << QStringList{"Kind"} << "Kinder"
        << "Kind" << QStringList{} << fromTable;
    QTest::newRow("letter case as typed does not matter")
        << QByteArray() << QByteArray("Kinder;Kind\n") << QStringList{"Kind"} << "KINDER"
        << "Kind" << QStringList{} << fromTable;
    QTest::newRow("our irregular forms before the table")
        << irregular << QByteArray("ging;gängeln\n") << QStringList{"gehen", "gängeln"} << "ging"
        << "gehen" << QStringList{} << ours;
    QTest::newRow("the table when our forms give no entry")
        << irregular << QByteArray("ging;gängeln\n") << QStringList{"gängeln"} << "ging"
        << "gängeln" << QStringList{} << fromTable;
    QTest::newRow("several bases: the first that is an entry, the others named")
        << irregular << QByteArray() << QStringList{"ser", "ir"} << "fui"
        << "ser" << QStringList{"ir"} << ours;
    QTest::newRow("a base that is no entry is passed over") << irregular << QByteArray() << QStringList{"ir"} << "fui"
                                                            << "ir" << QStringList{} << ours;
    QTest::newRow("a prefix before a form") << irregular << QByteArray() << QStringList{"anfangen"} << "angefangen"
                                            << "anfangen" << QStringList{} << ours;
    QTest::newRow("a prefix before a participle without ge")
        << irregular << QByteArray() << QStringList{"verstehen"} << "verstanden"
        << "verstehen" << QStringList{} << ours;
    QTest::newRow("a prefix and a base that is no entry")
        << irregular << QByteArray() << QStringList{"fangen"} << "angefangen"
        << "" << QStringList{} << ours;
    QTest::newRow("the longest prefix") << irregular << QByteArray() << QStringList{"zurückgehen"} << "zurückging"
                                        << "zurückgehen" << QStringList{} << ours;
    QTest::newRow("a prefix far down the line")
        << QByteArray("*;ab;an;auf;aus;bei;da;dar;durch;ein;zurück\nging;gehen\n") << QByteArray()
        << QStringList{"zurückgehen"} << "zurückging"
        << "zurückgehen" << QStringList{} << ours;
    QTest::newRow("the line of prefixes is no form") << irregular << QByteArray() << QStringList{"an", "ver"} << "*"
                                                     << "" << QStringList{} << ours;
    QTest::newRow("a word is never its own base")
        << QByteArray() << QByteArray("Tage;Tage;Tag\n") << QStringList{"Tage"} << "tage"
        << "" << QStringList{} << fromTable;
    QTest::newRow("nobody's form") << irregular << QByteArray("Kinder;Kind\n") << QStringList{"Kind", "gehen"}
                                   << "qwertz"
                                   << "" << QStringList{} << ours;
    QTest::newRow("no tables at all") << QByteArray() << QByteArray() << QStringList{"Kind"} << "Kinder"
                                      << "" << QStringList{} << ours;
}

void TestWordForms::sources()
{
    QFETCH(QByteArray, irregular);
    QFETCH(QByteArray, forms);
    QFETCH(QStringList, entries);
    QFETCH(QString, word);
    QFETCH(QString, base);
    QFETCH(QStringList, others);
    QFETCH(WordForms::Source, source);
    const WordForms wordForms(table(irregular), table(forms), nullptr);

    const std::optional<WordForms::Match> match = wordForms.match(word, entryOf(entries));

    QCOMPARE(match.has_value(), !base.isEmpty());
    if (match) {
        QCOMPARE(match->base, base);
        QCOMPARE(match->others, others);
        QCOMPARE(match->source, source);
    }
}

void TestWordForms::stems_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("stem");
    QTest::newRow("German plural") << "de"
                                   << "Kinder"
                                   << "Kind";
    QTest::newRow("German preterite") << "de"
                                      << "erinnerte"
                                      << "erinnern";
    QTest::newRow("Spanish plural") << "es"
                                    << "niños"
                                    << "niño";
    QTest::newRow("Spanish imperfect") << "es"
                                       << "hablaba"
                                       << "hablar";
    QTest::newRow("Italian") << "it"
                             << "parlava"
                             << "parlare";
    // el_GR is written in ISO 8859-7, not UTF-8: the word must go there and back.
    QTest::newRow("Greek, in its own encoding") << "el"
                                                << "σπίτια"
                                                << "σπίτια";
}

void TestWordForms::stems()
{
    QFETCH(QString, language);
    QFETCH(QString, word);
    QFETCH(QString, stem);
    if (Stemmer::dictionaryFor(language).isEmpty())
        QSKIP("the hunspell dictionary of this language is not installed (tolkarin.sh installs it)");
    const std::shared_ptr<Stemmer> stemmer = Stemmer::start(language);
    QVERIFY(stemmer);
    QVERIFY(stemmer->waitUntilReady(30000));
    const QStringList stems = stemmer->stems(word);
    QVERIFY2(stems.contains(stem), qPrintable(stems.join(u' ')));
    // A whole page pasted into the field is no word.
    QCOMPARE(stemmer->stems(QString(5000, u'a')), QStringList());
}

void TestWordForms::noStemmerWithoutItsDictionary()
{
    QTemporaryDir empty;
    Stemmer::setFolder(empty.path());
    QCOMPARE(Stemmer::dictionaryFor(QStringLiteral("de")), QString());
    QVERIFY(!Stemmer::start(QStringLiteral("de")));
    const std::shared_ptr<WordForms> forms = WordForms::forDictionary(nullptr, QStringLiteral("de"));
    QVERIFY(!forms->stemmer());
    QVERIFY(!forms->match(u"Tische", entryOf({QStringLiteral("Tisch")})));
    // A language code is never a path.
    Stemmer::setFolder({});
    QCOMPARE(Stemmer::dictionaryFor(QStringLiteral("../de")), QString());
}

void TestWordForms::nearMisses_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("spellings");

    const QStringList german{"Maus;mouse;",  "Hals;neck;",   "Hase;hare;", "Haus;house;",      "Straße;street;",
                             "hallo;hello;", "Tisch;table;", "Haut;skin;", "zwischen;between;"};
    QTest::newRow("two letters swapped, one changed") << german << "Hasu" << QStringList{"Hase", "Haus"};
    QTest::newRow("ss for ß is nearer than any typing slip") << german << "Strasse" << QStringList{"Straße"};
    QTest::newRow("one letter left out") << german << "Tsch" << QStringList{"Tisch"};
    QTest::newRow("up to three, nearest first, then those of the same first letter")
        << german << "Hause" << QStringList{"Hase", "Haus", "Hals"};
    QTest::newRow("a short word may be one letter off") << german << "Hxyz" << QStringList{};
    QTest::newRow("a long word two") << german << "zwiscehnn" << QStringList{"zwischen"};
    QTest::newRow("nothing near") << german << "qwertz" << QStringList{};
    QTest::newRow("accents: nino") << QStringList{"niño;Kind;", "nido;Nest;", "nino;x;"} << "ninos"
                                   << QStringList{"nino", "niño", "nido"};
    QTest::newRow("divider lines are no entries")
        << QStringList{" Trennlinie", "Trennung;separation;"} << "Trennlinie" << QStringList{};
    QTest::newRow("a part of a word is nothing to type")
        << QStringList{"Haus…;domestic;", "Hass;hate;", "Haus;house;"} << "Hauss" << QStringList{"Hass", "Haus"};
    QTest::newRow("an empty word") << german << "" << QStringList{};
}

void TestWordForms::nearMisses()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, word);
    QFETCH(QStringList, spellings);
    const DictionaryLoad load = DictionaryLoader::parse(entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    PartListModel part;
    part.setLines(load.text, load.parts[0]);
    QCOMPARE(NearMiss::spellings(word, {&part}), spellings);
}

QTEST_GUILESS_MAIN(TestWordForms)
#include "tst_wordforms.moc"
