#pragma once

#include <QMutex>
#include <QString>

// espeak-ng's state is process-wide, and version 1.51 hangs in espeak_Terminate() once
// espeak_Initialize() has run a second time in a process. So every engine shares one
// initialisation: the first user initialises, calls go through one lock, and the last user
// terminates, but only the first time round; a later initialisation stays until the
// process ends.
class EspeakLibrary
{
public:
    struct Session
    {
        int sampleRate = 0;
        // Empty when espeak-ng is ready.
        QString error;
    };

    // Call on the thread that will synthesise; pair every acquire() with a release().
    static Session acquire();
    static void release();
    // Held around every call into espeak-ng.
    static QMutex &lock();

private:
    static Session initialise();
};
