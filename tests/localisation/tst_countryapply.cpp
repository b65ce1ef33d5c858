#include "app/Program.h"
#include "localisation/CountryKeys.h"
#include "localisation/IniFile.h"
#include "shell/CountryApply.h"
#include "shell/FontList.h"
#include "shell/FormRegistry.h"
#include "speech/SpeechService.h"
#include "windows/Form2/Form2.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <QToolTip>
#include <QtTest>

namespace {
QString caption(const QObject *c)
{
    if (const auto *action = qobject_cast<const QAction *>(c))
        return action->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(c))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(c))
        return label->textFormat() == Qt::PlainText ? label->text() : QStringLiteral("(as markup) ") + label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(c))
        return frame->title();
    return QStringLiteral("(no caption)");
}

QString toolTip(const QObject *c)
{
    if (const auto *action = qobject_cast<const QAction *>(c))
        return action->toolTip();
    return c->isWidgetType() ? static_cast<const QWidget *>(c)->toolTip() : QStringLiteral("(no tooltip)");
}

QString text(const QObject *c)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(c))
        return field->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(c))
        return combo->currentText();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(c))
        return edit->toPlainText();
    return QStringLiteral("(no text)");
}

// What a control shows for a row's property.
QString shown(const QObject *c, CountryKeys::Property property)
{
    using P = CountryKeys::Property;
    switch (property) {
    case P::Caption:
        return caption(c);
    case P::ToolTip:
        return toolTip(c);
    case P::Text:
        return text(c);
    case P::WindowCaption:
        return static_cast<const QWidget *>(c)->windowTitle();
    case P::ToolTipThenCaption:
        return toolTip(c) == caption(c) ? caption(c) : toolTip(c) + QStringLiteral(" | ") + caption(c);
    case P::AccessibleName:
        return static_cast<const QWidget *>(c)->accessibleName();
    }
    return {};
}

QString rowName(const CountryKeys::Row &row)
{
    return QLatin1StringView(row.window) + u'.' + QLatin1StringView(row.control);
}

// A shipped country file with some keys changed: a null value drops the key. The section heading too.
QByteArray countryWith(const TestProgramDirectory &dir, const QString &base,
                       const QList<std::pair<QString, QString>> &changes,
                       const QString &section = QStringLiteral("Section2"))
{
    QStringList lines = QString::fromUtf8(dir.read(QStringLiteral("land/") + base)).split(QStringLiteral("\r\n"));
    if (lines.size() == 1)
        lines = lines.first().split(u'\n');
    QStringList out;
    for (const QString &line : lines) {
        if (line.startsWith(u'[')) {
            out << u'[' + section + u']';
            continue;
        }
        const QString key = line.section(u'=', 0, 0);
        const auto change = std::find_if(changes.begin(), changes.end(), [&](const auto &c) { return c.first == key; });
        if (change == changes.end())
            out << line;
        else if (!change->second.isNull())
            out << key + u'=' + change->second;
    }
    return out.join(QStringLiteral("\r\n")).toUtf8();
}

QByteArray germanyWith(const TestProgramDirectory &dir, const QList<std::pair<QString, QString>> &changes,
                       const QString &section = QStringLiteral("Section2"))
{
    return countryWith(dir, QStringLiteral("Germany.txt"), changes, section);
}

// Every row's property and every font target's face, for comparing two states.
QStringList snapshot()
{
    QStringList state;
    for (const CountryKeys::Row &row : CountryKeys::table())
        if (const QObject *c = FormRegistry::instance().find(QLatin1StringView(row.window))
                                   ? Controls::find(QLatin1StringView(row.window), QLatin1StringView(row.control))
                                   : nullptr)
            state << QLatin1StringView(row.key) + u'=' + shown(c, row.property);
    for (const CountryKeys::FontTarget &target : CountryKeys::fontTargets())
        if (const auto *w = qobject_cast<const QWidget *>(
                Controls::find(QLatin1StringView(target.window), QLatin1StringView(target.control))))
            state << QLatin1StringView(target.window) + u'.' + QLatin1StringView(target.control) + u'='
                         + w->font().family();
    return state;
}

// Every window of the program loaded, the main window first (the first-run window starts the
// program only as the first window) and wide, so that its letter side is in view.
QList<Form *> everyWindow(MainWindowFixture &fixture)
{
    vodozaduda1 &main = fixture.open();
    if (!ctl<QCheckBox>(main, "Check2")->isChecked())
        ctl<QCheckBox>(main, "Check2")->click();
    QList<Form *> windows;
    for (const QString &name : FormRegistry::instance().registeredNames())
        windows << FormRegistry::instance().load(name);
    return windows;
}

