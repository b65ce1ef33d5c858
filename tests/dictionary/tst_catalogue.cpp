#include "core/Pause.h"
#include "dictionary/PartListModel.h"
#include "shell/FileListBox.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/vodozaduda1/DictionaryCatalogue.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openingMarksAFile();
    void panelOverAShownList();
    void load_data();
    void load();
    void languagePairs_data();
    void languagePairs();
    void exampleShowsItsMessageTwice();
    void upperCaseExtensionFails();
    void editorGetsTheMarkedFile();
    void closingResetsTheProgressBar();

private:
    vodozaduda1 &openPanel();
    [[nodiscard]] bool mark(const QString &name);

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestCatalogue::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestCatalogue::cleanup()
{
    m_fixture.reset();
}

vodozaduda1 &TestCatalogue::openPanel()
{
    vodozaduda1 &w = m_fixture->open();
    ctl<QPushButton>(w, "Command17")->click();
    pause(0.05);
    return w;
}

bool TestCatalogue::mark(const QString &name)
{
    FileListBox *files = ctl<FileListBox>(*m_fixture->window(), "File1");
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
    return files->fileName() == name;
}

void TestCatalogue::openingMarksAFile()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Andere.TXT"), "a;b;\r\n");
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/notiz.md"), "nein");
    vodozaduda1 &w = openPanel();
    QVERIFY(ctl<QGroupBox>(w, "Frame1")->isVisible());
    QVERIFY(!ctl<QPushButton>(w, "Command17")->isVisible());
    QVERIFY(ctl<QPushButton>(w, "Command18")->isVisible());
    QCOMPARE(itemsOf(ctl<FileListBox>(w, "File1")), (QStringList{"Andere.TXT", "DeEn.txt", "Woerterbuch-Muster.txt"}));
    // Down and Up mark the first file, and marking shows the OK button.
    QCOMPARE(ctl<FileListBox>(w, "File1")->fileName(), QStringLiteral("Andere.TXT"));
    QVERIFY(ctl<QPushButton>(w, "Command14")->isVisible());
    QCOMPARE(QApplication::focusWidget(), ctl<FileListBox>(w, "File1"));
}

void TestCatalogue::panelOverAShownList()
{
    vodozaduda1 &w = m_fixture->open();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    PartList *shown = partList(w, 1);
    QVERIFY(shown->isVisible());
    const int entry = shown->listIndex();
    ctl<QPushButton>(w, "Command17")->click();
    pause(0.1);
    // The panel's own Down and Up mark its first file; the list behind keeps its entry.
    auto *files = ctl<FileListBox>(w, "File1");
    QCOMPARE(QApplication::focusWidget(), files);
    QCOMPARE(files->currentRow(), 0);
    QCOMPARE(shown->listIndex(), entry);
    QCOMPARE(currentEntry(w), QStringLiteral("hallo;hello;Gruss"));
    // Further keys stay in the panel as well.
    QVERIFY(press(Qt::Key_Down));
    QCOMPARE(QApplication::focusWidget(), files);
    QCOMPARE(files->currentRow(), 1);
    // The panel covers the list: between its file list and its text only its own background shows.
    auto *panel = ctl<QGroupBox>(w, "Frame1");
    const QPoint gap(Twips::toPixels(2700), Twips::toPixels(1000));
    const QColor painted = paintedAt(&w, panel->mapTo(&w, gap));
    QVERIFY2(similar(painted, panel->palette().color(QPalette::Window), 8), qPrintable(painted.name()));
    QVERIFY2(!similar(painted, shown->palette().color(QPalette::Base), 8), qPrintable(painted.name()));
}

void TestCatalogue::load_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "ok";
    QTest::newRow("double click") << "double";
    QTest::newRow("Enter") << "enter";
}

void TestCatalogue::load()
{
    QFETCH(QString, how);
    vodozaduda1 &w = openPanel();
    QVERIFY(mark(QStringLiteral("DeEn.txt")));
    if (how == QLatin1String("ok"))
        ctl<QPushButton>(w, "Command14")->click();
    else if (how == QLatin1String("double"))
        QTest::mouseDClick(
            ctl<FileListBox>(w, "File1")->viewport(), Qt::LeftButton, {},
            ctl<FileListBox>(w, "File1")->visualItemRect(ctl<FileListBox>(w, "File1")->currentItem()).center());
    else
        QTest::keyClick(ctl<FileListBox>(w, "File1"), Qt::Key_Return);
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("DeEn"));
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), QStringLiteral("Deutsch-Englisch"));
    QVERIFY(m_fixture->messages().texts.isEmpty());
    QVERIFY(partList(w, 0)->items().findFirstPrefix(u"arbeit;") >= 0);
    QVERIFY(!ctl<QGroupBox>(w, "Frame1")->isVisible());
    QVERIFY(!ctl<QPushButton>(w, "Command14")->isVisible());
    QVERIFY(ctl<QPushButton>(w, "Command17")->isVisible());
    QVERIFY(!ctl<QProgressBar>(w, "ProgressBar1")->isVisible());
    QCOMPARE(ctl<QProgressBar>(w, "ProgressBar1")->value(), 0);
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"));
}

