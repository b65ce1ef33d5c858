#pragma once

#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Keeps the letter on disk from a thread of its own, so that a slow or full disk never holds up
// the window. Requests are carried out in the order they were made; a request that a newer one
// overtook before its turn is left out, since only the newest letter matters.
class LetterKeeper : public QObject
{
    Q_OBJECT
public:
    explicit LetterKeeper(QObject *parent = nullptr);
    // Carries out what is still asked for, then ends the thread.
    ~LetterKeeper() override;

    void keep(const QString &letter);
    void drop();
    // Returns once every request made so far is carried out.
    void finish();

signals:
    // After each write, in the thread that owns the keeper.
    void kept(bool ok);

private:
    // A letter to write, or nothing for the kept copy to go.
    using Request = std::optional<QString>;

    void ask(Request request);
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::optional<Request> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
