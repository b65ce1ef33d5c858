#pragma once

// Waits at least the given time while the window system processes every pending event
// (queued keystrokes, clicks, timers, redraws). Measured on a monotonic clock; no busy wait.
void pause(double seconds);

// Marks a nested event loop (a pause, a modal box). Windows unloaded meanwhile are deleted
// only after every nested loop has ended, so a handler waiting in one never touches freed memory.
class NestedLoopGuard
{
public:
    NestedLoopGuard();
    ~NestedLoopGuard();
    NestedLoopGuard(const NestedLoopGuard &) = delete;
    NestedLoopGuard &operator=(const NestedLoopGuard &) = delete;

    static int depth();
};
