#include "shell/Clipboard.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "speech/SpeechControl.h"
#include "speech/SpeechService.h"
#include "speech/VoiceCatalogue.h"
#include "windows/Logox4/Logox4.h"
#include "windows/Logox4/PatternEntryList.h"
#include "windows/Logox4/VoiceChoice.h"
#include "windows/Logox4/VoiceSliders.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "RecordingOutput.h"
#include "SignalAnalysis.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QtTest>

namespace {
const QByteArray kThreeVoices = "lgx.de.bill de m3\nlgx.en.silke en f2\nlgx.el.martin el m1\n";

// The voice slot of the settings window: the tag of the voice picked in its list.
QString voiceOf(Logox4 &w)
{
    return w.findChild<VoiceChoice *>()->voice();
}

// Lines as the program writes them: each ended by CR LF.
QByteArray lines(const QStringList &list)
{
    return (list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
}

class TestSpeechSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlCalls_data();
    void controlCalls();
    void load_data();
    void load();
    void sliderEnds_data();
    void sliderEnds();
    void tryOut_data();
    void tryOut();
    void takeOver();
    void entryField();
    void voiceAddressOnlyOnTheWeb_data();
    void voiceAddressOnlyOnTheWeb();
    void escapeStartsFresh();
    void takenOverSpeedSpeaksFaster();

private:
    // Three voices in the catalogue of a speech service of this test, the given one current.
    [[nodiscard]] bool useThreeVoices(int current);
    // The settings window as the main window's "Stimme" shows it; null when it did not appear.
    Logox4 *openSettings();

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<SpeechService> m_service;
    QStringList m_clipboard;
};

void TestSpeechSettings::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_clipboard.clear();
    Clipboard::setHandler({[this](const QString &text) { m_clipboard << text; },
                           [this] { return m_clipboard.value(m_clipboard.size() - 1); }});
}

void TestSpeechSettings::cleanup()
{
    m_fixture.reset();
    m_service.reset();
    Clipboard::setHandler({});
}

bool TestSpeechSettings::useThreeVoices(int current)
{
    if (!m_fixture->dir().write(QStringLiteral("voices.txt"), kThreeVoices))
        return false;
    m_service = std::make_unique<SpeechService>(m_fixture->dir().path());
    return m_service->voices().count() == 3 && m_service->voices().setCurrentIndex(current);
}

Logox4 *TestSpeechSettings::openSettings()
{
    vodozaduda1 &main = m_fixture->open();
    ctl<QPushButton>(main, "Command28")->click();
    Logox4 *settings = form<Logox4>();
    if (!settings || !settings->isVisible())
        return nullptr;
    showAndActivate(*settings);
    return settings;
}

void TestSpeechSettings::controlCalls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QVariantList>("arguments");
    QTest::newRow("alias past the end") << 17 << QVariantList{3};
    QTest::newRow("select past the end") << 28 << QVariantList{3};
    QTest::newRow("select without index") << 28 << QVariantList{};
    QTest::newRow("unknown id") << 15 << QVariantList{};
}

void TestSpeechSettings::controlCalls()
{
    QFETCH(int, id);
    QFETCH(QVariantList, arguments);
    QVERIFY(m_fixture->dir().write(QStringLiteral("voices.txt"), kThreeVoices));
    VoiceCatalogue voices;
    QVERIFY(voices.load(m_fixture->dir().file(QStringLiteral("voices.txt"))));
    SpeechControl speechControl([&] { return &voices; });
    QVERIFY(!speechControl.invoke(id, arguments));
    QCOMPARE(voices.currentIndex(), 0);
}

