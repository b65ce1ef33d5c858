#include "core/ProgramDirectory.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/FormTable.h"
#include "dictionary/Stemmer.h"
#include "dictionary/WordForms.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
QString importedPath(const QString &name)
{
    return QStringLiteral(TOLKARIN_PROGRAM_DIR) + QStringLiteral("/TranslateDeGb/") + name + QStringLiteral(".txt");
}

// One line of a word list: "word" or "form;base", "#" lines are comments.
QList<QStringList> wordList(const QString &file)
{
    QFile list(QFINDTESTDATA(QStringLiteral("data/") + file));
    QList<QStringList> lines;
    if (!list.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            lines << QString::fromUtf8(line.trimmed()).split(u';');
    }
    return lines;
}

// A dictionary as the program loads it, with its word forms; the stemmer has been read.
struct LoadedDictionary
{
    DictionaryLoad load;
    QSet<QString> firstFields; // case folded, as the lookup compares
    std::shared_ptr<WordForms> forms;

    bool isEntry(const QString &text) const { return firstFields.contains(DictionaryText::folded(text)); }
    std::optional<WordForms::Match> match(const QString &word) const
    {
        return forms->match(word, [this](const QString &base) { return isEntry(base); });
    }
};

LoadedDictionary loadWithForms(const QString &name, const QString &language)
{
    ProgramDirectory::setPath(QStringLiteral(TOLKARIN_PROGRAM_DIR));
    LoadedDictionary d;
    d.load = DictionaryLoader::load(importedPath(name));
    for (const QVector<LineSpan> &part : d.load.parts) {
        for (const LineSpan &span : part) {
            const QStringView line = d.load.text->view(span);
            const qsizetype separator = line.indexOf(u';');
            if (separator >= 0)
                d.firstFields.insert(DictionaryText::folded(line.first(separator)));
        }
    }
    d.forms = WordForms::forDictionary(d.load.forms, language);
    if (d.forms->stemmer())
        d.forms->stemmer()->waitUntilReady(30000);
    return d;
}

QString sourceName(WordForms::Source source)
{
    switch (source) {
    case WordForms::Source::IrregularForms:
        return QStringLiteral("our irregular forms");
    case WordForms::Source::DictionaryForms:
        return QStringLiteral("the form table");
    case WordForms::Source::Stemmer:
        return QStringLiteral("hunspell");
    }
    return {};
}
}

// The dictionaries the build imported into its program directory, used as a person would.
class TestImportedDictionaries : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramDirectory::setPath({}); }
    void lookUp_data();
    void lookUp();
    void partsLeaveRoom_data();
    void partsLeaveRoom();
    void commonGermanWords();
    void formsFindTheirEntry_data();
    void formsFindTheirEntry();
    void formLists_data();
    void formLists();
    void irregularBasesAreEntries_data();
    void irregularBasesAreEntries();
};

void TestImportedDictionaries::lookUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("translation");
    QTest::newRow("German-English") << "DeEn"
                                    << "Deutsch-Englisch"
                                    << "Haus"
                                    << "house";
    QTest::newRow("German-English, lower case typed") << "DeEn"
                                                      << "Deutsch-Englisch"
                                                      << "freundin"
                                                      << "friend";
    QTest::newRow("German-English, Portion") << "DeEn"
                                             << "Deutsch-Englisch"
                                             << "Portion"
                                             << "portion";
    // The source has these verbs only as "sich an etw. erinnern", "jdn./etw. mit jdm./etw.
    // vergleichen", "einer Sache entsprechen".
    QTest::newRow("German-English, erinnern") << "DeEn"
                                              << "Deutsch-Englisch"
                                              << "erinnern"
                                              << "remember";
    QTest::newRow("German-English, vergleichen") << "DeEn"
                                                 << "Deutsch-Englisch"
                                                 << "vergleichen"
                                                 << "compare";
    QTest::newRow("German-English, entsprechen") << "DeEn"
                                                 << "Deutsch-Englisch"
                                                 << "entsprechen"
                                                 << "correspond";
    QTest::newRow("German-Greek") << "DeGr"
                                  << "Deutsch-Griechisch"
                                  << "Freundin"
                                  << "φίλη";
    QTest::newRow("German-Italian") << "DeIt"
                                    << "Deutsch-Italienisch"
                                    << "Portion"
                                    << "porzione";
    QTest::newRow("Spanish-German") << "SpDe"
                                    << "Spanisch-Deutsch"
                                    << "brezo"
                                    << "Heidekraut";
}

