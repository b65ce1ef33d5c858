#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

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