void TestSpeechSettings::load_data()
{
    QTest::addColumn<bool>("voices");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("picked");
    QTest::addColumn<QString>("voiceSlot");
    QTest::addColumn<QString>("helpText");
    QTest::newRow("three voices, the second current")
        << true << QStringList{"lgx.de.bill", "lgx.en.silke", "lgx.el.martin"} << 1 << "#voice=name:lgx.en.silke#"
        << "#voice=name:lgx.en.silke#Test 1 2 3!";
    QTest::newRow("no control") << false << QStringList{} << -1 << ""
                                << " Hilfe Halmorix";
}

void TestSpeechSettings::load()
{
    QFETCH(bool, voices);
    QFETCH(QStringList, listed);
    QFETCH(int, picked);
    QFETCH(QString, voiceSlot);
    QFETCH(QString, helpText);
    if (voices)
        QVERIFY(useThreeVoices(1));
    Logox4 *w = openSettings();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Individuelle stimm Muster Einstellung !"));
    auto *list = ctl<QComboBox>(*w, "SpeechFontCombo");
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QCOMPARE(items, listed);
    QCOMPARE(list->currentIndex(), picked);
    QCOMPARE(voiceOf(*w), voiceSlot);
    QCOMPARE(form<hilfe1>()->helpText(), helpText);
    QCOMPARE(ctl<QLineEdit>(*w, "Text3")->isVisible(), !voices);
    if (!voices)
        return;
    // A pick makes the voice current for every window.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(m_service->voices().currentIndex(), 2);
    QCOMPARE(voiceOf(*w), QStringLiteral("#voice=name:lgx.el.martin#"));
    QCOMPARE(form<hilfe1>()->helpText(), QStringLiteral("#voice=name:lgx.el.martin#Test 1 2 3!"));
}

void TestSpeechSettings::sliderEnds_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("slotNumber"); // VoiceMarkup::Slot
    QTest::addColumn<QString>("valueLabel");
    QTest::addColumn<QString>("caption");
    // At the low end, then at the high end.
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("pitch") << "PitchScroll" << int(VoiceMarkup::Slot::BasePitch) << "Label6"
                           << "Höhe - Tiefe" << QStringList{"#bpit=15Hz#", "#bpit=400Hz#"}
                           << QStringList{"15Hz", "400Hz"};
    QTest::newRow("speed") << "SpeedScroll" << int(VoiceMarkup::Slot::Speed) << "Label7"
                           << "Geschwindichkeit:" << QStringList{"#spd=20%#", "#spd=250%#"}
                           << QStringList{"20%", "250%"};
    QTest::newRow("intonation") << "IntonationScroll" << int(VoiceMarkup::Slot::Intonation) << "Label15"
                                << "Basistonhöhe:" << QStringList{"#pit=10Hz#", "#pit=300Hz#"}
                                << QStringList{"10Hz", "300Hz"};
    QTest::newRow("roughness") << "RoughnessScroll" << int(VoiceMarkup::Slot::Roughness) << "Label16"
                               << "Rauheit" << QStringList{"#BINT=0%#", "#BINT=250%#"} << QStringList{"0%", "250%"};
    QTest::newRow("volume") << "VolumeScroll" << int(VoiceMarkup::Slot::Volume) << "Label17"
                            << "Volume:" << QStringList{"#VOL=0%dB#", "#VOL=500%dB#"} << QStringList{"0%", "500%"};
    QTest::newRow("echo") << "EchoScroll" << int(VoiceMarkup::Slot::Echo) << "Label18"
                          << "Echo:"
                          << QStringList{"#AFX =DL122=1:$123=0.0,$124=0.4,$125=0.0;#",
                                         "#AFX =DL122=1:$123=500.0,$124=0.4,$125=0.0;#"}
                          << QStringList{"0", "500"};
}

