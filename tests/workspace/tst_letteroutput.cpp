#include "shell/FileDialog.h"
#include "shell/FormRegistry.h"
#include "shell/Printer.h"
#include "windows/vodozaduda1/vodozaduda1.h"
#include "letter/KeptLetter.h"

#include "windows/Form1/Form1.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QtTest>

#include <mutex>

#include <optional>

namespace {
const QString kWriteProtected = QStringLiteral("Achtung : Schreibschutz entfernen [hilfe.txt]!");
const QString kToPrinter = QStringLiteral("Achtung :Text wird zum Drucker übertragen!");
const QString kNoPrinter = QStringLiteral("Achtung :Kein Kontakt zum Drucker!");
const QString kNotKept = QStringLiteral("Achtung : Schreibschutz entfernen [syso\\brief.txt]!");

// Stands between the kept letter and the disk: records every write, when and from which thread,
// and may fail it or hold it until released.
class KeptWrites
{
public:
    KeptWrites()
    {
        KeptLetter::setWriter([this](const QString &letter) {
            {
                std::lock_guard lock(m_mutex);
                m_letters << letter;
                m_onWindowThread |= QThread::currentThread() == qApp->thread();
            }
            if (hold)
                m_release.acquire();
            return !fail;
        });
    }
    // Only once the window is gone: its keeper may still be writing.
    ~KeptWrites() { KeptLetter::setWriter({}); }

    QStringList letters()
    {
        std::lock_guard lock(m_mutex);
        return m_letters;
    }
    bool onWindowThread()
    {
        std::lock_guard lock(m_mutex);
        return m_onWindowThread;
    }
    void release() { m_release.release(1000); }

    bool fail = false;
    bool hold = false;

private:
    std::mutex m_mutex;
    QStringList m_letters;
    bool m_onWindowThread = false;
    QSemaphore m_release;
};

// Answers the file dialog with the next path (nothing: cancelled) and records what it was asked.
class DialogAnswer
{
public:
    DialogAnswer()
    {
        FileDialog::setHandler([this](const FileDialog::Request &request) {
            requests.append(request);
            return answer;
        });
    }
    ~DialogAnswer() { FileDialog::setHandler({}); }

    std::optional<QString> answer;
    QList<FileDialog::Request> requests;
};

// The lines of text a PDF made by Qt draws, each once: a text object's glyphs, for every
// text object of its inflated content streams.
QSet<QByteArray> pdfTextLines(const QByteArray &pdf)
{
    static const QRegularExpression stream(QStringLiteral("stream\r?\n(.*?)endstream"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression textObject(QStringLiteral("\nBT\n(.*?)\nET"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression glyphs(QStringLiteral("<([0-9A-Fa-f]+)> Tj"));
    QSet<QByteArray> lines;
    for (auto s = stream.globalMatch(QString::fromLatin1(pdf)); s.hasNext();) {
        // qUncompress wants the inflated size in front; a guess that is too small is enlarged.
        const QByteArray raw = s.next().captured(1).toLatin1();
        if (!raw.startsWith('\x78')) // not deflated: no page
            continue;
        const QByteArray content = qUncompress(QByteArray("\x00\x01\x00\x00", 4) + raw);
        for (auto t = textObject.globalMatch(QString::fromLatin1(content)); t.hasNext();) {
            QByteArray line;
            for (auto g = glyphs.globalMatch(t.next().captured(1)); g.hasNext();)
                line += g.next().captured(1).toLatin1();
            lines.insert(line);
        }
    }
    return lines;
}
}

class TestLetterOutput : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saveAs_data();
    void saveAs();
    void saveAgain();
    void writeFails_data();
    void writeFails();
    void cancelledDialog();
    void printsEveryPage();
    void noPrinter();
    void unsavedLetterAtTheEnd_data();
    void unsavedLetterAtTheEnd();
    void typingKeepsTheLetterOnceASecond();
    void aFolderThatCannotBeWrittenIsSaidOnce_data();
    void aFolderThatCannotBeWrittenIsSaidOnce();
    void aSlowDiskHoldsNobodyUp();

private:
    QPlainTextEdit *letter() { return ctl<QPlainTextEdit>(*m_fixture->window(), "Text6"); }
    QPushButton *button(const char *name) { return ctl<QPushButton>(*m_fixture->window(), name); }
    QString path(const QString &name) const { return m_fixture->dir().file(name); }

    KeptWrites &writes()
    {
        if (!m_writes)
            m_writes = std::make_unique<KeptWrites>();
        return *m_writes;
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<DialogAnswer> m_dialog;
    std::unique_ptr<KeptWrites> m_writes;
};

void TestLetterOutput::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_dialog = std::make_unique<DialogAnswer>();
    m_fixture->open();
}

void TestLetterOutput::cleanup()
{
    m_dialog.reset();
    if (m_writes)
        m_writes->release();
    m_fixture.reset();
    m_writes.reset();
    Printer::setHandler({});
}

void TestLetterOutput::saveAs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Hallo Welt") << "Hallo Welt" << QByteArray("\"Hallo Welt\"\r\n");
    QTest::newRow("empty letter") << "" << QByteArray("\"\"\r\n");
    QTest::newRow("lines, umlauts, quotes") << "Liebe Grüße,\n\"Anna\""
                                            << QByteArray("\"Liebe Gr\xC3\xBC\xC3\x9F"
                                                          "e,\r\n\"Anna\"\"\r\n");
}

void TestLetterOutput::saveAs()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QVERIFY(!button("Command37")->isEnabled());
    letter()->setPlainText(text);
    m_dialog->answer = path(QStringLiteral("brief.txt"));
    button("Command36")->click();