// The controls a user can see: those in the window's client area. Those placed outside it are
// the design's internal buttons and stores.
QList<QWidget *> inView(const QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *c : Controls::of(window))
        if (QRect(c->mapTo(&window, QPoint(0, 0)), c->size()).intersects(window.rect()))
            controls << c;
    return controls;
}

QString name(const QWidget *control)
{
    return control->window()->objectName() + u'.' + control->objectName();
}

// Every text of every window a user sees or hears: captions, help texts, field texts, window
// titles, menu entries, what the mouse over a control puts into the help window, what a few
// clicks show, and the messages. Keyed by where it stands.
QMap<QString, QString> everyText(MainWindowFixture &fixture)
{
    QMap<QString, QString> texts;
    const QList<Form *> windows = everyWindow(fixture);
    hilfe1 &help = *form<hilfe1>();
    for (Form *window : windows) {
        for (const QAction *item : window->findChildren<QAction *>())
            if (!item->objectName().isEmpty())
                texts.insert(window->objectName() + u'.' + item->objectName(), item->text());
        // The tray window is never shown: only its menu is seen.
        if (window->objectName() == u"halmorix")
            continue;
        texts.insert(window->objectName() + QStringLiteral(".title"), window->windowTitle());
        for (QWidget *c : inView(*window)) {
            for (const auto &[kind, value] :
                 {std::pair{QStringLiteral(".caption"), caption(c)},
                  std::pair{QStringLiteral(".tooltip"), c->toolTip()}, std::pair{QStringLiteral(".text"), text(c)}})
                if (!value.startsWith(QStringLiteral("(no ")))
                    texts.insert(name(c) + kind, value);
            // What a screen reader calls it, where that is words and not its design name.
            texts.insert(name(c) + QStringLiteral(".name"),
                         c->accessibleName() == c->objectName() ? QString() : c->accessibleName());
            // What the mouse over it says, if anything.
            const QString before = QStringLiteral("·");
            help.setHelpText(before);
            hover(c);
            if (help.helpText() != before)
                texts.insert(name(c) + QStringLiteral(".hover"), help.helpText());
        }
    }
    // Captions and messages that clicks bring.
    vodozaduda1 &main = *fixture.window();
    auto *check1 = ctl<QCheckBox>(main, "Check1");
    for (int k = 0; k < 2; ++k) {
        check1->click();
        texts.insert(QStringLiteral("Check1 clicked %1").arg(k), check1->text());
    }
    ctl<QWidget>(main, "Label5")->setFocus();
    QTest::mouseClick(ctl<QWidget>(main, "Label5"), Qt::LeftButton);
    texts.insert(QStringLiteral("Label5 clicked"), ctl<QLabel>(main, "Label4")->text());
    auto *name = ctl<QLineEdit>(main, "Text2");
    for (const char *dictionary : {"DeEn", "DeGr", "DeIt", "SpDe", "Woerterbuch-Muster"}) {
        name->setText(QLatin1String(dictionary));
        texts.insert(QStringLiteral("Label3 for ") + QLatin1String(dictionary), ctl<QLabel>(main, "Label3")->text());
    }
    QAction *sound = Controls::find<QAction>(QStringLiteral("halmorix"), QStringLiteral("ton"));
    for (int k = 0; k < 2; ++k) {
        sound->trigger();
        texts.insert(QStringLiteral("ton clicked %1").arg(k), sound->text());
    }
    Form *settings = FormRegistry::instance().load(QStringLiteral("Logox4"));
    ctl<QPushButton>(*settings, "Command3")->click();
    const QStringList messages = fixture.messages().texts;
    for (int k = 0; k < messages.size(); ++k)
        texts.insert(QStringLiteral("message %1").arg(k), messages[k]);
    fixture.messages().texts.clear();
    return texts;
}

