#include "TestSupport.h"

#include "app/FormRegistry.h"
#include "app/MessageBox.h"
#include "app/ProgramDirectory.h"
#include "app/Shell.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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

QString sourceDataDirectory()
{
    const QString fromEnv = qEnvironmentVariable("TOLKARIN_DATA_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(TOLKARIN_SOURCE_DATA_DIR) : fromEnv;
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
}

WindowSandbox::~WindowSandbox()
{
    FormRegistry::instance().reset();
}

bool WindowSandbox::programEnded() const
{
    return FormRegistry::instance().programEnded();
}