    QCOMPARE(m_fixture->dir().read(QStringLiteral("brief.txt")), bytes);
    QCOMPARE(m_dialog->requests.size(), 1);
    QCOMPARE(int(m_dialog->requests.first().mode), int(FileDialog::Mode::Save));
    QCOMPARE(m_dialog->requests.first().title, QStringLiteral("Programm wählen"));
    QCOMPARE(m_dialog->requests.first().filter, QStringLiteral("TXT(*.*) (*.txt)"));
    QVERIFY(button("Command37")->isEnabled());
    QVERIFY(similar(paintedBackground(ctl<QLineEdit>(*m_fixture->window(), "Text3")), Qt::white, 0));
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestLetterOutput::saveAgain()
{
    letter()->setPlainText(QStringLiteral("erste Fassung"));
    m_dialog->answer = path(QStringLiteral("brief.txt"));
    button("Command36")->click();
    letter()->setPlainText(QStringLiteral("zweite Fassung"));
    button("Command37")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("brief.txt")), QByteArray("\"zweite Fassung\"\r\n"));
    QCOMPARE(m_dialog->requests.size(), 1);
    // Near the foot of the button, where the style's shading is faintest.
    QVERIFY(similar(paintedAt(button("Command37"), QPoint(4, button("Command37")->height() - 4)), QColor(255, 255, 128),
                    40));
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestLetterOutput::writeFails_data()
{
    QTest::addColumn<QString>("saveButton");
    QTest::addColumn<QString>("obstacle");
    for (const char *saveButton : {"Command36", "Command37"}) {
        for (const char *obstacle : {"write-protected file", "folder of that name", "parent is a file"})
            QTest::addRow("%s, %s", saveButton, obstacle) << saveButton << obstacle;
    }
}

