// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveBuilder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tikkro::sounds {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

// Rises from 0 to 1 with zero slope at both ends.
double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    // Byte by byte: a range insert here trips a false stringop-overflow
    // warning in g++ 12 at -O3.
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

WaveBuilder::WaveBuilder(int sampleRate) : m_sampleRate(sampleRate) {}

double WaveBuilder::envelopeAt(double t, double length, const Envelope& envelope,
                               double decay) const
{
    const double rise = envelope.attack > 0 ? smoothStep(t / envelope.attack) : 1.0;
    const double fall = decay > 0 ? std::exp(-t / decay) : 1.0;
    const double end =
        envelope.release > 0 ? smoothStep((length - t) / envelope.release) : (t < length ? 1 : 0);
    return rise * fall * end;
}

std::pair<std::size_t, std::size_t> WaveBuilder::makeRoom(double start, double length)
{
    const auto first = static_cast<std::size_t>(std::lround(start * m_sampleRate));
    const auto count = static_cast<std::size_t>(std::lround(length * m_sampleRate)) + 1;
    if (m_mix.size() < first + count) {
        m_mix.resize(first + count, 0.0);
    }
    return {first, count};
}

void WaveBuilder::addNote(double start, double length, double frequency, double level,
                          const std::vector<Partial>& partials, const Envelope& envelope)
{
    const auto [first, count] = makeRoom(start, length);
    for (const Partial& partial : partials) {
        const double pitch = frequency * partial.ratio;
        if (pitch * 2 >= m_sampleRate) {
            continue; // would alias into an unpleasant low whistle
        }
        const double decay = envelope.decay / std::sqrt(partial.ratio);
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / m_sampleRate;
            m_mix[first + i] += level * partial.level * envelopeAt(t, length, envelope, decay) *
                                std::sin(TwoPi * pitch * t);
        }
    }
}

void WaveBuilder::addTrill(double start, double length, double low, double high, double rate,
                           double level, const Envelope& envelope)
{
    const auto [first, count] = makeRoom(start, length);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / m_sampleRate;
        const double swap = 0.5 + 0.5 * std::cos(TwoPi * rate * t);
        const double tone = swap * std::sin(TwoPi * low * t) +
                            (1.0 - swap) * std::sin(TwoPi * high * t) +
                            0.12 * std::sin(TwoPi * 2 * low * t);
        m_mix[first + i] += level * envelopeAt(t, length, envelope, envelope.decay) * tone;
    }
}

std::vector<std::uint8_t> WaveBuilder::toWave(double peak, double tail) const
{
    double loudest = 0;
    for (const double sample : m_mix) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const double scale = loudest > 0 ? peak * 32767.0 / loudest : 0.0;
    const std::size_t samples =
        m_mix.size() + static_cast<std::size_t>(std::lround(tail * m_sampleRate));
    const auto dataBytes = static_cast<std::uint32_t>(samples * 2);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4); // chunk size
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, static_cast<std::uint32_t>(m_sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(m_sampleRate * 2), 4); // bytes a second
    putLittleEndian(out, 2, 2);                                            // bytes a frame
    putLittleEndian(out, 16, 2);                                           // bits a sample
    putTag(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (std::size_t i = 0; i < samples; ++i) {
        const double value = i < m_mix.size() ? m_mix[i] * scale : 0.0;
        const auto pcm = static_cast<std::int16_t>(std::clamp(std::lround(value), -32767L, 32767L));
        putLittleEndian(out, static_cast<std::uint16_t>(pcm), 2);
    }
    return out;
}

} // namespace tikkro::sounds