void TestImportedDictionaries::lookUp()
{
    QFETCH(QString, name);
    QFETCH(QString, pair);
    QFETCH(QString, word);
    QFETCH(QString, translation);
    const QString programDirectory = QStringLiteral(TOLKARIN_PROGRAM_DIR);
    if (!QFile::exists(programDirectory + QStringLiteral("/TranslateDeGb/") + name + QStringLiteral(".txt")))
        QSKIP("this dictionary was not imported (its FreeDict package is missing)");
    ProgramDirectory::setPath(programDirectory);
    WindowSandbox sandbox;
    MessageRecorder messages;
    vodozaduda1 &w = *form<vodozaduda1>();
    ctl<QLineEdit>(w, "Text2")->setText(name + QStringLiteral(".txt"));
    w.Command5();
    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), pair);
    ctl<QLineEdit>(w, "Text3")->setText(word);
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kYellow));
    QVERIFY2(currentEntry(w).startsWith(word + QLatin1Char(';'), Qt::CaseInsensitive), qPrintable(currentEntry(w)));
    QVERIFY2(currentEntry(w).section(QLatin1Char(';'), 1, 1).contains(translation), qPrintable(currentEntry(w)));
}

void TestImportedDictionaries::partsLeaveRoom_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("German-English") << "DeEn";
    QTest::newRow("German-Greek") << "DeGr";
    QTest::newRow("German-Italian") << "DeIt";
    QTest::newRow("Spanish-German") << "SpDe";
}

void TestImportedDictionaries::partsLeaveRoom()
{
    QFETCH(QString, name);
    if (!QFile::exists(importedPath(name)))
        QSKIP("this dictionary was not imported (its FreeDict package is missing)");
    const DictionaryLoad load = DictionaryLoader::load(importedPath(name));
    QCOMPARE(load.status, DictionaryLoad::Status::Ok);
    // A list takes 32,767 lines: 500 are left for lines the user adds.
    for (const QVector<LineSpan> &part : load.parts) {
        QVERIFY(!part.isEmpty());
        QVERIFY2(part.size() <= 32267, qPrintable(QString::number(part.size())));
    }
}

// How many of the 200 most common German words (our own list) German-English finds: exact (a
// line whose first field is the word, letter case ignored), or through a form of the word.
void TestImportedDictionaries::commonGermanWords()
{
    if (!QFile::exists(importedPath(QStringLiteral("DeEn"))))
        QSKIP("German-English was not imported (its FreeDict package is missing)");
    const QList<QStringList> words = wordList(QStringLiteral("common-german-words.txt"));
    QCOMPARE(words.size(), 200);
    const LoadedDictionary deEn = loadWithForms(QStringLiteral("DeEn"), QStringLiteral("de"));
    QVERIFY(deEn.load.ok());

    QStringList exact;
    QStringList missing;
    QMap<QString, QStringList> throughForms;
    for (const QStringList &line : words) {
        const QString &word = line.first();
        if (deEn.isEntry(word)) {
            exact << word;
        } else if (const auto match = deEn.match(word)) {
            throughForms[sourceName(match->source)] << word + QStringLiteral(" → ") + match->base;
        } else {
            missing << word;
        }
    }
    qInfo().noquote() << "German-English finds" << exact.size() << "of the" << words.size()
                      << "most common German words exactly";
    for (auto it = throughForms.cbegin(); it != throughForms.cend(); ++it)
        qInfo().noquote() << it.value().size() << "through" << it.key() + u':' << it.value().join(QStringLiteral(", "));
    qInfo().noquote() << "not found:" << missing.join(QStringLiteral(", "));
    // docs/dictionaries.md gives the figures; fewer means the import lost common words.
    QVERIFY2(exact.size() >= 185, qPrintable(QString::number(exact.size())));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void TestImportedDictionaries::formsFindTheirEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("base");
    QTest::newRow("German-English: a plural") << "DeEn"
                                              << "Kinder"
                                              << "Kind";
    QTest::newRow("German-English: a plural with umlaut") << "DeEn"
                                                          << "Häuser"
                                                          << "Haus";
    QTest::newRow("German-English: a strong preterite") << "DeEn"
                                                        << "ging"
                                                        << "gehen";
    QTest::newRow("German-English: a participle") << "DeEn"
                                                  << "gegangen"
                                                  << "gehen";
    QTest::newRow("German-English: sein") << "DeEn"
                                          << "ist"
                                          << "sein";
    QTest::newRow("German-English: a weak preterite") << "DeEn"
                                                      << "erinnerte"
                                                      << "erinnern";
    QTest::newRow("Spanish-German: a plural") << "SpDe"
                                              << "niños"
                                              << "niño";
    QTest::newRow("Spanish-German: an irregular verb") << "SpDe"
                                                       << "tengo"
                                                       << "tener";
    QTest::newRow("Spanish-German: an imperfect") << "SpDe"
                                                  << "hablaba"
                                                  << "hablar";
}

