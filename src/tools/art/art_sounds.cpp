#include "tools/art/art_sounds.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/art/art_canvas.h"

namespace {
constexpr int RATE = 22050;

struct SOUND {
    std::vector<double> Samples;
    void Ensure(size_t n) {
        if (Samples.size() < n) Samples.resize(n, 0.0);
    }
    // A sine tone with a quick attack and an exponential decay.
    void Tone(double start, double length, double frequency, double volume, double decay) {
        const size_t from = static_cast<size_t>(start * RATE), count = static_cast<size_t>(length * RATE);
        Ensure(from + count);
        for (size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / RATE;
            const double envelope = std::min(1.0, t * 400.0) * std::exp(-t * decay);
            Samples[from + i] += volume * envelope * std::sin(2 * M_PI * frequency * t);
        }
    }
    // Noise from a fixed generator, smoothed by a one-pole filter.
    void Noise(double start, double length, double volume, double smoothing, double decay, uint32_t seed) {
        const size_t from = static_cast<size_t>(start * RATE), count = static_cast<size_t>(length * RATE);
        Ensure(from + count);
        double last = 0;
        for (size_t i = 0; i < count; ++i) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            const double white = static_cast<double>(seed) / 4294967295.0 * 2.0 - 1.0;
            last += (white - last) * smoothing;
            const double t = static_cast<double>(i) / RATE;
            Samples[from + i] += volume * last * std::min(1.0, t * 200.0) * std::exp(-t * decay);
        }
    }
};

void Put_16(FILE* file, uint32_t value) {
    fputc(static_cast<int>(value & 0xFF), file);
    fputc(static_cast<int>((value >> 8) & 0xFF), file);
}
void Put_32(FILE* file, uint32_t value) {
    Put_16(file, value & 0xFFFF);
    Put_16(file, value >> 16);
}

int Save_WAV(const SOUND& sound, const std::string& path) {
    Make_Folders_For(path);
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    const uint32_t bytes = static_cast<uint32_t>(sound.Samples.size() * 2);
    fputs("RIFF", file);
    Put_32(file, 36 + bytes);
    fputs("WAVEfmt ", file);
    Put_32(file, 16);
    Put_16(file, 1);
    Put_16(file, 1);
    Put_32(file, RATE);
    Put_32(file, RATE * 2);
    Put_16(file, 2);
    Put_16(file, 16);
    fputs("data", file);
    Put_32(file, bytes);
    for (double sample : sound.Samples) {
        const double clipped = std::max(-1.0, std::min(1.0, sample));
        Put_16(file, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32000.0))));
    }
    return fclose(file) == 0 ? 1 : 0;
}
} // namespace

int Write_Sound_Effects(const std::string& root) {
    const std::string folder = root + "sound/";
    int ok = 1;
    SOUND button;
    button.Noise(0, 0.03, 0.5, 0.6, 120, 7);
    button.Tone(0, 0.05, 1800, 0.3, 90);
    ok &= Save_WAV(button, folder + "button.wav");

    SOUND change;
    change.Noise(0, 0.025, 0.5, 0.7, 150, 11);
    change.Noise(0.06, 0.025, 0.4, 0.7, 150, 13);
    ok &= Save_WAV(change, folder + "switch.wav");

    SOUND cash;
    cash.Noise(0, 0.08, 0.3, 0.5, 40, 17);
    cash.Tone(0.08, 0.6, 2093, 0.35, 6);
    cash.Tone(0.08, 0.6, 2637, 0.25, 7);
    ok &= Save_WAV(cash, folder + "cash.wav");

    SOUND pour;
    pour.Noise(0, 0.7, 0.4, 0.08, 2, 19);
    pour.Noise(0.1, 0.55, 0.2, 0.2, 3, 23);
    ok &= Save_WAV(pour, folder + "pour.wav");

    // Three short fanfares of rising notes (C major, F major, G major).
    const double roots[3] = {523.25, 698.46, 783.99};
    for (int i = 0; i < 3; ++i) {
        SOUND fanfare;
        const double steps[4] = {1.0, 1.25, 1.5, 2.0};
        for (int n = 0; n < 4; ++n) {
            fanfare.Tone(n * 0.16, n == 3 ? 0.9 : 0.3, roots[i] * steps[n], 0.25, n == 3 ? 3 : 8);
            fanfare.Tone(n * 0.16, n == 3 ? 0.9 : 0.3, roots[i] * steps[n] * 2, 0.08, n == 3 ? 4 : 10);
        }
        fanfare.Noise(0, 1.4, 0.05, 0.3, 1.5, 29 + static_cast<uint32_t>(i));
        char name[32];
        snprintf(name, sizeof name, "celeb%d.wav", i + 1);
        ok &= Save_WAV(fanfare, folder + name);
    }
    return ok;
}
