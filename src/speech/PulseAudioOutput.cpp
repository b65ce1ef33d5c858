#include "speech/PulseAudioOutput.h"

#include "speech/NullAudioOutput.h"
#include "speech/PacedAudioOutput.h"
#include "speech/PcmBuffer.h"
#include "speech/PlaybackCursor.h"

#include <pulse/context.h>
#include <pulse/rtclock.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>

namespace {
// Playback starts once this much is there: less than one of the steps in which the server asks
// for samples (a quarter of the buffer).
constexpr int kPrebufferMilliseconds = 5;
// While synthesis has nothing yet, look this often, so that the first sound is not late.
constexpr pa_usec_t kStarvedPollMicroseconds = 1000;
// Waited beyond the stream's latency before the end counts as heard and the stream is corked.
constexpr pa_usec_t kPlayedOutMarginMicroseconds = 10'000;
// How long an utterance waits for the server before it plays silently.
constexpr int kWaitMilliseconds = 2000;
// How often a silent playback looks for the server again.
constexpr int kRetryMilliseconds = 1000;
const QString kNoServer = QStringLiteral("Kein Audiogerät vorhanden");
const QString kServerGone = QStringLiteral("Das Audiogerät ist nicht mehr verfügbar");
const QString kNoAnswer = QStringLiteral("Das Audiogerät antwortet nicht");

uint32_t bytesFor(int sampleRate, int milliseconds)
{
    return uint32_t(sampleRate) * uint32_t(milliseconds) / 1000 * uint32_t(sizeof(qint16));
}

class Locked
{
public:
    explicit Locked(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~Locked() { pa_threaded_mainloop_unlock(m_loop); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;

private:
    pa_threaded_mainloop *m_loop;
};

void release(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}
}

// Every member is touched with the loop's lock held: by the window thread through Locked, by
// libpulse's thread in the callbacks, which run with it held.
struct PulseAudioOutput::Connection
{
    explicit Connection(PulseAudioOutput *output);
    ~Connection();

    // A new context; false when it failed at once.
    bool connect();
    // Gives up stream and context.
    void drop();
    void openStream();
    void dropStream();
    bool isStreaming() const { return stream && pa_stream_get_state(stream) == PA_STREAM_READY; }

    // Starts feeding an utterance; opens what is missing first.
    void play(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from, quint64 utterance);
    // Ends the utterance: what would have come next fades out behind what the server holds,
    // or, while corked, what it holds is dropped.
    void stop();
    void setPaused(bool paused);
    void feed();
    // Everything is written: plays what the server holds, however little, and waits until it
    // has been heard.
    void playOut();
    void cancelPlayOut();
    void cork(bool corked);
    void cancelTiming();
    // Runs callback at when (on the monotonic clock); event is made the first time.
    void at(pa_usec_t when, pa_time_event *&event, pa_time_event_cb_t callback);
    void disarm(pa_time_event *event);
    // Samples of the buffer heard so far, about.
    qsizetype position() const;

    static void onContextState(pa_context *context, void *self);
    static void onStreamState(pa_stream *stream, void *self);
    static void onWritable(pa_stream *stream, size_t bytes, void *self);
    static void onTiming(pa_stream *stream, int success, void *self);
    static void onPoll(pa_mainloop_api *api, pa_time_event *event, const struct timeval *time, void *self);
    static void onPlayedOut(pa_mainloop_api *api, pa_time_event *event, const struct timeval *time, void *self);

    PulseAudioOutput *const q;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    pa_time_event *poll = nullptr;
    pa_time_event *playedOut = nullptr;
    pa_operation *timing = nullptr;
    // Counts contexts, so that what an old one reported is ignored.
    quint64 serial = 0;
    bool failed = false;
    bool wasReady = false;
    int streamRate = 0;

