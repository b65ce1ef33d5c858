#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <Qt>

#include <memory>

class QListWidget;
class QWidget;
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

// Every window unloaded and deleted; the end of the program is recorded, not carried out.
class WindowSandbox
{
public:
    WindowSandbox();
    ~WindowSandbox();
    bool programEnded() const;
};

// The data/ folder of the source tree.
QString sourceDataDirectory();
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

    // The main window shown and active, its start's focus return stopped, the focus in the
    // input field: ready for keys.
    vodozaduda1 &open();
    // The window open() returned; null before.
    vodozaduda1 *window() const { return m_window; }

private:
    std::unique_ptr<TestProgramDirectory> m_dir;
    std::unique_ptr<WindowSandbox> m_sandbox;
    std::unique_ptr<MessageRecorder> m_messages;
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

// The part lists (1 to 4) the main window shows.
QList<int> shownLists(vodozaduda1 &w);
// The texts of a list's items, top to bottom.
QStringList itemsOf(const QListWidget *list);
// The mouse entering a widget, as moving over it gives.
void hover(QWidget *widget);
// A key pressed where the focus is; fails the test if no widget has it.
void press(Qt::Key key);