void TestLetterOutput::writeFails()
{
    QFETCH(QString, saveButton);
    QFETCH(QString, obstacle);
    QString target = path(QStringLiteral("brief.txt"));
    if (obstacle == QLatin1String("write-protected file")) {
        QVERIFY(m_fixture->dir().write(QStringLiteral("brief.txt"), "\"alter Brief\"\r\n"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (obstacle == QLatin1String("folder of that name")) {
        QVERIFY(QDir().mkdir(target));
    } else {
        QVERIFY(m_fixture->dir().write(QStringLiteral("datei"), "kein Ordner"));
        target = path(QStringLiteral("datei/brief.txt"));
    }
    letter()->setPlainText(QStringLiteral("neuer Brief"));
    m_dialog->answer = target;
    button("Command36")->click();
    if (saveButton == QLatin1String("Command37")) {
        m_fixture->messages().texts.clear();
        button("Command37")->click();
    }
    QCOMPARE(m_fixture->messages().texts, QStringList{kWriteProtected});
    QVERIFY(button("Command37")->isEnabled());
    if (obstacle == QLatin1String("write-protected file"))
        QCOMPARE(m_fixture->dir().read(QStringLiteral("brief.txt")), QByteArray("\"alter Brief\"\r\n"));
    // Nothing was left behind beside the target either.
    QCOMPARE(QDir(QFileInfo(target).path()).entryList({QStringLiteral("brief.txt*")}, QDir::Files | QDir::Hidden),
             QFileInfo(target).isFile() ? QStringList{QStringLiteral("brief.txt")} : QStringList());
}

void TestLetterOutput::cancelledDialog()
{
    letter()->setPlainText(QStringLiteral("gespeichert"));
    m_dialog->answer = path(QStringLiteral("brief.txt"));
    button("Command36")->click();
    letter()->setPlainText(QStringLiteral("geändert"));
    m_dialog->answer.reset();
    button("Command36")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("brief.txt")), QByteArray("\"gespeichert\"\r\n"));
    // The path is still the one chosen before.
    button("Command37")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("brief.txt")), QByteArray("\"geändert\"\r\n"));
    QCOMPARE(m_dialog->requests.size(), 2);
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestLetterOutput::printsEveryPage()
{
    const QString pdf = path(QStringLiteral("druck.pdf"));
    QList<int> sizes;
    Printer::setHandler([&](const QString &text, int pointSize) {
        sizes << pointSize;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return Printer::printOn(printer, text, pointSize);
    });
    // About 70 lines of 10 points fill an A4 page: 150 lines need three.
    QStringList lines;
    for (int n = 1; n <= 150; ++n)
        lines << QStringLiteral("Zeile %1").arg(n);
    letter()->setPlainText(lines.join(u'\n'));
    button("Command31")->click();

    QCOMPARE(m_fixture->messages().texts, QStringList{kToPrinter});
    QCOMPARE(sizes, QList<int>{10});
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("/Type /Page\n"), 3);
    // Every line was drawn: the line at a page's foot is drawn again below it, outside the page.
    QCOMPARE(pdfTextLines(bytes).size(), 150);
}

void TestLetterOutput::noPrinter()
{
    Printer::setHandler([](const QString &, int) { return Printer::Result{false, 0, QStringLiteral("kein Drucker")}; });
    letter()->setPlainText(QStringLiteral("Brief"));
    button("Command31")->click();
    QCOMPARE(m_fixture->messages().texts, (QStringList{kToPrinter, kNoPrinter}));
}

void TestLetterOutput::unsavedLetterAtTheEnd_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("Esc") << ""
                         << "Esc"
                         << "Lieber Hans,\nbis bald";
    QTest::newRow("EXIT") << ""
                          << "EXIT"
                          << "Lieber Hans,\nbis bald";
    QTest::newRow("close box") << ""
                               << "close"
                               << "Lieber Hans,\nbis bald";
    QTest::newRow("speaker window's end") << ""
                                          << "speaker"
                                          << "Lieber Hans,\nbis bald";
    QTest::newRow("saved") << "save"
                           << "Esc"
                           << "";
    QTest::newRow("cleared") << "clear"
                             << "Esc"
                             << "";
    QTest::newRow("changed after saving") << "save, change"
                                          << "Esc"
                                          << "Lieber Hans,\nbis bald!";
    QTest::newRow("write failed") << "failed save"
                                  << "Esc"
                                  << "Lieber Hans,\nbis bald";
}