    PlaybackCursor cursor;
    int sampleRate = 0;
    qsizetype from = 0;
    quint64 utterance = 0;
    // Samples of the utterance still go to the server.
    bool playing = false;
    // All is written; the server still plays it.
    bool playingOut = false;
    // The utterance ends when played out (not stopped).
    bool endsUtterance = false;
    bool paused = false;
    bool corked = false;
};

PulseAudioOutput::Connection::Connection(PulseAudioOutput *output) : q(output), loop(pa_threaded_mainloop_new())
{
    pa_threaded_mainloop_set_name(loop, "tolkarin-audio");
    pa_threaded_mainloop_start(loop);
    const Locked locked(loop);
    // At once, so that the first utterance finds the server ready.
    connect();
}

PulseAudioOutput::Connection::~Connection()
{
    {
        const Locked locked(loop);
        drop();
    }
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
}

bool PulseAudioOutput::Connection::connect()
{
    drop();
    ++serial;
    failed = false;
    wasReady = false;
    context = pa_context_new(pa_threaded_mainloop_get_api(loop), "HX-Tolkarin");
    if (!context) {
        failed = true;
        return false;
    }
    pa_context_set_state_callback(context, &Connection::onContextState, this);
    // No server of our own making: a desktop without one stays silent.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        drop();
        failed = true;
        return false;
    }
    return true;
}

void PulseAudioOutput::Connection::drop()
{
    dropStream();
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop);
    for (pa_time_event **event : {&poll, &playedOut}) {
        if (*event)
            api->time_free(std::exchange(*event, nullptr));
    }
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
}

void PulseAudioOutput::Connection::openStream()
{
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, uint32_t(sampleRate), 1};
    stream = pa_stream_new(context, "Sprachausgabe", &sampleFormat, nullptr);
    if (!stream) {
        failed = true;
        const quint64 lost = serial;
        QMetaObject::invokeMethod(
            q, [q = q, lost] { q->onLost(lost, kServerGone); }, Qt::QueuedConnection);
        return;
    }
    streamRate = sampleRate;
    pa_stream_set_state_callback(stream, &Connection::onStreamState, this);
    pa_stream_set_write_callback(stream, &Connection::onWritable, this);
    pa_buffer_attr attributes{};
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = bytesFor(sampleRate, kBufferMilliseconds);
    attributes.minreq = uint32_t(-1);
    attributes.prebuf = bytesFor(sampleRate, kPrebufferMilliseconds);
    attributes.fragsize = uint32_t(-1);
    // No device named: the server plays on its default and moves the stream when that changes.
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | (paused ? PA_STREAM_START_CORKED : 0));
    corked = paused;
    if (pa_stream_connect_playback(stream, nullptr, &attributes, flags, nullptr, nullptr) < 0) {
        dropStream();
        failed = true;
        const quint64 lost = serial;
        QMetaObject::invokeMethod(
            q, [q = q, lost] { q->onLost(lost, kServerGone); }, Qt::QueuedConnection);
    }
}

void PulseAudioOutput::Connection::dropStream()
{
    cancelPlayOut();
    disarm(poll);
    if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
    corked = false;
    streamRate = 0;
}

void PulseAudioOutput::Connection::play(std::shared_ptr<PcmBuffer> buffer, int rate, qsizetype start, quint64 number)
{
    cancelPlayOut();
    cursor.reset(std::move(buffer), start);
    sampleRate = rate;
    from = start;
    utterance = number;
    playing = true;
    if (!context || failed) {
        if (!connect())
            return;
    }
    if (stream && streamRate != rate)
        dropStream();
    if (!stream) {
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            openStream();
        return;
    }
    cork(paused);
    feed();
}

