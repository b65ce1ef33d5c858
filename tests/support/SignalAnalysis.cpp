#include "SignalAnalysis.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMinPitchHz = 60.0;
constexpr double kMaxPitchHz = 500.0;
constexpr double kPitchFrameSeconds = 0.04;
}

double SignalAnalysis::rms(const std::vector<qint16> &samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (const qint16 s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / double(samples.size()));
}

std::vector<SignalAnalysis::Frame> SignalAnalysis::frames(const std::vector<qint16> &samples, int sampleRate,
                                                          double seconds)
{
    std::vector<Frame> result;
    const auto length = qsizetype(sampleRate * seconds);
    if (length <= 0)
        return result;
    for (qsizetype start = 0; start + length <= qsizetype(samples.size()); start += length / 2) {
        double sum = 0.0;
        for (qsizetype i = start; i < start + length; ++i)
            sum += double(samples[size_t(i)]) * samples[size_t(i)];
        result.push_back({start, std::sqrt(sum / double(length))});
    }
    return result;
}

double SignalAnalysis::speechSpan(const std::vector<qint16> &samples, int sampleRate)
{
    const auto list = frames(samples, sampleRate, 0.01);
    double loudest = 0.0;
    for (const auto &frame : list)
        loudest = std::max(loudest, frame.rms);
    if (loudest < 1.0)
        return 0.0;
    qsizetype first = -1;
    qsizetype last = -1;
    for (const auto &frame : list) {
        if (frame.rms > 0.05 * loudest) {
            if (first < 0)
                first = frame.start;
            last = frame.start;
        }
    }
    return double(last - first) / sampleRate + 0.01;
}

double SignalAnalysis::audibleEnd(const std::vector<qint16> &samples, int sampleRate)
{
    const auto list = frames(samples, sampleRate, 0.01);
    double loudest = 0.0;
    for (const auto &frame : list)
        loudest = std::max(loudest, frame.rms);
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (it->rms > 0.01 * loudest)
            return double(it->start) / sampleRate;
    }
    return 0.0;
}

std::pair<qsizetype, double> SignalAnalysis::framePeriod(const std::vector<qint16> &samples, qsizetype start,
                                                         qsizetype length, int sampleRate)
{
    const auto shortest = qsizetype(sampleRate / kMaxPitchHz);
    const auto longest = qsizetype(sampleRate / kMinPitchHz);
    if (start + length + longest > qsizetype(samples.size()))
        return {-1, 0.0};
    std::vector<double> correlation(size_t(longest + 1), 0.0);
    double energy = 0.0;
    for (qsizetype i = 0; i < length; ++i)
        energy += double(samples[size_t(start + i)]) * samples[size_t(start + i)];
    double best = 0.0;
    for (qsizetype lag = shortest; lag <= longest; ++lag) {
        double product = 0.0;
        double shifted = 0.0;
        for (qsizetype i = 0; i < length; ++i) {
            const double a = samples[size_t(start + i)];
            const double b = samples[size_t(start + i + lag)];
            product += a * b;
            shifted += b * b;
        }
        correlation[size_t(lag)] = energy > 0.0 && shifted > 0.0 ? product / std::sqrt(energy * shifted) : 0.0;
        best = std::max(best, correlation[size_t(lag)]);
    }
    // The first peak close to the best one: multiples of the period score nearly as high.
    for (qsizetype lag = shortest + 1; lag < longest; ++lag) {
        const double r = correlation[size_t(lag)];
        if (r >= 0.9 * best && r >= correlation[size_t(lag - 1)] && r >= correlation[size_t(lag + 1)])
            return {lag, best};
    }
    return {0, best};
}

std::vector<double> SignalAnalysis::framePitches(const std::vector<qint16> &samples, int sampleRate)
{
    const auto list = frames(samples, sampleRate, kPitchFrameSeconds);
    double loudest = 0.0;
    for (const auto &frame : list)
        loudest = std::max(loudest, frame.rms);
    std::vector<double> pitches;
    for (const auto &frame : list) {
        if (frame.rms < 0.1 * loudest)
            continue;
        const auto [lag, strength] =
            framePeriod(samples, frame.start, qsizetype(sampleRate * kPitchFrameSeconds), sampleRate);
        if (lag > 0 && strength > 0.6)
            pitches.push_back(double(sampleRate) / double(lag));
    }
    return pitches;
}

double SignalAnalysis::estimatePitch(const std::vector<qint16> &samples, int sampleRate)
{
    std::vector<double> pitches = framePitches(samples, sampleRate);
    if (pitches.empty())
        return 0.0;
    std::nth_element(pitches.begin(), pitches.begin() + qsizetype(pitches.size() / 2), pitches.end());
    return pitches[pitches.size() / 2];
}

double SignalAnalysis::pitchSpread(const std::vector<qint16> &samples, int sampleRate)
{
    std::vector<double> pitches = framePitches(samples, sampleRate);
    if (pitches.size() < 10)
        return 0.0;
    std::sort(pitches.begin(), pitches.end());
    const double low = pitches[pitches.size() / 10];
    const double high = pitches[pitches.size() * 9 / 10];
    return 12.0 * std::log2(high / low);
}

double SignalAnalysis::periodicity(const std::vector<qint16> &samples, int sampleRate)
{
    const auto list = frames(samples, sampleRate, kPitchFrameSeconds);
    double loudest = 0.0;
    for (const auto &frame : list)
        loudest = std::max(loudest, frame.rms);
    double sum = 0.0;
    int count = 0;
    for (const auto &frame : list) {
        if (frame.rms < 0.2 * loudest)
            continue;
        const auto [lag, strength] =
            framePeriod(samples, frame.start, qsizetype(sampleRate * kPitchFrameSeconds), sampleRate);
        if (lag < 0)
            continue;
        sum += strength;
        ++count;
    }
    return count > 0 ? sum / count : 0.0;
}

double SignalAnalysis::autocorrelation(const std::vector<qint16> &samples, qsizetype lag)
{
    const auto n = qsizetype(samples.size());
    if (lag <= 0 || lag >= n)
        return 0.0;
    double product = 0.0;
    double energy = 0.0;
    for (qsizetype i = 0; i < n; ++i) {
        energy += double(samples[size_t(i)]) * samples[size_t(i)];
        if (i + lag < n)
            product += double(samples[size_t(i)]) * samples[size_t(i + lag)];
    }
    return energy > 0.0 ? product / energy : 0.0;
}

double SignalAnalysis::autocorrelationNear(const std::vector<qint16> &samples, int sampleRate, double seconds,
                                           double toleranceSeconds)
{
    const auto from = qsizetype(sampleRate * (seconds - toleranceSeconds));
    const auto to = qsizetype(sampleRate * (seconds + toleranceSeconds));
    double best = -1.0;
    for (qsizetype lag = std::max<qsizetype>(1, from); lag <= to; ++lag)
        best = std::max(best, autocorrelation(samples, lag));
    return best;
}
