// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesizes the program's sounds into the folder given as the only
// argument: the alarm chime, the countdown ring and the default beep.
#include "WaveBuilder.h"

#include <filesystem>
#include <fstream>
#include <iostream>

using tikkro::sounds::WaveBuilder;

namespace {

constexpr int SampleRate = 22050;
// Below full scale, so the sounds are clear but never harsh or clipped.
constexpr double Peak = 0.6;
constexpr double Tail = 0.02;

const std::vector<WaveBuilder::Partial> Bell = {{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.14}, {4.2, 0.06}};
const std::vector<WaveBuilder::Partial> Soft = {{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.04}};

std::vector<std::uint8_t> defaultBeep()
{
    WaveBuilder wave(SampleRate);
    wave.addNote(0.0, 0.32, 880.0, 1.0, Soft, {0.012, 0.20, 0.08});
    return wave.toWave(Peak, Tail);
}

// Two falling bell tones, the second over the fading first.
std::vector<std::uint8_t> alarmChime()
{
    WaveBuilder wave(SampleRate);
    wave.addNote(0.00, 1.15, 783.99, 1.0, Bell, {0.006, 0.42, 0.25});
    wave.addNote(0.42, 1.30, 659.26, 1.0, Bell, {0.006, 0.48, 0.30});
    return wave.toWave(Peak, Tail);
}

// Two groups of three short rings, like a gentle desk bell telephone.
std::vector<std::uint8_t> countdownRing()
{
    WaveBuilder wave(SampleRate);
    constexpr double Ring = 0.40;
    constexpr double Step = 0.55;
    for (const double group : {0.0, 1.9}) {
        for (int ring = 0; ring < 3; ++ring) {
            wave.addTrill(group + ring * Step, Ring, 1046.50, 1318.51, 14.0, 1.0,
                          {0.015, 0.6, 0.06});
        }
    }
    return wave.toWave(Peak, Tail);
}

bool write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << file << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <sounds folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    const bool written = write(folder / "default.wav", defaultBeep()) &&
                         write(folder / "notify.wav", alarmChime()) &&
                         write(folder / "ringin.wav", countdownRing());
    return written ? 0 : 1;
}