// A text that is the same in every language: no words (signs, numbers, keys), names, data.
bool languageFree(const QString &text)
{
    static const QRegularExpression letters(QStringLiteral("\\p{L}"));
    static const QRegularExpression data(QStringLiteral("^([\\w-]+\\.txt|https?://\\S+|lgx\\.\\S+|(F\\d\\s*)+)$"));
    static const QStringList names{QStringLiteral("HX-Tolkarin"),
                                   QStringLiteral("Halmorix"),
                                   QStringLiteral("Woerterbuch-Muster"),
                                   QStringLiteral("Test"),
                                   QStringLiteral("#Standard Sprecher#"),
                                   QStringLiteral("X"),
                                   QStringLiteral("[X]"),
                                   QStringLiteral("&X")};
    return !letters.match(text).hasMatch() || data.match(text).hasMatch() || names.contains(text);
}

// Whether a control's caption fits it whole in its own font; what does not fit, else empty.
QString overflow(QWidget *c)
{
    const QFontMetrics metrics(c->font());
    const auto tooWide = [&](const QString &text, const QRect &room) {
        // A single & marks the access key and is not drawn.
        QString shown = text;
        shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        const int width = metrics.horizontalAdvance(shown);
        if (width > room.width() || metrics.height() > room.height())
            return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
                .arg(text)
                .arg(width)
                .arg(metrics.height())
                .arg(room.width())
                .arg(room.height());
        return QString();
    };
    if (auto *button = qobject_cast<QPushButton *>(c)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return tooWide(button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    if (auto *box = qobject_cast<QCheckBox *>(c)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return tooWide(box->text(), box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box));
    }
    if (auto *label = qobject_cast<QLabel *>(c)) {
        if (label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        if (!label->wordWrap())
            return tooWide(label->text(), room);
        // Wrapped at the label's width: every line fits it, and the ink of the last line ends
        // above the label's bottom.
        QTextLayout layout(label->text(), label->font());
        layout.beginLayout();
        qreal y = 0;
        qreal widest = 0;
        QTextLine last;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            line.setPosition(QPointF(0, y));
            y += line.height();
            widest = std::max(widest, line.naturalTextWidth());
            last = line;
        }
        layout.endLayout();
        const QString lastWords = label->text().mid(last.textStart(), last.textLength());
        const qreal bottom = last.y() + last.ascent() + metrics.tightBoundingRect(lastWords).bottom();
        if (widest > room.width() || bottom > room.height())
            return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
                .arg(label->text())
                .arg(widest)
                .arg(bottom)
                .arg(room.width())
                .arg(room.height());
        return {};
    }
    if (auto *frame = qobject_cast<QGroupBox *>(c)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return frame->title().isEmpty() || title.right() < frame->width() ? QString() : tooWide(frame->title(), title);
    }
    if (auto *combo = qobject_cast<QComboBox *>(c); combo && combo->lineEdit()) {
        // The font list's prompt stands in its field, beside the arrow.
        // Measured on the combo box's own size: its field is only laid out once it is shown.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        return tooWide(combo->lineEdit()->text(), field.adjusted(2, 0, -2, 0));
    }
    if (auto *field = qobject_cast<QLineEdit *>(c)) {
        // A field the program fills: its text stands whole; what the user types may scroll.
        if (!field->isReadOnly() || field->text().isEmpty())
            return {};
        return tooWide(field->text(), field->contentsRect().adjusted(4, 0, -4, 0));
    }
    return {};
}
}

class TestCountryApply : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyRow_data();
    void everyRow();
    void oneRow_data();
    void oneRow();
    void markupToolTipShownAsWritten();
    void applyingTwiceEqualsOnce();
    void fontFaceOnTheFontList_data();
    void fontFaceOnTheFontList();
    void helpTextsInTheirOwnLanguage_data();
    void helpTextsInTheirOwnLanguage();
    void helpPageOnlyInsideTheProgram_data();
    void helpPageOnlyInsideTheProgram();
    void noGermanLeft_data();
    void noGermanLeft();
    void captionsFit_data();
    void captionsFit();

private:
    QString land(const QString &name) const { return m_fixture->dir().file(QStringLiteral("land/") + name); }

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestCountryApply::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestCountryApply::cleanup()
{
    m_fixture.reset();
    FontList::setHandler({});
}

void TestCountryApply::everyRow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("windowsOpen");
    QTest::addColumn<bool>("wrongSection");
    QTest::newRow("Germany, no window loaded") << "Germany.txt" << false << false;
    QTest::newRow("Germany, windows open") << "Germany.txt" << true << false;
    QTest::newRow("England, no window loaded") << "England.txt" << false << false;
    QTest::newRow("England, windows open") << "England.txt" << true << false;
    QTest::newRow("section named otherwise") << "Anders.txt" << true << true;
}