void TestImportedDictionaries::formsFindTheirEntry()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, base);
    if (!QFile::exists(importedPath(name)))
        QSKIP("this dictionary was not imported (its FreeDict package is missing)");
    ProgramDirectory::setPath(QStringLiteral(TOLKARIN_PROGRAM_DIR));
    WindowSandbox sandbox;
    MessageRecorder messages;
    vodozaduda1 &w = *form<vodozaduda1>();
    ctl<QLineEdit>(w, "Text2")->setText(name);
    w.Command5();
    QCOMPARE(messages.texts, QStringList());

    QVERIFY2(typeUntilFound(w, typed), qPrintable(typed));

    QVERIFY2(currentEntry(w).startsWith(base + QLatin1Char(';')),
             qPrintable(currentEntry(w)));
    QCOMPARE(ctl<QLabel>(w, "Label4")->text(), typed + QStringLiteral(" → ") + base);
}

// Our own lists of inflected forms, each with the base it belongs to.
void TestImportedDictionaries::formLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("German-English") << "DeEn"
                                    << "de"
                                    << "german-word-forms.txt" << 100 << 95;
    QTest::newRow("Spanish-German") << "SpDe"
                                    << "es"
                                    << "spanish-word-forms.txt" << 50 << 48;
}

void TestImportedDictionaries::formLists()
{
    QFETCH(QString, name);
    QFETCH(QString, language);
    QFETCH(QString, list);
    QFETCH(int, size);
    QFETCH(int, atLeast);
    if (!QFile::exists(importedPath(name)))
        QSKIP("this dictionary was not imported (its FreeDict package is missing)");
    const QList<QStringList> forms = wordList(list);
    QCOMPARE(forms.size(), size);
    const LoadedDictionary dictionary = loadWithForms(name, language);

    QMap<QString, int> bySource;
    QStringList wrong;
    for (const QStringList &line : forms) {
        QCOMPARE(line.size(), 2);
        QVERIFY2(!dictionary.isEntry(line[0]), qPrintable(line[0] + QStringLiteral(" is an entry itself")));
        const auto match = dictionary.match(line[0]);
        if (match && DictionaryText::folded(match->base) == DictionaryText::folded(line[1]))
            ++bySource[sourceName(match->source)];
        else
            wrong << line[0] + QStringLiteral(" → ") + (match ? match->base : QStringLiteral("nothing"));
    }
    qInfo().noquote() << name << "finds the base of" << forms.size() - wrong.size() << "of" << forms.size()
                      << "forms; by source:" << bySource << "; not:" << wrong.join(QStringLiteral(", "));
    QVERIFY2(forms.size() - wrong.size() >= atLeast, qPrintable(wrong.join(QStringLiteral(", "))));
}

// Our tables of irregular forms name only bases the dictionaries of their language hold.
void TestImportedDictionaries::irregularBasesAreEntries_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("German, for German-English") << "de"
                                                << "DeEn";
    QTest::newRow("Spanish, for Spanish-German") << "es"
                                                 << "SpDe";
}

void TestImportedDictionaries::irregularBasesAreEntries()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    if (!QFile::exists(importedPath(name)))
        QSKIP("this dictionary was not imported (its FreeDict package is missing)");
    QFile file(QStringLiteral(TOLKARIN_PROGRAM_DIR) + QStringLiteral("/wortformen/") + language
               + QStringLiteral(".txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const LoadedDictionary dictionary = loadWithForms(name, language);
    QSet<QString> bases;
    int forms = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw.trimmed());
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u'*'))
            continue;
        ++forms;
        for (const QString &base : line.split(u';').mid(1))
            bases.insert(base);
    }
    QStringList missing;
    for (const QString &base : bases) {
        if (!dictionary.isEntry(base))
            missing << base;
    }
    qInfo().noquote() << language << ":" << forms << "forms of" << bases.size() << "bases";
    QVERIFY(forms > 1000);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestImportedDictionaries)
#include "tst_importeddictionaries.moc"