void TestLetterOutput::unsavedLetterAtTheEnd()
{
    QFETCH(QString, before);
    QFETCH(QString, end);
    QFETCH(QString, shownAgain);
    vodozaduda1 &w = *m_fixture->window();
    letter()->setPlainText(QStringLiteral("Lieber Hans,\nbis bald"));
    if (before.startsWith(QLatin1String("save")))
        m_dialog->answer = path(QStringLiteral("brief.txt"));
    if (before == QLatin1String("failed save"))
        m_dialog->answer = path(QStringLiteral("fehlt/brief.txt"));
    if (before.contains(QLatin1String("save")))
        button("Command36")->click();
    if (before == QLatin1String("clear"))
        button("Command33")->click();
    if (before.endsWith(QLatin1String("change"))) {
        letter()->moveCursor(QTextCursor::End);
        letter()->insertPlainText(QStringLiteral("!"));
    }

    if (end == QLatin1String("Esc"))
        QVERIFY(press(Qt::Key_Escape));
    else if (end == QLatin1String("EXIT"))
        button("Command2")->click();
    else if (end == QLatin1String("speaker"))
        form<Form1>()->close();
    else
        w.close();
    QVERIFY(m_fixture->sandbox().programEnded());

    // The next start.
    WindowSandbox again;
    vodozaduda1 &next = *form<vodozaduda1>();
    QCOMPARE(ctl<QPlainTextEdit>(next, "Text6")->toPlainText(), shownAgain);
    QCOMPARE(ctl<QCheckBox>(next, "Check2")->isChecked(), !shownAgain.isEmpty());
}

void TestLetterOutput::typingKeepsTheLetterOnceASecond()
{
    KeptWrites &writes = this->writes();
    letter()->setFocus();
    QElapsedTimer typing;
    typing.start();
    for (int n = 0; n < 100; ++n)
        QTest::keyClicks(letter(), QStringLiteral("abcdefghi "), Qt::NoModifier, 3);
    const qint64 typedMs = typing.elapsed();
    QCOMPARE(letter()->toPlainText().size(), 1000);
    // The last change is on the disk a second after the typing stopped.
    QTRY_COMPARE_WITH_TIMEOUT(writes.letters().value(writes.letters().size() - 1), letter()->toPlainText(), 3000);
    const qsizetype count = writes.letters().size();
    QVERIFY2(count >= 2 && count <= typedMs / 1000 + 2,
             qPrintable(QStringLiteral("%1 writes in %2 ms of typing").arg(count).arg(typedMs)));
    // Every write but the last one was made while the user was still typing.
    QVERIFY(writes.letters().first().size() < 1000);
    QVERIFY(!writes.onWindowThread());
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestLetterOutput::aFolderThatCannotBeWrittenIsSaidOnce_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("syso is a file") << false;
    QTest::newRow("disk full") << true;
}

void TestLetterOutput::aFolderThatCannotBeWrittenIsSaidOnce()
{
    QFETCH(bool, fullDisk);
    if (fullDisk) {
        writes().fail = true;
    } else {
        // Even root cannot make a folder where a file stands.
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso"), "kein Ordner"));
    }
    QTest::keyClicks(letter(), QStringLiteral("Lieber Hans"));
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture->messages().texts, QStringList{kNotKept}, 3000);
    QTest::keyClicks(letter(), QStringLiteral(", bis bald"));
    QTest::qWait(1500);
    QCOMPARE(m_fixture->messages().texts, QStringList{kNotKept});
    QCOMPARE(letter()->toPlainText(), QStringLiteral("Lieber Hans, bis bald"));
    if (fullDisk)
        QCOMPARE(writes().letters().size(), 2);
}

void TestLetterOutput::aSlowDiskHoldsNobodyUp()
{
    KeptWrites &writes = this->writes();
    writes.hold = true;
    QTest::keyClicks(letter(), QStringLiteral("Lieber"));
    QTRY_COMPARE_WITH_TIMEOUT(writes.letters(), QStringList{QStringLiteral("Lieber")}, 3000);
    // The write hangs; the window goes on taking keys and running its timers.
    QTest::keyClicks(letter(), QStringLiteral(" Hans"));
    bool timerRan = false;
    QTimer::singleShot(10, [&timerRan] { timerRan = true; });
    QTRY_VERIFY(timerRan);
    QCOMPARE(letter()->toPlainText(), QStringLiteral("Lieber Hans"));
    writes.release();
    QTRY_COMPARE_WITH_TIMEOUT(writes.letters().value(1), QStringLiteral("Lieber Hans"), 3000);
}

QTEST_MAIN(TestLetterOutput)
#include "tst_letteroutput.moc"
