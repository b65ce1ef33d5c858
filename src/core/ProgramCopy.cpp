#include "core/ProgramCopy.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

namespace {
struct Taken
{
    qint64 size = -1;
    qint64 time = -1;
    QByteArray hash;
};
using Manifest = QHash<QString, Taken>;

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

Manifest readManifest(const QString &path)
{
    Manifest manifest;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return manifest;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() != 4)
            continue;
        manifest.insert(QString::fromUtf8(fields[0]), Taken{fields[1].toLongLong(), fields[2].toLongLong(), fields[3]});
    }
    return manifest;
}

bool writeManifest(const QString &path, const Manifest &manifest)
{
    QByteArray bytes;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it)
        bytes += it.key().toUtf8() + '\t' + QByteArray::number(it->size) + '\t' + QByteArray::number(it->time) + '\t'
                 + it->hash + '\n';
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Installed files are read-only; the copy is the user's to write.
bool copyFile(const QString &from, const QString &to)
{
    if (!QDir().mkpath(QFileInfo(to).path()))
        return false;
    // Whole or not at all: a copy that fails half way (a full disk) leaves the file that was there.
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(qint64(1) << 16);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit())
        return false;
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    return true;
}

Taken installedState(const QFileInfo &file)
{
    return {file.size(), file.lastModified().toMSecsSinceEpoch(), {}};
}

// Every file of the install the copy takes, with its path inside the install; stops at the
// first visit that returns false.
template <class Visit>
bool eachInstalledFile(const QString &installed, const QStringList &leftOut, Visit visit)
{
    const QDir source(installed);
    QDirIterator it(installed, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (!leftOut.contains(relative) && !visit(file, relative, it.fileInfo()))
            return false;
    }
    return true;
}
}

ProgramCopy::ProgramCopy(const QString &installed, const QString &copy, const QStringList &leftOut)
    : m_installed(installed), m_copy(copy), m_leftOut(leftOut)
{}

bool ProgramCopy::exists() const
{
    return QFileInfo::exists(QDir(m_copy).filePath(kCopyMark));
}

bool ProgramCopy::make()
{
    Manifest manifest;
    const auto copyOne = [&](const QString &file, const QString &relative, const QFileInfo &info) {
        const QString target = QDir(m_copy).filePath(relative);
        if (!copyFile(file, target))
            return false;
        Taken taken = installedState(info);
        taken.hash = hashOf(target);
        manifest.insert(relative, taken);
        return true;
    };
    const bool copied = eachInstalledFile(m_installed, m_leftOut, copyOne);
    if (!copied || !writeManifest(QDir(m_copy).filePath(kManifest), manifest))
        return false;
    QSaveFile mark(QDir(m_copy).filePath(kCopyMark));
    return mark.open(QIODevice::WriteOnly) && mark.write(QFile::encodeName(m_installed)) >= 0 && mark.commit();
}

int ProgramCopy::update()
{
    const QString manifestPath = QDir(m_copy).filePath(kManifest);
    Manifest manifest = readManifest(manifestPath);
    int taken = 0;
    bool changed = false;
    const auto takeOne = [&](const QString &file, const QString &relative, const QFileInfo &info) {
        const Taken now = installedState(info);
        const auto known = manifest.constFind(relative);
        if (known != manifest.cend() && known->size == now.size && known->time == now.time)
            return true;
        changed = true;
        const QString target = QDir(m_copy).filePath(relative);
        const bool inCopy = QFileInfo::exists(target);
        const QByteArray copyHash = inCopy ? hashOf(target) : QByteArray();
        // Untouched by the user: what was copied last time, or a file the install did not have.
        const bool untouched = known != manifest.cend() ? inCopy && copyHash == known->hash : !inCopy;
        // A copy of the user's that already equals the new file is theirs and the install's alike.
        const QByteArray newHash = hashOf(file);
        if (untouched && copyHash != newHash) {
            if (!copyFile(file, target))
                return true;
            ++taken;
        }
        // Remembered as seen either way, so that an unchanged install is not looked at again;
        // a file the user changed keeps the hash of what was copied, so it stays theirs.
        Taken seen = now;
        seen.hash =
            untouched || copyHash == newHash ? newHash : (known != manifest.cend() ? known->hash : QByteArray("-"));
        manifest.insert(relative, seen);
        return true;
    };
    (void)eachInstalledFile(m_installed, m_leftOut, takeOne);
    if (changed)
        (void)writeManifest(manifestPath, manifest); // the next start looks again
    return taken;
}