void TestSpeechSettings::sliderEnds()
{
    QFETCH(QString, slider);
    QFETCH(int, slotNumber);
    const auto slot = VoiceMarkup::Slot(slotNumber);
    QFETCH(QString, valueLabel);
    QFETCH(QString, caption);
    QFETCH(QStringList, tags);
    QFETCH(QStringList, shown);
    Logox4 *w = openSettings();
    QVERIFY(w);
    auto *bar = w->findChild<QScrollBar *>(slider);
    const auto *sliders = w->findChild<VoiceSliders *>();
    auto *value = w->findChild<QLabel *>(valueLabel);
    QVERIFY(bar && sliders && value);
    QCOMPARE(sliders->tagOf(slot), QString());
    bar->setFocus();
    QCOMPARE(form<hilfe1>()->helpText(), "Stimme mit: " + caption + ' ');
    // Low end from the high end (a slider already at its end does not move), then high end;
    // each time one step past the end, which the slider does not take.
    for (const bool high : {false, true}) {
        QTest::keyClick(bar, high ? Qt::Key_Home : Qt::Key_End);
        QTest::keyClick(bar, high ? Qt::Key_End : Qt::Key_Home);
        QTest::keyClick(bar, high ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(sliders->tagOf(slot), tags.at(high));
        QCOMPARE(value->text(), shown.at(high));
    }
    ctl<QLineEdit>(*w, "Text1")->setFocus();
    bar->setFocus();
    QCOMPARE(form<hilfe1>()->helpText(), "Stimme mit: " + caption + ' ' + shown.at(1));
    QTest::mouseClick(value, Qt::LeftButton);
    QCOMPARE(value->text(), QString());
    QCOMPARE(sliders->tagOf(slot), QString());
    QCOMPARE(bar->value(), bar->maximum());
}

void TestSpeechSettings::tryOut_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("accessKey");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("sp1");
    const int speaker = int(SpeechHandOff::Page::Speaker);
    const int voiceTest = int(SpeechHandOff::Page::VoiceTest);
    const QString picked = "#voice=name:lgx.en.silke#", standard = "# Standard Sprecher #";
    QTest::newRow("speaker test") << "Command11" << 0 << "hilfe.txt" << speaker << "Hilfe" << picked << standard;
    QTest::newRow("voice-page test") << "alles" << 0 << "stimm2.txt" << voiceTest << "stimm" << picked << standard;
    for (const char *name : {"bill", "silke", "johanna", "martin"}) {
        const QString preset = QStringLiteral("#voice=name:lgx.de.%1#").arg(QLatin1String(name));
        QTest::addRow("%s clicked", name) << name << 0 << "stimm2.txt" << voiceTest << "stimm" << preset << preset;
    }
    QTest::newRow("Silke by Alt+S") << "" << int(Qt::Key_S) << "stimm2.txt" << voiceTest << "stimm"
                                    << "#voice=name:lgx.de.silke#"
                                    << "#voice=name:lgx.de.silke#";
    QTest::newRow("Johanna by Alt+J") << "" << int(Qt::Key_J) << "stimm2.txt" << voiceTest << "stimm"
                                      << "#voice=name:lgx.de.johanna#"
                                      << "#voice=name:lgx.de.johanna#";
}

void TestSpeechSettings::tryOut()
{
    QFETCH(QString, button);
    QFETCH(int, accessKey);
    QFETCH(QString, file);
    QFETCH(int, page);
    QFETCH(QString, element);
    QFETCH(QString, voice);
    QFETCH(QString, sp1);
    QVERIFY(useThreeVoices(1));
    Logox4 *w = openSettings();
    QVERIFY(w);
    ctl<QScrollBar>(*w, "SpeedScroll")->setValue(150);
    if (accessKey)
        QTest::keyClick(w, Qt::Key(accessKey), Qt::AltModifier);
    else
        w->findChild<QPushButton *>(button)->click();
    QTRY_COMPARE(m_fixture->speech().elements(), QStringList{element});
    QCOMPARE(int(m_fixture->speech().clicks.first().page), page);
    const QByteArray written = lines({voice, "", "", "", "#spd=150%#", "", "", "Test"});
    QCOMPARE(m_fixture->dir().read(file), written);
    // Every test but the speaker test puts the pattern on the clipboard.
    QCOMPARE(m_clipboard, file == "hilfe.txt" ? QStringList() : QStringList{QString::fromUtf8(written)});
    QCOMPARE(ctl<QLabel>(*w, "Sp1")->text(), sp1);
    QCOMPARE(voiceOf(*w), QStringLiteral("#voice=name:lgx.en.silke#"));
}

