#pragma once

#include <QtGlobal>

#include <vector>

// Measurements on recorded speech for tests: loudness, where speech is, its pitch and how
// periodic it is. Results are robust against espeak-ng's small run-to-run differences.
class SignalAnalysis
{
public:
    static double rms(const std::vector<qint16> &samples);

    // Seconds from the first to the last 10 ms frame louder than 5 % of the loudest frame;
    // 0 when there is nothing above silence.
    static double speechSpan(const std::vector<qint16> &samples, int sampleRate);
    // Seconds after the start of the last audible frame (-40 dB below the loudest).
    static double audibleEnd(const std::vector<qint16> &samples, int sampleRate);

    // Median fundamental frequency of the voiced frames, by autocorrelation; 0 if none.
    static double estimatePitch(const std::vector<qint16> &samples, int sampleRate);
    // How far the pitch moves: semitones between the 10th and the 90th percentile of the
    // voiced frames' fundamental frequency; 0 if there are too few.
    static double pitchSpread(const std::vector<qint16> &samples, int sampleRate);
    // Mean height of the autocorrelation peak in the pitch range over the loud frames:
    // near 1 for a clean voice, lower for a rough or noisy one.
    static double periodicity(const std::vector<qint16> &samples, int sampleRate);
    // Normalised autocorrelation of the whole signal at the given lag.
    static double autocorrelation(const std::vector<qint16> &samples, qsizetype lag);
    // Largest normalised autocorrelation for lags within seconds ± tolerance.
    static double autocorrelationNear(const std::vector<qint16> &samples, int sampleRate, double seconds,
                                      double toleranceSeconds);

private:
    struct Frame
    {
        qsizetype start = 0;
        double rms = 0.0;
    };
    static std::vector<Frame> frames(const std::vector<qint16> &samples, int sampleRate, double seconds);
    // The period's lag and the highest normalised autocorrelation within one frame, for
    // 60..500 Hz; lag -1 when the frame lies too close to the end.
    static std::vector<double> framePitches(const std::vector<qint16> &samples, int sampleRate);
    static std::pair<qsizetype, double> framePeriod(const std::vector<qint16> &samples, qsizetype start,
                                                    qsizetype length, int sampleRate);
};
