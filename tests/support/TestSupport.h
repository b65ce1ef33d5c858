#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <Qt>

#include "SourceData.h"
#include "TrayRecorder.h"
#include "shell/Controls.h"
#include "speech/SpeechHandOff.h"

#include <memory>

class Form;
class Program;
class ProgramState;
class PartList;
class QListWidget;
class QWidget;
class RecordingOutput;
class vodozaduda1;

// Answers the message box: records each text instead of waiting for a person.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList texts;
};

// Answers the desktop shell: records each address instead of opening it.
class ShellRecorder
{
public:
    explicit ShellRecorder(bool succeed = true);
    ~ShellRecorder();
    QList<QUrl> urls;
};

// Answers every click on a speech page: records it, with the hand-off file as it was at that
// moment, instead of speaking.
class SpeechRecorder
{
public:
    struct Click
    {
        SpeechHandOff::Page page;
        QString element;
        QString language;
        QByteArray handOff;
    };
    explicit SpeechRecorder(bool succeed = true);
    ~SpeechRecorder();

    void setSucceed(bool succeed) { m_succeed = succeed; }
    // The names of the elements clicked, in order.
    QStringList elements() const;
    QList<Click> clicks;

private:
    bool m_succeed = true;
};

// Makes every audio output a recording one, so that no test opens a sound device.
class RecordingAudio
{
public:
    RecordingAudio();
    ~RecordingAudio();
    // The output made last; null before the first.
    RecordingOutput *latest() const { return m_latest; }

private:
    RecordingOutput *m_latest = nullptr;
    std::function<std::unique_ptr<class AudioOutput>()> m_previous;
};

// Points hunspell at a folder of the test's own (an empty one: no stemmer at all) while it lives.
class HunspellFolder
{
public:
    explicit HunspellFolder(const QString &folder);
    ~HunspellFolder();

private:
    QString m_previous;
};

// A program directory of the test's own, filled with a copy of data/.
class TestProgramDirectory
{
public:
    explicit TestProgramDirectory(bool withData = true);
    ~TestProgramDirectory();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;
    bool write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// Every window of the program known by name, none loaded; every window deleted at the end;
// the end of the program is recorded, not carried out; no sound device is opened, and the
// desktop has no tray.
class WindowSandbox
{
public:
    WindowSandbox();
    ~WindowSandbox();
    bool programEnded() const;
    // The program state every window of the sandbox shares.
    ProgramState &state();

private:
    RecordingAudio m_audio;
    TrayRecorder m_tray{false};
    std::unique_ptr<Program> m_program;
};

bool copyDirectory(const QString &from, const QString &to);

// The fixture of a window test: a program directory of its own, windows in a sandbox and
// messages recorded. Made in init() and dropped in cleanup(), so every test starts afresh.
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();

    TestProgramDirectory &dir() { return *m_dir; }
    WindowSandbox &sandbox() { return *m_sandbox; }
    MessageRecorder &messages() { return *m_messages; }
    SpeechRecorder &speech() { return *m_speech; }
    // From now on clicks reach the speech service and are spoken; speech() is gone.
    void speakForReal() { m_speech.reset(); }

    // The main window shown and active, its start's focus return stopped, the focus in the
    // input field: ready for keys.
    vodozaduda1 &open();
    // The window open() returned; null before.
    vodozaduda1 *window() const { return m_window; }

private:
    std::unique_ptr<TestProgramDirectory> m_dir;
    std::unique_ptr<WindowSandbox> m_sandbox;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<SpeechRecorder> m_speech;
    vodozaduda1 *m_window = nullptr;
};

// Shows and activates a window and waits until it is active; only a warning if it never is,
// since not every platform activates windows and not every test needs it.
void showAndActivate(QWidget &window);

// The line that ends part `part` (1 to 3) of a dictionary file, written out here rather than
// taken from the program so that a wrong mark there is caught.
QString dictionaryDivider(int part);
// A dictionary file of up to four parts, "\r\n" line ends: the three dividers are always
// written, missing parts are empty.
QByteArray dictionaryFile(const QList<QStringList> &parts);

// A control of a window by its name; null when there is none.
template <class T = QWidget>
T *ctl(Form &window, const char *name)
{
    return Controls::find<T>(window, QLatin1String(name));
}
// The main window's current entry, as its dictionary line holds it.
QString currentEntry(Form &main);
// The main window's part list of that index (0 to 3).
PartList *partList(Form &window, int index);
QList<PartList *> partLists(Form &window);

// The two messages of a dictionary that cannot be loaded as it is, written out.
QStringList faultyDictionaryMessages();

// The part lists (1 to 4) the main window shows.
QList<int> shownLists(Form &w);
// The texts of a list's items, top to bottom.
QStringList itemsOf(const QListWidget *list);
// The colour a control paints at a point, grabbed as the screen would show it.
QColor paintedAt(QWidget *widget, const QPoint &point);
// The colour of a control's own background, away from its caption.
QColor paintedBackground(QWidget *widget);
// Equal within a tolerance per channel, for painted colours (styles shade buttons a little).
[[nodiscard]] bool similar(const QColor &a, const QColor &b, int tolerance = 24);
// The mouse entering a widget, as moving over it gives.
void hover(QWidget *widget);
// Types a word into the input field (all at once) until it turns yellow, at most timeout
// milliseconds: hunspell, read in the background, may answer only a little after the start.
[[nodiscard]] bool typeUntilFound(Form &window, const QString &word, int timeout = 10000);
// A key pressed where the focus is; false when no widget has the focus.
[[nodiscard]] bool press(Qt::Key key);
