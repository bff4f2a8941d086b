// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace tikkro::sounds {

// Mixes tones into a mono buffer and writes it as a 16-bit PCM wave file.
// Every tone starts and ends at silence with smooth raised-cosine ramps, so
// nothing clicks however the tones overlap.
class WaveBuilder
{
public:
    struct Partial
    {
        double ratio; // of the fundamental
        double level; // relative to the fundamental
    };

    struct Envelope
    {
        double attack;  // seconds of fade-in
        double decay;   // time constant of the exponential fall; 0 holds the level
        double release; // seconds of fade-out at the end of the tone
    };

    explicit WaveBuilder(int sampleRate);

    // A struck tone: higher partials die away faster, as in a bell.
    void addNote(double start, double length, double frequency, double level,
                 const std::vector<Partial>& partials, const Envelope& envelope);

    // A ring: two pitches swapped smoothly `rate` times a second.
    void addTrill(double start, double length, double low, double high, double rate, double level,
                  const Envelope& envelope);

    // The mix scaled to `peak` of full scale, with `tail` seconds of silence
    // after the last tone, as a complete RIFF/WAVE file.
    std::vector<std::uint8_t> toWave(double peak, double tail) const;

private:
    double envelopeAt(double t, double length, const Envelope& envelope, double decay) const;
    // Grows the mix to hold a tone; gives its first sample and sample count.
    std::pair<std::size_t, std::size_t> makeRoom(double start, double length);

    int m_sampleRate;
    std::vector<double> m_mix;
};

} // namespace tikkro::sounds
