#include "core/ProgramDirectory.h"
#include "dictionary/DictionaryLoader.h"
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

// How many of the 200 most common German words (our own list) German-English finds by exact
// lookup: a line whose first field is the word, letter case ignored.
void TestImportedDictionaries::commonGermanWords()
{
    if (!QFile::exists(importedPath(QStringLiteral("DeEn"))))
        QSKIP("German-English was not imported (its FreeDict package is missing)");
    QFile list(QFINDTESTDATA("data/common-german-words.txt"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QStringList words;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            words << QString::fromUtf8(line.trimmed());
    }
    QCOMPARE(words.size(), 200);

    const DictionaryLoad load = DictionaryLoader::load(importedPath(QStringLiteral("DeEn")));
    QVERIFY(load.ok());
    QSet<QString> firstFields;
    for (const QVector<LineSpan> &part : load.parts) {
        for (const LineSpan &span : part) {
            const QStringView line = load.text->view(span);
            const qsizetype separator = line.indexOf(u';');
            firstFields.insert((separator < 0 ? line : line.first(separator)).toString().toCaseFolded());
        }
    }
    QStringList missing;
    for (const QString &word : words) {
        if (!firstFields.contains(word.toCaseFolded()))
            missing << word;
    }
    qInfo().noquote() << "German-English finds" << words.size() - missing.size() << "of the" << words.size()
                      << "most common German words; not:" << missing.join(QStringLiteral(", "));
    // docs/dictionaries.md gives the figure; fewer means the import lost common words.
    QVERIFY2(words.size() - missing.size() >= 185, qPrintable(missing.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestImportedDictionaries)
#include "tst_importeddictionaries.moc"
