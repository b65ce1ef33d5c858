#include "speech/EspeakLibrary.h"

#include <QDir>
#include <QFileInfo>

#include <espeak-ng/speak_lib.h>

namespace {
// Library-wide bookkeeping, guarded by EspeakLibrary::lock().
struct Usage
{
    int users = 0;
    bool initialised = false;
    bool terminatedOnce = false;
    EspeakLibrary::Session session;
};

Usage &usage()
{
    static Usage state;
    return state;
}

constexpr int bufferMilliseconds = 60;
}

QMutex &EspeakLibrary::lock()
{
    static QMutex mutex;
    return mutex;
}

EspeakLibrary::Session EspeakLibrary::acquire()
{
    QMutexLocker locker(&lock());
    Usage &state = usage();
    ++state.users;
    if (!state.initialised) {
        state.session = initialise();
        state.initialised = true;
    }
    return state.session;
}

void EspeakLibrary::release()
{
    QMutexLocker locker(&lock());
    Usage &state = usage();
    if (state.users == 0 || --state.users > 0)
        return;
    if (state.terminatedOnce)
        return;
    espeak_Terminate();
    state.terminatedOnce = true;
    state.initialised = false;
}

EspeakLibrary::Session EspeakLibrary::initialise()
{
    Session session;
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, bufferMilliseconds, nullptr,
                                       espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        session.error = QStringLiteral("espeak-ng lässt sich nicht starten");
        return session;
    }
    // With a missing data folder espeak-ng still answers with a sample rate; its phoneme
    // table tells whether it can speak.
    const char *dataPath = nullptr;
    espeak_Info(&dataPath);
    const QString folder = dataPath ? QString::fromLocal8Bit(dataPath) : QString();
    if (folder.isEmpty() || !QFileInfo::exists(QDir(folder).filePath(QStringLiteral("phontab")))) {
        session.error = QStringLiteral("espeak-ng-Daten fehlen (%1)").arg(folder);
        return session;
    }
    session.sampleRate = rate;
    return session;
}
