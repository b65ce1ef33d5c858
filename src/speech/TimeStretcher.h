#pragma once

#include <QtGlobal>

#include <vector>

// Slows speech down without lowering its pitch (waveform-similarity overlap-add), for speeds
// below the slowest rate espeak-ng offers. Works on a stream; flush() ends it.
class TimeStretcher
{
public:
    explicit TimeStretcher(int sampleRate);

    // 1 passes samples through unchanged; 2 makes speech last twice as long.
    void setFactor(double factor);
    double factor() const;

    void process(const qint16 *samples, qsizetype count, std::vector<qint16> &out);
    // Emits the rest of the input and starts afresh.
    void flush(std::vector<qint16> &out);

private:
    // Emits frames while the input reaches far enough; with atEnd, up to the input's end.
    void run(std::vector<qint16> &out, bool atEnd);
    qsizetype bestFrameStart(qsizetype ideal, qsizetype natural) const;
    float input(qsizetype absolute) const;
    void reset();

    int m_frame;
    int m_hop;
    int m_tolerance;
    double m_factor = 1.0;
    std::vector<float> m_window;
    // Input not yet used up; m_inputStart is the absolute index of its first sample.
    std::vector<float> m_input;
    qsizetype m_inputStart = 0;
    qsizetype m_inputEnd = 0;
    double m_idealStart = 0.0;
    qsizetype m_previousStart = -1;
    std::vector<float> m_overlap;
};
