#include "TestSupport.h"

#include "RecordingOutput.h"

#include "app/Program.h"
#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "dictionary/Stemmer.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

MessageRecorder::MessageRecorder()
{
    MessageBox::setHandler([this](const QString &text) { texts.append(text); });
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setHandler({});
}

ShellRecorder::ShellRecorder(bool succeed)
{
    Shell::setHandler([this, succeed](const QUrl &url) {
        urls.append(url);
        return succeed;
    });
}

ShellRecorder::~ShellRecorder()
{
    Shell::setHandler({});
}

SpeechRecorder::SpeechRecorder(bool succeed) : m_succeed(succeed)
{
    SpeechHandOff::setClickHandler([this](SpeechHandOff::Page page, const QString &element, const QString &language) {
        QFile handOff(SpeechHandOff::path());
        clicks.append({page, element, language, handOff.open(QIODevice::ReadOnly) ? handOff.readAll() : QByteArray()});
        return m_succeed;
    });
}

SpeechRecorder::~SpeechRecorder()
{
    SpeechHandOff::setClickHandler({});
}

QStringList SpeechRecorder::elements() const
{
    QStringList names;
    for (const Click &click : clicks)
        names << click.element;
    return names;
}

RecordingAudio::RecordingAudio() : m_previous(RecordingOutput::install(&m_latest)) {}

RecordingAudio::~RecordingAudio()
{
    AudioOutput::setFactory(m_previous);
}

HunspellFolder::HunspellFolder(const QString &folder) : m_previous(Stemmer::folder())
{
    Stemmer::setFolder(folder);
}

HunspellFolder::~HunspellFolder()
{
    Stemmer::setFolder(m_previous);
}

bool copyDirectory(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!source.exists())
        return false;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        if (!QFile::copy(file, target))
            return false;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    return true;
}

TestProgramDirectory::TestProgramDirectory(bool withData)
{
    if (withData)
        copyDirectory(sourceDataDirectory(), m_dir.path());
    ProgramDirectory::setPath(m_dir.path());
}

TestProgramDirectory::~TestProgramDirectory()
{
    ProgramDirectory::setPath({});
}

QString TestProgramDirectory::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

bool TestProgramDirectory::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray TestProgramDirectory::read(const QString &relative) const
{
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

WindowSandbox::WindowSandbox()
{
    FormRegistry::instance().reset();
    FormRegistry::instance().setQuitHandler([] {});
    m_program = std::make_unique<Program>();
}

WindowSandbox::~WindowSandbox()
{
    // The windows before the state they hold.
    FormRegistry::instance().reset();
    m_program.reset();
}

ProgramState &WindowSandbox::state()
{
    return m_program->state();
}

bool WindowSandbox::programEnded() const
{
    return FormRegistry::instance().programEnded();
}

MainWindowFixture::MainWindowFixture()
    : m_dir(std::make_unique<TestProgramDirectory>()),
      m_sandbox(std::make_unique<WindowSandbox>()),
      m_messages(std::make_unique<MessageRecorder>()),
      m_speech(std::make_unique<SpeechRecorder>())
{}

MainWindowFixture::~MainWindowFixture()
{
    // Windows first: unloading may still show messages or use the program directory.
    m_window = nullptr;
    m_sandbox.reset();
    m_speech.reset();
    m_messages.reset();
    m_dir.reset();
}

vodozaduda1 &MainWindowFixture::open()
{
    m_window = form<vodozaduda1>();
    showAndActivate(*m_window);
    // The start's focus return would land in the middle of a test.
    ctl<QTimer>(*m_window, "Timer4")->stop();
    ctl<QLineEdit>(*m_window, "Text3")->setFocus();
    return *m_window;
}

void showAndActivate(QWidget &window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("%s not active", window.metaObject()->className());
}

QString dictionaryDivider(int part)
{
    return QString::number(part) + QString(8, QLatin1Char('\\')) + QStringLiteral(" Trennlinie");
}

QByteArray dictionaryFile(const QList<QStringList> &parts)
{
    Q_ASSERT(parts.size() <= 4);
    QStringList lines;
    for (int part = 0; part < 4; ++part) {
        if (part > 0)
            lines << dictionaryDivider(part);
        if (part < parts.size())
            lines << parts.at(part);
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString currentEntry(Form &main)
{
    const auto *lookup = main.findChild<WordLookup *>();
    return lookup ? lookup->entry() : QString();
}

PartList *partList(Form &window, int index)
{
    return Controls::find<PartList>(window, QStringLiteral("List%1").arg(index + 1));
}

QList<PartList *> partLists(Form &window)
{
    QList<PartList *> lists;
    for (int k = 0; k < 4; ++k)
        lists << partList(window, k);
    return lists;
}

QList<int> shownLists(Form &w)
{
    QList<int> shown;
    for (int k = 0; k < 4; ++k)
        if (partList(w, k)->isVisible())
            shown << k + 1;
    return shown;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QColor paintedAt(QWidget *widget, const QPoint &point)
{
    return widget->grab().toImage().pixelColor(point * widget->devicePixelRatioF());
}

QColor paintedBackground(QWidget *widget)
{
    // Beside a check box's caption; above a button's caption, inside its border.
    if (qobject_cast<QCheckBox *>(widget))
        return paintedAt(widget, QPoint(widget->width() - 2, widget->height() / 2));
    return paintedAt(widget, QPoint(4, 3));
}

bool similar(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

void hover(QWidget *widget)
{
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, widget->mapTo(widget->window(), inside), widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &enter);
}

bool typeUntilFound(Form &window, const QString &word, int timeout)
{
    auto *input = ctl<QLineEdit>(window, "Text3");
    QDeadlineTimer deadline(timeout);
    do {
        input->clear();
        input->setText(word);
        if (Twips::backColor(input) == Twips::color(VbColor::kYellow))
            return true;
        QTest::qWait(20);
    } while (!deadline.hasExpired());
    return false;
}

bool press(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return false;
    QTest::keyClick(target, key);
    return true;
}

QStringList faultyDictionaryMessages()
{
    return {QStringLiteral("Achtung: Im Woerterbuch sind Fehler"),
            QStringList{
                QStringLiteral("Das Wörterbuch sollte mit 3 Trennlinien eingeteilt werden"),
                QStringLiteral("z.B.:"),
                QStringLiteral("ab und zu;every now and then;"),
                QStringLiteral("1\\\\\\\\\\\\\\\\ Trennlinie"),
                QStringLiteral("auto;car;"),
                QStringLiteral("2\\\\\\\\\\\\\\\\ Trennlinie"),
                QStringLiteral("süssigkeit;sweetness;"),
                QStringLiteral("süssigkeiten;sweets;"),
                QStringLiteral("süsskartoffel;sweetpotato;"),
                QStringLiteral("3\\\\\\\\\\\\\\\\ Trennlinie"),
                QStringLiteral("versuch;trial;"),
                QStringLiteral("xyz;yxz;TEST;"),
                QStringLiteral(" "),
                QStringLiteral("Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"),
                QStringLiteral("ansonsten ist der Listenspeicher überladen."),
                QStringLiteral("Es müssen immer Drei Trennlinien im Wörterbuch vorhanden sein!"),
                QStringLiteral("Eine Trennlinien besteht aus folgenden Zeichen:  \\\\\\\\\\\\\\\\"),
            }
                .join(QStringLiteral("\r\n"))};
}