void TestCatalogue::languagePairs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("DeEn") << "DeEn.txt"
                          << "Deutsch-Englisch";
    QTest::newRow("DeGr") << "DeGr.txt"
                          << "Deutsch-Griechisch";
    QTest::newRow("DeIt") << "DeIt"
                          << "Deutsch-Italienisch";
    QTest::newRow("SpDe") << "SpDe.txt"
                          << "Spanisch-Deutsch";
    QTest::newRow("other") << "Eigenes.txt"
                           << "Land";
    QTest::newRow("letter case counts") << "deen.txt"
                                        << "Land";
}

void TestCatalogue::languagePairs()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    vodozaduda1 &w = *form<vodozaduda1>();
    ctl<QLineEdit>(w, "Text2")->setText(name);
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), label);
    QVERIFY(!ctl<QLineEdit>(w, "Text2")->text().contains(QLatin1String(".txt")));
}

void TestCatalogue::exampleShowsItsMessageTwice()
{
    vodozaduda1 &w = *form<vodozaduda1>();
    ctl<QLineEdit>(w, "Text2")->setText(QStringLiteral("Woerterbuch-Muster.txt"));
    const QString example =
        QStringList{
            QStringLiteral("Das Wörterbuch ist mit 3 Trennlinien eingeteilt"),
            QStringLiteral("z.B. [1\\\\\\\\\\\\\\\\ Trennlinie ]  [2\\\\\\\\\\\\\\\\ Trennlinie ]  "
                           "[3\\\\\\\\\\\\\\\\ Trennlinie ]."),
            QStringLiteral("Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"),
            QStringLiteral("ansonsten ist der Listenspeicher überladen."),
            QStringLiteral("Und eine Fehler Meldung wird angezeigt."),
        }
            .join(QStringLiteral("\r\n"));
    QCOMPARE(m_fixture->messages().texts, (QStringList{example, example}));
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), QStringLiteral("Beispiel-Woerterbuch"));
}

void TestCatalogue::upperCaseExtensionFails()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/DeEn.TXT"),
                           m_fixture->dir().read(QStringLiteral("TranslateDeGb/DeEn.txt")));
    vodozaduda1 &w = openPanel();
    QVERIFY(mark(QStringLiteral("DeEn.TXT")));
    ctl<QPushButton>(w, "Command14")->click();
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("DeEn.TXT"));
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), QStringLiteral("Land"));
    QCOMPARE(m_fixture->messages().texts, faultyDictionaryMessages());
    for (PartList *list : partLists(w))
        QCOMPARE(list->listCount(), 0);
}

void TestCatalogue::editorGetsTheMarkedFile()
{
    ShellRecorder shell;
    vodozaduda1 &w = openPanel();
    QVERIFY(mark(QStringLiteral("Woerterbuch-Muster.txt")));
    ctl<QPushButton>(w, "Command44")->click();
    QCOMPARE(shell.urls.size(), 1);
    QCOMPARE(shell.urls.first(),
             QUrl::fromLocalFile(m_fixture->dir().file(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"))));
    // Opening does not load it.
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("Woerterbuch-Muster"));
    ctl<FileListBox>(w, "File1")->clearSelection();
    ctl<QPushButton>(w, "Command44")->click();
    QCOMPARE(QDir(shell.urls.last().toLocalFile()), QDir(m_fixture->dir().file(QStringLiteral("TranslateDeGb"))));
}

void TestCatalogue::closingResetsTheProgressBar()
{
    vodozaduda1 &w = openPanel();
    ctl<QProgressBar>(w, "ProgressBar1")->show();
    ctl<QProgressBar>(w, "ProgressBar1")->setValue(80);
    ctl<QPushButton>(w, "Command18")->click();
    QVERIFY(!ctl<QGroupBox>(w, "Frame1")->isVisible());
    QVERIFY(!ctl<QProgressBar>(w, "ProgressBar1")->isVisible());
    QCOMPARE(ctl<QProgressBar>(w, "ProgressBar1")->value(), 0);
    QVERIFY(ctl<QPushButton>(w, "Command17")->isVisible());
    QVERIFY(!ctl<QPushButton>(w, "Command18")->isVisible());
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