void TestCountryApply::everyRow()
{
    QFETCH(QString, file);
    QFETCH(bool, windowsOpen);
    QFETCH(bool, wrongSection);
    if (wrongSection)
        QVERIFY(m_fixture->dir().write(QStringLiteral("land/") + file,
                                       germanyWith(m_fixture->dir(), {}, QStringLiteral("Section3"))));
    if (windowsOpen) {
        m_fixture->open();
        form<hilfe1>()->show();
        form<Form2>()->show();
        CountryApply::apply(land(QStringLiteral("Germany.txt")), QStringLiteral("Section2"),
                            m_fixture->sandbox().state());
    }
    CountryApply::apply(land(file), QStringLiteral("Section2"), m_fixture->sandbox().state());

    FormRegistry &registry = FormRegistry::instance();
    for (const char *window : {"vodozaduda1", "hilfe1", "Form2"}) {
        QVERIFY2(registry.find(QLatin1String(window)), window);
        QCOMPARE(registry.find(QLatin1String(window))->isVisible(), windowsOpen);
    }
    QStringList wrong;
    for (const CountryKeys::Row &row : CountryKeys::table()) {
        const QString key = QLatin1StringView(row.key);
        const QObject *control = Controls::find(QLatin1StringView(row.window), QLatin1StringView(row.control));
        if (!control) {
            wrong << key + QStringLiteral(": no ") + rowName(row);
            continue;
        }
        const QString expected =
            wrongSection ? QString() : IniFile::readValue(land(file), QStringLiteral("Section2"), key);
        const QString actual = shown(control, row.property);
        if (actual != expected)
            wrong << key + QStringLiteral(": \"") + actual + QStringLiteral("\" instead of \"") + expected + u'"';
    }
    // The texts of our own keys after the table; where the file has none, the design text,
    // which the German file gives as it is.
    for (const CountryKeys::TextRow &row : CountryKeys::textRows()) {
        const QString key = CountryTexts::key(row.text);
        const QObject *control = Controls::find(QLatin1StringView(row.window), QLatin1StringView(row.control));
        const QString expected = IniFile::readValue(land(wrongSection ? QStringLiteral("Germany.txt") : file),
                                                    QStringLiteral("Section2"), key);
        const QString actual = control ? shown(control, row.property) : QStringLiteral("(no control)");
        if (actual != expected)
            wrong << key + QStringLiteral(": \"") + actual + QStringLiteral("\" instead of \"") + expected + u'"';
    }
    QCOMPARE(wrong, QStringList());
}

void TestCountryApply::oneRow_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // null: the key is missing from the file
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("without Key54") << "Germany.txt"
                                   << "Key54" << QString() << "Form2"
                                   << "Command7"
                                   << "";
    QTest::newRow("rows after it still run") << "Germany.txt"
                                             << "Key54" << QString() << "Form2"
                                             << "Command22"
                                             << "Übernehmen ?";
    QTest::newRow("150 characters") << "Germany.txt"
                                    << "Key51" << QString(150, u'x') << "vodozaduda1"
                                    << "Label2" << QString(137, u'x');
    QTest::newRow("markup") << "Germany.txt"
                            << "Key51"
                            << "<img src=\"/dev/zero\">"
                            << "vodozaduda1"
                            << "Label2"
                            << "<img src=\"/dev/zero\">";
    QTest::newRow("markup in a frame caption") << "Germany.txt"
                                               << "Key58"
                                               << "<b>Land</b>"
                                               << "Form2"
                                               << "Frame2"
                                               << "<b>Land</b>";
    // A text of our own that the file leaves out keeps its design text.
    QTest::newRow("English without KeyHoch") << "England.txt"
                                             << "KeyHoch" << QString() << "vodozaduda1"
                                             << "Command19"
                                             << "<< hoch";
    QTest::newRow("Greek without KeyExit, in the tray menu") << "Greece.txt"
                                                             << "KeyExit" << QString() << "halmorix"
                                                             << "mnExit"
                                                             << "Exit";
    QTest::newRow("English, its own text") << "England.txt"
                                           << "KeyPfad" << QString() << "vodozaduda1"
                                           << "Command19"
                                           << "<< up";
}

