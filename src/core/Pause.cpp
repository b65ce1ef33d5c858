#include "core/Pause.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace {
int g_depth = 0;
}

NestedLoopGuard::NestedLoopGuard()
{
    ++g_depth;
}
NestedLoopGuard::~NestedLoopGuard()
{
    --g_depth;
}
int NestedLoopGuard::depth()
{
    return g_depth;
}

void pause(double seconds)
{
    const int ms = seconds > 0 ? int(std::ceil(seconds * 1000.0)) : 0;
    NestedLoopGuard guard;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}