void PulseAudioOutput::Connection::stop()
{
    disarm(poll);
    const bool wasPlaying = std::exchange(playing, false);
    if (isStreaming()) {
        if (corked) {
            // Nothing is heard while corked: what the server holds goes.
            cancelPlayOut();
            release(pa_stream_flush(stream, nullptr, nullptr));
        } else if (wasPlaying) {
            const std::vector<char> fade =
                cursor.fadeOut(qsizetype(sampleRate) * PacedAudioOutput::kFadeMilliseconds / 1000);
            pa_stream_write(stream, fade.data(), fade.size(), nullptr, 0, PA_SEEK_RELATIVE);
            endsUtterance = false;
            playOut();
        } else {
            // Its last few milliseconds still play; the utterance is over for the caller.
            endsUtterance = false;
        }
    }
    cursor.clear();
}

void PulseAudioOutput::Connection::setPaused(bool pause)
{
    paused = pause;
    if (!isStreaming())
        return;
    cork(pause);
    if (pause) {
        // Held: nothing more is fed, and the end comes later.
        disarm(poll);
        disarm(playedOut);
        cancelTiming();
    } else if (playingOut) {
        playOut();
    } else {
        feed();
    }
}

void PulseAudioOutput::Connection::feed()
{
    // Paused, the stream is corked: what is fed would only come to its end unheard.
    if (!playing || paused || !isStreaming())
        return;
    const size_t writable = pa_stream_writable_size(stream);
    if (writable == size_t(-1))
        return;
    const qsizetype taken = cursor.writeTo(qsizetype(writable), [this](const char *data, qsizetype bytes) {
        return pa_stream_write(stream, data, size_t(bytes), nullptr, 0, PA_SEEK_RELATIVE) == 0 ? bytes : 0;
    });
    if (cursor.isAtEnd()) {
        playing = false;
        endsUtterance = true;
        playOut();
        return;
    }
    // The server asks again only when it has room; while synthesis is behind, look again soon.
    if (taken + qsizetype(sizeof(qint16)) <= qsizetype(writable))
        at(pa_rtclock_now() + kStarvedPollMicroseconds, poll, &Connection::onPoll);
}

void PulseAudioOutput::Connection::playOut()
{
    playingOut = true;
    disarm(poll);
    disarm(playedOut);
    // A last piece shorter than the prebuffer plays too.
    release(pa_stream_trigger(stream, nullptr, nullptr));
    cancelTiming();
    // Not pa_stream_drain(): its answer may come seconds late. The stream's latency says when
    // what it holds has been heard.
    timing = pa_stream_update_timing_info(stream, &Connection::onTiming, this);
    if (!timing)
        at(pa_rtclock_now() + pa_usec_t(kBufferMilliseconds) * 1000 + kPlayedOutMarginMicroseconds, playedOut,
           &Connection::onPlayedOut);
}

void PulseAudioOutput::Connection::cancelPlayOut()
{
    playingOut = false;
    disarm(playedOut);
    cancelTiming();
}

void PulseAudioOutput::Connection::cancelTiming()
{
    if (timing) {
        pa_operation_cancel(timing);
        release(std::exchange(timing, nullptr));
    }
}

void PulseAudioOutput::Connection::cork(bool cork)
{
    // Before the stream is ready the server takes no cork; it is set once the stream is.
    if (!isStreaming() || corked == cork)
        return;
    corked = cork;
    release(pa_stream_cork(stream, cork ? 1 : 0, nullptr, nullptr));
}

void PulseAudioOutput::Connection::at(pa_usec_t when, pa_time_event *&event, pa_time_event_cb_t callback)
{
    if (!context)
        return;
    if (event)
        pa_context_rttime_restart(context, event, when);
    else
        event = pa_context_rttime_new(context, when, callback, this);
}

void PulseAudioOutput::Connection::disarm(pa_time_event *event)
{
    if (event && context)
        pa_context_rttime_restart(context, event, PA_USEC_INVALID);
}

qsizetype PulseAudioOutput::Connection::position() const
{
    // What the server holds has not been heard yet.
    const qsizetype held =
        isStreaming() && (playing || playingOut) ? qsizetype(sampleRate) * kBufferMilliseconds / 1000 : 0;
    return std::max(from, cursor.position() - held);
}

