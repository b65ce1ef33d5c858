#include "shell/FontList.h"
#include "shell/FormRegistry.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
// Faces of fonts-dejavu-core, which the program's setup installs; listed in an order of the test's own.
const QStringList kFaces{QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono"),
                         QStringLiteral("DejaVu Sans")};
const QString kDesign = QStringLiteral("(design face)");
const QString kEarlierText = QStringLiteral("vorher");
}

class TestFontChoice : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsEveryFont();
    void apply_data();
    void apply();
    void focusShowsTheHelp();

private:
    vodozaduda1 &window() { return *m_fixture->window(); }
    QComboBox *combo() { return ctl<QComboBox>(window(), "Combo1"); }
    QAbstractButton *button(const QString &name) { return window().findChild<QAbstractButton *>(name); }
    [[nodiscard]] bool hasFace(QWidget *field, const QString &face, QString &why);

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestFontChoice::init()
{
    FontList::setHandler([] { return kFaces; });
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->open();
}

void TestFontChoice::cleanup()
{
    m_fixture.reset();
    FontList::setHandler({});
}

bool TestFontChoice::hasFace(QWidget *field, const QString &face, QString &why)
{
    const QString family = field->font().family();
    why = field->objectName() + QStringLiteral(": ") + family;
    // The design face is not installed here: some installed face stands in, not the chosen one.
    if (face == kDesign)
        return QFontDatabase::families().contains(family) && family != QLatin1String("DejaVu Serif");
    return family == face;
}

void TestFontChoice::listsEveryFont()
{
    QCOMPARE(combo()->count(), kFaces.size());
    for (int k = 0; k < kFaces.size(); ++k)
        QCOMPARE(combo()->itemText(k), kFaces[k]);
    QCOMPARE(combo()->currentText(), QStringLiteral("Schrift wählen >"));
    QVERIFY(!button(QStringLiteral("Check5"))->isChecked());
    QVERIFY(!button(QStringLiteral("Check6"))->isChecked());
    // The letter's design face stands in as an installed face, at its design size.
    QString why;
    QVERIFY2(hasFace(ctl<QWidget>(window(), "Text6"), kDesign, why), qPrintable(why));
    QCOMPARE(ctl<QWidget>(window(), "Text6")->font().pointSize(), 12);
}

void TestFontChoice::apply_data()
{
    QTest::addColumn<QString>("face");      // in the field of the font list
    QTest::addColumn<bool>("fieldsBefore"); // "<" ticked before
    QTest::addColumn<bool>("letterBefore"); // "^" ticked before
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("fieldsFace");
    QTest::addColumn<QString>("letterFace");
    QTest::addColumn<QString>("help");
    QTest::newRow("tick <") << "DejaVu Serif" << false << false << "Check5"
                            << "DejaVu Serif" << kDesign << kEarlierText;
    QTest::newRow("tick ^") << "DejaVu Serif" << false << false << "Check6" << kDesign << "DejaVu Serif"
                            << kEarlierText;
    QTest::newRow("untick <") << "DejaVu Serif" << true << true << "Check5" << kDesign << "DejaVu Serif"
                              << kEarlierText;
    QTest::newRow("name typed") << "DejaVu Serif" << true << true << "type DejaVu Sans Mono"
                                << "DejaVu Serif"
                                << "DejaVu Serif"
                                << "Schrift: [DejaVu Sans Mono]";
    QTest::newRow("entry picked") << "DejaVu Serif" << false << true << "pick the next entry" << kDesign
                                  << "DejaVu Sans Mono"
                                  << "Schrift: [DejaVu Sans Mono]";
    QTest::newRow("prompt still shown") << "Schrift wählen >" << false << false << "Check5" << kDesign << kDesign
                                        << kEarlierText;
}

void TestFontChoice::apply()
{
    QFETCH(QString, face);
    QFETCH(bool, fieldsBefore);
    QFETCH(bool, letterBefore);
    QFETCH(QString, action);
    QFETCH(QString, fieldsFace);
    QFETCH(QString, letterFace);
    QFETCH(QString, help);
    QList<QWidget *> fields{ctl<QWidget>(window(), "Text3"), ctl<QWidget>(window(), "Text1")};
    QWidget *letter = ctl<QWidget>(window(), "Text6");
    const int fieldSize = fields.first()->font().pointSize();
    combo()->setEditText(face);
    button(QStringLiteral("Check5"))->setChecked(fieldsBefore);
    button(QStringLiteral("Check6"))->setChecked(letterBefore);
    button(QStringLiteral("Command48"))->click();
    form<hilfe1>()->setHelpText(kEarlierText);

    if (action.startsWith(QLatin1String("Check"))) {
        button(action)->click();
    } else if (action == QLatin1String("type DejaVu Sans Mono")) {
        combo()->lineEdit()->clear();
        QTest::keyClicks(combo()->lineEdit(), QStringLiteral("DejaVu Sans Mono"));
    } else {
        combo()->setCurrentIndex(0);
        combo()->setFocus();
        QTest::keyClick(combo(), Qt::Key_Down);
    }

    QString why;
    for (QWidget *field : fields) {
        QVERIFY2(hasFace(field, fieldsFace, why), qPrintable(why));
        QCOMPARE(field->font().pointSize(), fieldSize);
    }
    QVERIFY2(hasFace(letter, letterFace, why), qPrintable(why));
    QCOMPARE(letter->font().pointSize(), 12);
    QCOMPARE(form<hilfe1>()->helpText(), help);
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestFontChoice::focusShowsTheHelp()
{
    form<hilfe1>()->setHelpText(kEarlierText);
    combo()->setFocus();
    QCOMPARE(form<hilfe1>()->helpText(), QStringLiteral("Schrift Type auswählen"));
    QCOMPARE(ctl<QLabel>(window(), "Label4")->text(), QStringLiteral("Schrift Type auswählen"));
}

QTEST_MAIN(TestFontChoice)
#include "tst_fontchoice.moc"
