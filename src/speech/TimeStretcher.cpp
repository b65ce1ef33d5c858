#include "speech/TimeStretcher.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TimeStretcher::TimeStretcher(int sampleRate)
    : m_frame(std::max(64, sampleRate / 40) & ~1),
      m_hop(m_frame / 2),
      m_tolerance(m_frame / 4),
      m_window(size_t(m_frame)),
      m_overlap(size_t(m_frame), 0.0f)
{
    // Periodic Hann windows at half-frame steps add up to exactly one.
    for (int i = 0; i < m_frame; ++i)
        m_window[size_t(i)] = float(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / m_frame));
}

void TimeStretcher::setFactor(double factor)
{
    m_factor = std::max(1.0, factor);
}

double TimeStretcher::factor() const
{
    return m_factor;
}

void TimeStretcher::process(const qint16 *samples, qsizetype count, std::vector<qint16> &out)
{
    if (m_factor == 1.0 && m_inputEnd == 0) {
        out.insert(out.end(), samples, samples + count);
        return;
    }
    m_input.insert(m_input.end(), samples, samples + count);
    m_inputEnd += count;
    run(out, false);
}

void TimeStretcher::flush(std::vector<qint16> &out)
{
    if (m_inputEnd > 0)
        run(out, true);
    reset();
}

void TimeStretcher::run(std::vector<qint16> &out, bool atEnd)
{
    const double analysisHop = m_hop / m_factor;
    while (true) {
        const auto ideal = qsizetype(std::lround(m_idealStart));
        if (atEnd ? ideal >= m_inputEnd : ideal + m_tolerance + m_frame > m_inputEnd)
            break;
        const qsizetype natural = m_previousStart + m_hop;
        if (!atEnd && m_previousStart >= 0 && natural + m_frame > m_inputEnd)
            break;

        const qsizetype start = m_previousStart < 0 ? ideal : bestFrameStart(ideal, natural);
        for (int i = 0; i < m_frame; ++i)
            m_overlap[size_t(i)] += m_window[size_t(i)] * input(start + i);
        for (int i = 0; i < m_hop; ++i)
            out.push_back(qint16(std::lround(std::clamp(m_overlap[size_t(i)], -32768.0f, 32767.0f))));
        std::copy(m_overlap.begin() + m_hop, m_overlap.end(), m_overlap.begin());
        std::fill(m_overlap.end() - m_hop, m_overlap.end(), 0.0f);

        m_previousStart = start;
        m_idealStart += analysisHop;

        // Drop input no later frame can reach.
        const qsizetype keepFrom = std::min(qsizetype(m_idealStart) - m_tolerance, m_previousStart + m_hop);
        const qsizetype drop = std::clamp<qsizetype>(keepFrom - m_inputStart, 0, qsizetype(m_input.size()));
        m_input.erase(m_input.begin(), m_input.begin() + drop);
        m_inputStart += drop;
    }
    if (atEnd) {
        for (int i = 0; i < m_frame - m_hop; ++i)
            out.push_back(qint16(std::lround(std::clamp(m_overlap[size_t(i)], -32768.0f, 32767.0f))));
    }
}

qsizetype TimeStretcher::bestFrameStart(qsizetype ideal, qsizetype natural) const
{
    // The candidate near the ideal position that continues the previous frame most smoothly.
    qsizetype best = ideal;
    double bestScore = -2.0;
    const qsizetype first = std::max(ideal - m_tolerance, m_inputStart);
    for (qsizetype candidate = first; candidate <= ideal + m_tolerance; candidate += 2) {
        double product = 0.0;
        double energy = 0.0;
        double naturalEnergy = 0.0;
        for (int i = 0; i < m_frame; i += 2) {
            const double a = input(candidate + i);
            const double b = input(natural + i);
            product += a * b;
            energy += a * a;
            naturalEnergy += b * b;
        }
        const double score = energy > 0.0 && naturalEnergy > 0.0 ? product / std::sqrt(energy * naturalEnergy) : 0.0;
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

float TimeStretcher::input(qsizetype absolute) const
{
    const qsizetype index = absolute - m_inputStart;
    return index >= 0 && index < qsizetype(m_input.size()) ? m_input[size_t(index)] : 0.0f;
}

void TimeStretcher::reset()
{
    m_input.clear();
    m_inputStart = 0;
    m_inputEnd = 0;
    m_idealStart = 0.0;
    m_previousStart = -1;
    std::fill(m_overlap.begin(), m_overlap.end(), 0.0f);
}