void PulseAudioOutput::Connection::onContextState(pa_context *context, void *self)
{
    auto *d = static_cast<Connection *>(self);
    const quint64 serial = d->serial;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        d->wasReady = true;
        if (d->playing && !d->stream)
            d->openStream();
        QMetaObject::invokeMethod(
            d->q, [q = d->q, serial] { q->onReady(serial); }, Qt::QueuedConnection);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        d->failed = true;
        const QString reason = d->wasReady ? kServerGone : kNoServer;
        QMetaObject::invokeMethod(
            d->q, [q = d->q, serial, reason] { q->onLost(serial, reason); }, Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void PulseAudioOutput::Connection::onStreamState(pa_stream *stream, void *self)
{
    auto *d = static_cast<Connection *>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        // A pause or resume while the stream was being made holds now.
        d->cork(d->paused || !d->playing);
        d->feed();
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED: {
        // Its device went and no other took it, or the server ended it: start afresh.
        d->failed = true;
        const quint64 serial = d->serial;
        QMetaObject::invokeMethod(
            d->q, [q = d->q, serial] { q->onLost(serial, kServerGone); }, Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void PulseAudioOutput::Connection::onWritable(pa_stream *, size_t, void *self)
{
    static_cast<Connection *>(self)->feed();
}

void PulseAudioOutput::Connection::onPoll(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self)
{
    static_cast<Connection *>(self)->feed();
}

void PulseAudioOutput::Connection::onTiming(pa_stream *stream, int, void *self)
{
    auto *d = static_cast<Connection *>(self);
    release(std::exchange(d->timing, nullptr));
    if (!d->playingOut)
        return;
    // Time until the last sample written is heard; without an answer, the whole buffer.
    pa_usec_t latency = pa_usec_t(kBufferMilliseconds) * 1000;
    int negative = 0;
    if (pa_stream_get_latency(stream, &latency, &negative) < 0)
        latency = pa_usec_t(kBufferMilliseconds) * 1000;
    else if (negative)
        latency = 0;
    d->at(pa_rtclock_now() + latency + kPlayedOutMarginMicroseconds, d->playedOut, &Connection::onPlayedOut);
}

void PulseAudioOutput::Connection::onPlayedOut(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self)
{
    auto *d = static_cast<Connection *>(self);
    d->disarm(d->playedOut);
    if (!d->playingOut || d->playing)
        return;
    d->playingOut = false;
    d->cork(true);
    if (d->endsUtterance) {
        const quint64 played = d->utterance;
        QMetaObject::invokeMethod(
            d->q, [q = d->q, played] { q->onPlayed(played); }, Qt::QueuedConnection);
    }
}

PulseAudioOutput::PulseAudioOutput(QObject *parent) : AudioOutput(parent), d(std::make_unique<Connection>(this))
{
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &PulseAudioOutput::retry);
    m_waiting.setSingleShot(true);
    m_waiting.setInterval(kWaitMilliseconds);
    connect(&m_waiting, &QTimer::timeout, this, &PulseAudioOutput::giveUpWaiting);
}

// libpulse's thread ends in d's destructor, before anything it could post to is gone.
PulseAudioOutput::~PulseAudioOutput()
{
    m_silence.reset();
    d.reset();
}

bool PulseAudioOutput::start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from)
{
    stop();
    if (!buffer || sampleRate <= 0)
        return false;
    m_buffer = buffer;
    m_sampleRate = sampleRate;
    ++m_utterance;
    m_active = true;
    m_suspended = false;
    bool connected = false;
    bool streaming = false;
    {
        const Locked locked(d->loop);
        d->paused = false;
        d->play(std::move(buffer), sampleRate, from, m_utterance);
        connected = d->context != nullptr;
        streaming = d->isStreaming();
    }
    if (!connected)
        playSilently(from, kNoServer);
    else if (!streaming)
        m_waiting.start();
    return true;
}

void PulseAudioOutput::stop()
{
    m_waiting.stop();
    m_retry.stop();
    if (m_silence) {
        m_silence->disconnect(this);
        m_silence->stop();
        m_silence.reset();
    }
    if (m_active) {
        const Locked locked(d->loop);
        d->stop();
    }
    m_active = false;
    m_suspended = false;
}

void PulseAudioOutput::suspend()
{
    if (!m_active || m_suspended)
        return;
    m_suspended = true;
    if (m_silence)
        m_silence->suspend();
    const Locked locked(d->loop);
    d->setPaused(true);
}

void PulseAudioOutput::resume()
{
    if (!m_active || !m_suspended)
        return;
    m_suspended = false;
    if (m_silence)
        m_silence->resume();
    const Locked locked(d->loop);
    d->setPaused(false);
}

bool PulseAudioOutput::isActive() const
{
    return m_active;
}

bool PulseAudioOutput::isSuspended() const
{
    return m_suspended;
}

qsizetype PulseAudioOutput::position() const
{
    if (m_silence)
        return m_silence->position();
    const Locked locked(d->loop);
    return d->position();
}

bool PulseAudioOutput::isAudible() const
{
    return m_active ? !m_silence : !m_lost;
}

QString PulseAudioOutput::errorString() const
{
    return m_error;
}

void PulseAudioOutput::onLost(quint64 serial, const QString &reason)
{
    qsizetype from = 0;
    {
        const Locked locked(d->loop);
        if (serial != d->serial)
            return;
        from = d->position();
        d->drop();
        d->playing = false;
    }
    m_lost = true;
    m_error = reason;
    m_waiting.stop();
    if (m_active && !m_silence)
        playSilently(from, reason);
}

void PulseAudioOutput::onReady(quint64 serial)
{
    if (serial != d->serial)
        return;
    m_lost = false;
    m_error.clear();
    if (!m_active || !m_silence)
        return;
    // The server is back while a text plays silently: it goes on from there with sound.
    const qsizetype from = m_silence->position();
    m_silence->disconnect(this);
    m_silence.reset();
    m_retry.stop();
    const Locked locked(d->loop);
    d->paused = m_suspended;
    d->play(m_buffer, m_sampleRate, from, m_utterance);
}

void PulseAudioOutput::onPlayed(quint64 utterance)
{
    if (utterance == m_utterance && m_active && !m_silence)
        end();
}

void PulseAudioOutput::playSilently(qsizetype from, const QString &reason)
{
    m_error = reason;
    m_waiting.stop();
    {
        const Locked locked(d->loop);
        d->playing = false;
        d->cursor.clear();
    }
    m_silence = std::make_unique<NullAudioOutput>(reason);
    connect(m_silence.get(), &AudioOutput::finished, this, [this, utterance = m_utterance] {
        // Not inside the silent output's own signal, and not when another utterance has begun.
        QMetaObject::invokeMethod(
            this,
            [this, utterance] {
                if (utterance == m_utterance)
                    end();
            },
            Qt::QueuedConnection);
    });
    m_silence->start(m_buffer, m_sampleRate, from);
    if (m_suspended)
        m_silence->suspend();
    m_retry.start();
    emit silenced(reason);
}

void PulseAudioOutput::retry()
{
    const Locked locked(d->loop);
    if (!d->context || d->failed)
        d->connect();
}

void PulseAudioOutput::giveUpWaiting()
{
    qsizetype from = 0;
    {
        const Locked locked(d->loop);
        if (!m_active || m_silence || d->isStreaming())
            return;
        from = d->position();
        d->drop();
    }
    m_lost = true;
    playSilently(from, kNoAnswer);
}

void PulseAudioOutput::end()
{
    if (!m_active)
        return;
    m_waiting.stop();
    m_retry.stop();
    m_silence.reset();
    m_active = false;
    m_suspended = false;
    emit finished();
}
