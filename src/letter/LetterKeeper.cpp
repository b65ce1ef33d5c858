#include "letter/LetterKeeper.h"

#include "letter/KeptLetter.h"

LetterKeeper::LetterKeeper(QObject *parent) : QObject(parent), m_thread([this] { run(); }) {}

LetterKeeper::~LetterKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void LetterKeeper::keep(const QString &letter)
{
    ask(letter);
}

void LetterKeeper::drop()
{
    ask(std::nullopt);
}

void LetterKeeper::ask(Request request)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(request);
    }
    m_wake.notify_one();
}

void LetterKeeper::finish()
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return !m_pending && !m_busy; });
}

void LetterKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        const Request request = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        if (request) {
            const bool ok = KeptLetter::keep(*request);
            QMetaObject::invokeMethod(
                this, [this, ok] { emit kept(ok); }, Qt::QueuedConnection);
        } else {
            KeptLetter::drop();
        }
        lock.lock();
        m_busy = false;
        m_done.notify_all();
    }
}