void TestSpeechSettings::takeOver()
{
    QVERIFY(useThreeVoices(1));
    Logox4 *w = openSettings();
    QVERIFY(w);
    ctl<QScrollBar>(*w, "VolumeScroll")->setValue(500);
    ctl<QPushButton>(*w, "bill")->click();
    m_clipboard.clear();
    QElapsedTimer clock;
    clock.start();
    ctl<QPushButton>(*w, "Command9")->click();
    // The voice picked in the list, not the preset tried last.
    const QStringList pattern{"#voice=name:lgx.en.silke#", "#VOL=500%dB#", "", "", "", "", ""};
    QCOMPARE(m_fixture->dir().read(QStringLiteral("stimm2.txt")), lines(pattern));
    QCOMPARE(m_clipboard, QStringList{QString::fromUtf8(lines(pattern))});
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
    const qint64 hiddenAfter = clock.elapsed();
    QVERIFY2(hiddenAfter >= 850 && hiddenAfter < 2000, qPrintable(QString::number(hiddenAfter)));
    QVERIFY(isLoaded<Logox4>());
    QCOMPARE(itemsOf(ctl<QListWidget>(*m_fixture->window(), "List6")), pattern);
    QTRY_COMPARE(ctl<QListWidget>(*m_fixture->window(), "List6")->currentRow(), 0);
    QCOMPARE(m_fixture->speech().clicks.size(), 1);
}

void TestSpeechSettings::entryField()
{
    Logox4 *w = openSettings();
    QVERIFY(w);
    auto *field = ctl<QLineEdit>(*w, "Text2");
    // In view, where the design puts it.
    QVERIFY(field->isVisible());
    QCOMPARE(QPoint(Twips::fromPixels(field->x()), Twips::fromPixels(field->y())), QPoint(120, 3600));
    ctl<QPushButton>(*w, "Command3")->click();
    QCOMPARE(m_fixture->messages().texts, QStringList{"Sie haben nichts eingegeben!"});
    const auto *entries = w->findChild<PatternEntryList *>();
    QCOMPARE(entries->entries().size(), 0);
    QCOMPARE(QApplication::focusWidget(), field);
    field->setText(QStringLiteral("#spd=120%#"));
    ctl<QPushButton>(*w, "Command3")->click();
    QCOMPARE(entries->entries(), QStringList{"#spd=120%#"});
    QCOMPARE(entries->countCaption(), QStringLiteral("1 Einträge in der Listbox"));
    QCOMPARE(field->text(), QString());
}

void TestSpeechSettings::escapeStartsFresh()
{
    Logox4 *w = openSettings();
    QVERIFY(w);
    ctl<QScrollBar>(*w, "SpeedScroll")->setValue(180);
    ctl<QPushButton>(*w, "martin")->click();
    QVERIFY(press(Qt::Key_Escape));
    QVERIFY(!isLoaded<Logox4>());
    QPointer<Logox4> old = w;
    QTRY_VERIFY(old.isNull());
    w = openSettings();
    QVERIFY(w);
    QCOMPARE(ctl<QScrollBar>(*w, "SpeedScroll")->value(), 100);
    QCOMPARE(ctl<QLabel>(*w, "Sp1")->text(), QStringLiteral("# Standard Sprecher #"));
    // Space right after opening runs Bill, with every slot empty again.
    QVERIFY(press(Qt::Key_Space));
    QTRY_COMPARE(m_fixture->speech().elements(), (QStringList{"stimm", "stimm"}));
    QCOMPARE(m_fixture->dir().read(QStringLiteral("stimm2.txt")),
             lines({"#voice=name:lgx.de.bill#", "", "", "", "", "", "", "Test"}));
    QCOMPARE(ctl<QLabel>(*w, "Sp1")->text(), QStringLiteral("#voice=name:lgx.de.bill#"));
    // The presets lie below the window: backwards from "Bill" the Tab key goes to the last
    // button in sight, and never comes back to them.
    QVERIFY(press(Qt::Key_Backtab));
    QCOMPARE(QApplication::focusWidget(), ctl<QPushButton>(*w, "CloseButton"));
    // Their access keys still run them.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::AltModifier);
    QTRY_COMPARE(ctl<QLabel>(*w, "Sp1")->text(), QStringLiteral("#voice=name:lgx.de.johanna#"));
}

