#include "app/FormRegistry.h"
#include "app/ProgramDirectory.h"
#include "app/Twips.h"
#include "dictionary/DictionaryLoading.h"
#include "dictionary/PartList.h"
#include "dictionary/vodozaduda1.h"

#include "TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// The dictionaries the build imported into its program directory, used as a person would.
class TestImportedDictionaries : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramDirectory::setPath({}); }
    void lookUp_data();
    void lookUp();
};

void TestImportedDictionaries::lookUp_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("translation");
    QTest::newRow("German-English") << "DeEn" << "Deutsch-Englisch" << "Haus" << "house";
    QTest::newRow("German-English, lower case typed") << "DeEn" << "Deutsch-Englisch" << "freundin" << "friend";
    QTest::newRow("German-English, Portion") << "DeEn" << "Deutsch-Englisch" << "Portion" << "portion";
    QTest::newRow("German-Greek") << "DeGr" << "Deutsch-Griechisch" << "Freundin" << "φίλη";
    QTest::newRow("German-Italian") << "DeIt" << "Deutsch-Italienisch" << "Portion" << "porzione";
    QTest::newRow("Spanish-German") << "SpDe" << "Spanisch-Deutsch" << "brezo" << "Heidekraut";
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
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::Yellow));
    QVERIFY2(ctl<QLineEdit>(w, "Text4")->text().startsWith(word + QLatin1Char(';'), Qt::CaseInsensitive), qPrintable(ctl<QLineEdit>(w, "Text4")->text()));
    QVERIFY2(ctl<QLineEdit>(w, "Text4")->text().section(QLatin1Char(';'), 1, 1).contains(translation), qPrintable(ctl<QLineEdit>(w, "Text4")->text()));
}

QTEST_MAIN(TestImportedDictionaries)
#include "tst_importeddictionaries.moc"
