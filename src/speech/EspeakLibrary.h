#pragma once

#include <QMutex>
#include <QString>

// espeak-ng's state is process-wide, and version 1.51 hangs in espeak_Terminate() once
// espeak_Initialize() has run a second time in a process. So every engine shares one
// initialisation: the first user initialises, calls go through one lock, and the last user
// terminates, but only the first time round; a later initialisation stays until the
// process ends. Users come and go under a lock of their own: a paused text holds the
// synthesis lock while it waits for room, and must not keep another engine from opening or
// closing.
class EspeakLibrary
{
public:
    struct Session
    {
        int sampleRate = 0;
        // Empty when espeak-ng is ready; otherwise, for the listener, what is missing.
        QString error;
    };

    // Call on the thread that will synthesise; pair every acquire() with a release().
    static Session acquire();
    static void release();
    // Held around every call into espeak-ng.
    static QMutex &lock();

    // The folder that holds espeak-ng's data, for the next initialisation; empty means
    // espeak-ng's own search. A folder without the data makes espeak-ng unable to speak.
    static void setDataPath(const QString &folder);

    // espeak_SetVoiceByName, skipped when that voice is set already (loading one takes a
    // few milliseconds). Call with lock() held.
    [[nodiscard]] static bool setVoice(const QString &espeakName);

private:
    // Guards the count of users and the data path.
    static QMutex &usageLock();
    static Session initialise();
};
