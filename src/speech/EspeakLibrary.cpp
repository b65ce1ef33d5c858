#include "speech/EspeakLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <espeak-ng/speak_lib.h>

namespace {
// Library-wide bookkeeping: users and data path guarded by EspeakLibrary::usageLock(), the
// session and the voice by EspeakLibrary::lock().
struct Usage
{
    int users = 0;
    bool initialised = false;
    bool terminatedOnce = false;
    EspeakLibrary::Session session;
    QString dataPath;
    // The voice espeak-ng has loaded; empty when unknown.
    QString voice;
};

Usage &usage()
{
    static Usage state;
    return state;
}

constexpr int kBufferMilliseconds = 60;
}

QMutex &EspeakLibrary::lock()
{
    static QMutex mutex;
    return mutex;
}

QMutex &EspeakLibrary::usageLock()
{
    static QMutex mutex;
    return mutex;
}

EspeakLibrary::Session EspeakLibrary::acquire()
{
    QMutexLocker users(&usageLock());
    Usage &state = usage();
    ++state.users;
    if (!state.initialised) {
        // The first user: nobody synthesises.
        QMutexLocker speech(&lock());
        state.session = initialise();
        state.initialised = true;
    }
    return state.session;
}

void EspeakLibrary::release()
{
    QMutexLocker users(&usageLock());
    Usage &state = usage();
    if (state.users == 0 || --state.users > 0)
        return;
    if (state.terminatedOnce)
        return;
    // The last user: nobody synthesises.
    QMutexLocker speech(&lock());
    espeak_Terminate();
    state.terminatedOnce = true;
    state.initialised = false;
    state.voice.clear();
}

void EspeakLibrary::setDataPath(const QString &folder)
{
    QMutexLocker locker(&usageLock());
    usage().dataPath = folder;
}

bool EspeakLibrary::setVoice(const QString &espeakName)
{
    Usage &state = usage();
    if (!espeakName.isEmpty() && espeakName == state.voice)
        return true;
    if (espeak_SetVoiceByName(espeakName.toUtf8().constData()) != EE_OK)
        return false;
    state.voice = espeakName;
    return true;
}

EspeakLibrary::Session EspeakLibrary::initialise()
{
    Session session;
    const QByteArray given = QFile::encodeName(usage().dataPath);
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMilliseconds,
                                       given.isEmpty() ? nullptr : given.constData(), espeakINITIALIZE_DONT_EXIT);
    usage().voice.clear();
    // With a missing data folder espeak-ng may still answer with a sample rate; its phoneme
    // table tells whether it can speak.
    const char *dataPath = nullptr;
    espeak_Info(&dataPath);
    const QString folder = dataPath ? QFile::decodeName(dataPath) : QString();
    if (folder.isEmpty() || !QFileInfo::exists(QDir(folder).filePath(QStringLiteral("phontab")))) {
        session.error = folder.isEmpty()
                            ? QStringLiteral("Die Sprachausgabe hat keine Sprachdaten gefunden (espeak-ng-data). "
                                             "Texte können nicht vorgelesen werden.")
                            : QStringLiteral("Die Sprachausgabe hat keine Sprachdaten gefunden (espeak-ng-data in %1). "
                                             "Texte können nicht vorgelesen werden.")
                                  .arg(QDir::toNativeSeparators(folder));
        return session;
    }
    if (rate <= 0) {
        session.error = QStringLiteral("Die Sprachausgabe espeak-ng lässt sich nicht starten. "
                                       "Texte können nicht vorgelesen werden.");
        return session;
    }
    session.sampleRate = rate;
    return session;
}