void TestCountryApply::oneRow()
{
    QFETCH(QString, base);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QVERIFY(
        m_fixture->dir().write(QStringLiteral("land/Test.txt"), countryWith(m_fixture->dir(), base, {{key, value}})));
    CountryApply::apply(land(base), QStringLiteral("Section2"), m_fixture->sandbox().state());
    CountryApply::apply(land(QStringLiteral("Test.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    const QObject *c = Controls::find(window, control);
    QVERIFY(c);
    QCOMPARE(::caption(c), caption);
}

void TestCountryApply::markupToolTipShownAsWritten()
{
    // Markup that shows at once when it is read as such (an image would hang the test instead).
    const QString markup = QStringLiteral("<b>Land</b>");
    QVERIFY(m_fixture->dir().write(QStringLiteral("land/Test.txt"),
                                   germanyWith(m_fixture->dir(), {{QStringLiteral("Key50M"), markup}})));
    CountryApply::apply(land(QStringLiteral("Test.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    vodozaduda1 &w = m_fixture->open();
    auto *button = ctl<QWidget>(w, "Command45");
    QCOMPARE(button->toolTip(), markup);
    ctl<QWidget>(w, "Frame1")->show();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().contains(QStringLiteral("&lt;b&gt;Land&lt;/b&gt;")), qPrintable(QToolTip::text()));
    QToolTip::hideText();
}

void TestCountryApply::applyingTwiceEqualsOnce()
{
    CountryApply::apply(land(QStringLiteral("England.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    const QStringList once = snapshot();
    QVERIFY(once.size() >= 60);
    CountryApply::apply(land(QStringLiteral("England.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    QCOMPARE(snapshot(), once);
}

void TestCountryApply::fontFaceOnTheFontList_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("installed");
    QTest::newRow("installed face") << "Testschrift" << true;
    QTest::newRow("face not installed") << "MS Sans Serif" << false;
    QTest::newRow("no face") << "" << false;
}

void TestCountryApply::fontFaceOnTheFontList()
{
    QFETCH(QString, face);
    QFETCH(bool, installed);
    FontList::setHandler([] { return QFontDatabase::families() << QStringLiteral("Testschrift"); });
    QVERIFY(m_fixture->dir().write(QStringLiteral("land/Test.txt"),
                                   germanyWith(m_fixture->dir(), {{QStringLiteral("Keyschrift"), face}})));
    QList<std::pair<QWidget *, QFont>> before;
    for (const CountryKeys::FontTarget &target : CountryKeys::fontTargets())
        if (auto *w = qobject_cast<QWidget *>(
                Controls::find(QLatin1StringView(target.window), QLatin1StringView(target.control))))
            before.append({w, w->font()});
    QCOMPARE(before.size(), 53);
    CountryApply::apply(land(QStringLiteral("Test.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    for (const auto &[w, font] : before) {
        const QString name = w->window()->objectName() + u'.' + w->objectName();
        if (installed)
            QCOMPARE(w->font().family(), face);
        else
            QVERIFY2(QFontDatabase::families().contains(w->font().family()), qPrintable(name));
        QVERIFY2(w->font().pointSizeF() == font.pointSizeF() && w->font().bold() == font.bold()
                     && w->font().italic() == font.italic(),
                 qPrintable(name));
    }
}

void TestCountryApply::helpTextsInTheirOwnLanguage_data()
{
    QTest::addColumn<QString>("file"); // empty: none applied; "-" before a key: that key left out
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("fresh"); // the window closed and opened again after applying
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language");
    QTest::newRow("a design text") << ""
                                   << "vodozaduda1"
                                   << "Command19" << false << "Auswahl hoch"
                                   << "de";
    QTest::newRow("England: a text of our own") << "England.txt"
                                                << "vodozaduda1"
                                                << "Command19" << false << "Selection up"
                                                << "en";
    QTest::newRow("England: a text of the key table") << "England.txt"
                                                      << "vodozaduda1"
                                                      << "Command2" << false << "[EXIT].. Close the window"
                                                      << "en";
    QTest::newRow("Spain: a text of the key table") << "Spain.txt"
                                                    << "vodozaduda1"
                                                    << "Command2" << false << "[SALIR].. Cerrar la ventana"
                                                    << "es";
    QTest::newRow("England without the key: the design text, in German") << "England.txt-KeyHochHilfe"
                                                                         << "vodozaduda1"
                                                                         << "Command19" << false << "Auswahl hoch"
                                                                         << "de";
    QTest::newRow("England, a window opened afresh shows its design texts, in German")
        << "England.txt"
        << "Logox4"
        << "CloseButton" << true << "Abbrechen"
        << "de";
    QTest::newRow("England, the same window before") << "England.txt"
                                                     << "Logox4"
                                                     << "CloseButton" << false << "Cancel"
                                                     << "en";
    QTest::newRow("Germany") << "Germany.txt"
                             << "vodozaduda1"
                             << "Command2" << false << "[EXIT].. Fenster schließen"
                             << "de";
    // Nothing under the mouse yet: the help window's greeting.
    QTest::newRow("the greeting, in German") << ""
                                             << "hilfe1"
                                             << "" << false << " Hilfe Halmorix"
                                             << "de";
    QTest::newRow("the greeting, in Greek") << "Greece.txt"
                                            << "hilfe1"
                                            << "" << true << "Βοήθεια Halmorix"
                                            << "el";
}

void TestCountryApply::helpTextsInTheirOwnLanguage()
{
    QFETCH(QString, file);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, fresh);
    QFETCH(QString, text);
    QFETCH(QString, language);
    m_fixture->open();
    if (file.contains(u'-')) {
        QVERIFY(m_fixture->dir().write(
            QStringLiteral("land/Test.txt"),
            countryWith(m_fixture->dir(), file.section(u'-', 0, 0), {{file.section(u'-', 1), QString()}})));
        file = QStringLiteral("Test.txt");
    }
    if (!file.isEmpty())
        CountryApply::apply(land(file), QStringLiteral("Section2"), m_fixture->sandbox().state());
    FormRegistry &registry = FormRegistry::instance();
    QVERIFY(registry.load(window));
    if (fresh) {
        QVERIFY(registry.unload(window));
        QTRY_VERIFY(!registry.find(window));
        QVERIFY(registry.load(window));
    }
    if (!control.isEmpty())
        hover(Controls::find<QWidget>(window, control));
    hilfe1 &help = *form<hilfe1>();
    QCOMPARE(help.helpText(), text);
    ctl<QAbstractButton>(help, "Picture1S")->click();
    const SpeechRecorder &speech = m_fixture->speech();
    QCOMPARE(speech.clicks.size(), 1);
    QCOMPARE(speech.clicks.first().element, QStringLiteral("Hilfe"));
    QCOMPARE(speech.clicks.first().language, language);
    QCOMPARE(speech.clicks.first().handOff,
             QStringLiteral("#voice=name:lgx.%1.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#\r\n")
                     .arg(language)
                     .toUtf8()
                 + (text + QStringLiteral("\r\n")).toUtf8());
}

void TestCountryApply::helpPageOnlyInsideTheProgram_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opened");
    QTest::newRow("the program description") << "\\hilfe-vq\\index.htm" << true;
    QTest::newRow("out of the program directory") << "../../etc/passwd" << false;
    QTest::newRow("a program") << "\\tolkarin.sh" << false;
}

void TestCountryApply::helpPageOnlyInsideTheProgram()
{
    QFETCH(QString, path);
    QFETCH(bool, opened);
    ShellRecorder shell;
    QVERIFY(m_fixture->dir().write(QStringLiteral("tolkarin.sh"), "#!/bin/sh\n"));
    QVERIFY(m_fixture->dir().write(QStringLiteral("land/Test.txt"),
                                   germanyWith(m_fixture->dir(), {{QStringLiteral("KeyPfad"), path}})));
    CountryApply::apply(land(QStringLiteral("Test.txt")), QStringLiteral("Section2"), m_fixture->sandbox().state());
    hilfe1 &help = *form<hilfe1>();
    showAndActivate(help);
    QCOMPARE(ctl<QLineEdit>(help, "Text1")->text(), path);
    QTest::mouseClick(ctl<QWidget>(help, "Label6"), Qt::LeftButton);
    const QList<QUrl> expected{QUrl::fromLocalFile(m_fixture->dir().file(QStringLiteral("hilfe-vq/index.htm")))};
    QCOMPARE(shell.urls, opened ? expected : QList<QUrl>());
}

void TestCountryApply::noGermanLeft_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("leftOut");   // keys the file leaves out on purpose
    QTest::addColumn<QStringList>("sameWords"); // words the language shares with German
    QTest::newRow("England") << "England.txt" << QStringList() << QStringList{"Start >>", "Stop",    "Pause",
                                                                              "Echo:",    "Volume:", "< Focus",
                                                                              "Exit",     "Focus 1", "Focus 2"};
    QTest::newRow("Greece") << "Greece.txt" << QStringList() << QStringList();
    QTest::newRow("Italy") << "Italy.txt" << QStringList()
                           << QStringList{"Start >>", "Stop", "Echo:", "Volume:", "< Focus", "Focus 1", "Focus 2"};
    QTest::newRow("Spain") << "Spain.txt" << QStringList() << QStringList();
    QTest::newRow("England, two keys left out")
        << "England.txt" << QStringList{"KeyHoch", "KeyTonAus"}
        << QStringList{"Start >>", "Stop", "Pause", "Echo:", "Volume:", "< Focus", "Exit", "Focus 1", "Focus 2"};
}

void TestCountryApply::noGermanLeft()
{
    QFETCH(QString, file);
    QFETCH(QStringList, leftOut);
    QFETCH(QStringList, sameWords);
    // The speech page shows its buttons.
    SpeechService speech(m_fixture->dir().path());
    const QMap<QString, QString> design = everyText(*m_fixture);
    QVERIFY(design.size() > 300);
    // The example dictionary's message and the empty entry's.
    QCOMPARE(design.value(QStringLiteral("message 1")), QStringLiteral("Sie haben nichts eingegeben!"));
    if (!leftOut.isEmpty()) {
        QList<std::pair<QString, QString>> changes;
        for (const QString &key : leftOut)
            changes.append({key, QString()});
        QVERIFY(m_fixture->dir().write(QStringLiteral("land/Test.txt"), countryWith(m_fixture->dir(), file, changes)));
        file = QStringLiteral("Test.txt");
    }
    CountryApply::apply(land(file), QStringLiteral("Section2"), m_fixture->sandbox().state());
    const QMap<QString, QString> applied = everyText(*m_fixture);
    QCOMPARE(applied.keys(), design.keys());

    QStringList german;
    for (auto it = applied.cbegin(); it != applied.cend(); ++it) {
        if (it.value() == design.value(it.key()) && !languageFree(it.value()) && !sameWords.contains(it.value()))
            german << it.key() + QStringLiteral(": ") + it.value();
    }
    // What the left-out keys give stays German, there and nowhere else.
    QStringList expected;
    if (leftOut.contains(QStringLiteral("KeyTonAus")))
        expected << QStringLiteral("ton clicked 1: Ton Aus");
    if (leftOut.contains(QStringLiteral("KeyHoch")))
        expected << QStringLiteral("vodozaduda1.Command19.caption: << hoch");
    QCOMPARE(german, expected);
}

void TestCountryApply::captionsFit_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"Germany.txt", "England.txt", "Greece.txt", "Italy.txt", "Spain.txt"})
        QTest::newRow(file) << file;
}

void TestCountryApply::captionsFit()
{
    QFETCH(QString, file);
    // In the program's own face and size, as the windows show them.
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        QSKIP("The captions are measured in the design face's stand-in, Liberation Sans (Debian: fonts-liberation2), "
              "which is not installed.");
    const QFont before = QApplication::font();
    Program::useDesignFont();
    SpeechService speech(m_fixture->dir().path());
    const QList<Form *> windows = everyWindow(*m_fixture);
    CountryApply::apply(land(file), QStringLiteral("Section2"), m_fixture->sandbox().state());
    QStringList cut;
    const auto measure = [&cut](QWidget *c) {
        if (const QString problem = overflow(c); !problem.isEmpty())
            cut << name(c) + QStringLiteral(": ") + problem;
    };
    for (Form *window : windows)
        for (QWidget *c : inView(*window))
            measure(c);
    // Captions the program changes as it runs.
    vodozaduda1 &main = *m_fixture->window();
    for (int k = 0; k < 2; ++k) {
        ctl<QCheckBox>(main, "Check1")->click();
        measure(ctl<QWidget>(main, "Check1"));
    }
    for (const char *dictionary : {"DeEn", "DeGr", "DeIt", "SpDe", "Woerterbuch-Muster"}) {
        ctl<QLineEdit>(main, "Text2")->setText(QLatin1String(dictionary));
        measure(ctl<QWidget>(main, "Label3"));
    }
    QApplication::setFont(before);
    if (!cut.isEmpty())
        qWarning().noquote() << cut.join(u'\n');
    QCOMPARE(cut, QStringList());
}

QTEST_MAIN(TestCountryApply)
#include "tst_countryapply.moc"