void TestSpeechSettings::takenOverSpeedSpeaksFaster()
{
    QVERIFY(m_fixture->dir().write(
        QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
        dictionaryFile({{"versuch;eins zwei drei vier sechs sieben acht neun zehn elf zwoelf;"}})));
    m_fixture->speakForReal();
    RecordingOutput *output = nullptr;
    const auto previous = RecordingOutput::install(&output);
    const auto restore = qScopeGuard([&] { AudioOutput::setFactory(previous); });
    m_service = std::make_unique<SpeechService>(m_fixture->dir().path());
    QVERIFY(output);

    vodozaduda1 &main = m_fixture->open();
    auto *field = ctl<QLineEdit>(main, "Text3");
    auto translate = [&] {
        const int starts = output->startCount();
        QTest::keyClicks(field, QStringLiteral("versuch"));
        QTest::keyClick(field, Qt::Key_Return);
        const bool spoken =
            QTest::qWaitFor([&] { return output->startCount() > starts; }, 5000) && output->waitUntilIdle();
        return spoken ? SignalAnalysis::speechSpan(output->samples(), output->sampleRate()) : 0.0;
    };
    const double standard = translate();

    ctl<QPushButton>(main, "Command28")->click();
    Logox4 *w = form<Logox4>();
    QVERIFY(w && w->isVisible());
    ctl<QScrollBar>(*w, "SpeedScroll")->setValue(200);
    ctl<QPushButton>(*w, "Command9")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 3000);
    auto *voices = ctl<QListWidget>(main, "List6");
    QTRY_COMPARE(voices->count(), 7);
    QTRY_COMPARE(voices->currentRow(), 0);
    // The whole pattern from its voice line on goes in front of the translation.
    const double fast = translate();

    qInfo("standard speaker %.2f s, speed 200 %% %.2f s, ratio %.2f", standard, fast, standard / fast);
    QVERIFY(fast > 0.3);
    QVERIFY(standard / fast > 1.4);
}

void TestSpeechSettings::voiceAddressOnlyOnTheWeb_data()
{
    // Label19's caption comes from a country file ("Keyweb").
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("opened");
    QTest::newRow("the design's address") << "https://github.com/espeak-ng/espeak-ng" << true;
    QTest::newRow("http") << "http://example.org/stimmen" << true;
    QTest::newRow("a file") << "file:///etc/passwd" << false;
    QTest::newRow("a path") << "/usr/bin/xterm" << false;
    QTest::newRow("another scheme") << "javascript:alert(1)" << false;
}

void TestSpeechSettings::voiceAddressOnlyOnTheWeb()
{
    QFETCH(QString, caption);
    QFETCH(bool, opened);
    ShellRecorder shell;
    Logox4 *w = openSettings();
    QVERIFY(w);
    auto *label = ctl<QLabel>(*w, "Label19");
    label->setText(caption);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(shell.urls, opened ? QList<QUrl>{QUrl(caption)} : QList<QUrl>());
}

QTEST_MAIN(TestSpeechSettings)
#include "tst_speechsettings.moc"
