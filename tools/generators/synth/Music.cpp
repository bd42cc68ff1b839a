#include "Music.hpp"

#include "Biquad.hpp"
#include "Rng.hpp"
#include "SampleRate.hpp"
#include "Wavetable.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace
{
const double pi = 3.14159265358979323846;

struct Note
{
    double start;  ///< in beats
    double note;   ///< MIDI number
    double length; ///< in beats
};

struct Chord
{
    double bass;
    std::initializer_list<double> notes;
};

/// A smooth rise over `attack` seconds, held until `length`, then a smooth fall
/// over `release`.
double swell(double t, double attack, double length, double release)
{
    if (t < attack)
        return std::pow(std::sin(0.5 * pi * t / attack), 2.0);
    if (t < length)
        return 1.0;
    const double x = std::min(1.0, (t - length) / release);
    return std::pow(std::cos(0.5 * pi * x), 2.0);
}

/// A held chord tone from a wavetable, slowly fading in and out.
std::vector<double> padVoice(const Wavetable& table, double note, double seconds, double cents,
                             double attack, double release)
{
    std::vector<double> voice(samplesIn(seconds + release));
    const double frequency = noteFrequency(note) * std::pow(2.0, cents / 1200.0);
    double phase = 0;
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        voice[i] = table.at(phase) * swell(t, attack, seconds, release);
        phase += frequency / sampleRate;
    }
    return voice;
}

/// A music-box tine: a few partials, the higher ones dying first.
std::vector<double> bellVoice(double note)
{
    struct Partial
    {
        double ratio, level, decay;
    };
    const Partial partials[] = {
        {1.0, 1.0, 1.4}, {2.0, 0.3, 0.7}, {3.0, 0.12, 0.4}, {5.4, 0.06, 0.1}};
    std::vector<double> voice(samplesIn(3.0));
    const double frequency = noteFrequency(note);
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        double s = 0;
        for (const Partial& p : partials)
            s += p.level * std::sin(2 * pi * frequency * p.ratio * t) * std::exp(-t / p.decay);
        voice[i] = s * std::min(1.0, t / 0.002) * swell(t, 0.0, 2.6, 0.4);
    }
    return voice;
}

/// A round low note: a sine with a touch of its octave.
std::vector<double> bassVoice(double note, double seconds)
{
    std::vector<double> voice(samplesIn(seconds + 0.8));
    const double frequency = noteFrequency(note);
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const double s = std::sin(2 * pi * frequency * t) + 0.2 * std::sin(4 * pi * frequency * t);
        voice[i] = s * swell(t, 0.04, seconds, 0.8) * (0.6 + 0.4 * std::exp(-t / 1.5));
    }
    return voice;
}

/// A breathy flute: a soft wavetable with a late vibrato and a little air.
std::vector<double> fluteVoice(const Wavetable& table, double note, double seconds, Rng& rng)
{
    std::vector<double> voice(samplesIn(seconds + 0.4));
    const double frequency = noteFrequency(note);
    Biquad breath(Biquad::Shape::BandPass, sampleRate, frequency * 2, 3);
    double phase = 0;
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const double vibrato =
            0.004 * std::min(1.0, std::max(0.0, t - 0.4) / 0.6) * std::sin(2 * pi * 5.0 * t);
        phase += frequency * (1.0 + vibrato) / sampleRate;
        const double air = breath.process(rng.between(-1.f, 1.f));
        voice[i] = (table.at(phase) + 0.5 * air) * swell(t, 0.12, seconds, 0.4);
    }
    return voice;
}

/// One cricket's chirp: a few quick pulses of a high tone.
std::vector<double> chirp(double frequency, int pulses)
{
    const double period = 0.032;
    const double pulse = 0.018;
    std::vector<double> voice(samplesIn(period * pulses));
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const double inPulse = std::fmod(t, period);
        const double gate = inPulse < pulse ? std::pow(std::sin(pi * inPulse / pulse), 2.0) : 0.0;
        voice[i] = std::sin(2 * pi * frequency * t) * gate;
    }
    return voice;
}

/// One hoot of a tawny owl: a hollow, falling "hoo".
std::vector<double> hoot(double seconds, Rng& rng)
{
    std::vector<double> voice(samplesIn(seconds));
    Biquad breath(Biquad::Shape::BandPass, sampleRate, 700, 2);
    double phase = 0;
    for (std::size_t i = 0; i < voice.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const double x = t / seconds;
        phase += (385.0 - 45.0 * x * x) / sampleRate;
        const double tone = std::sin(2 * pi * phase) + 0.15 * std::sin(4 * pi * phase);
        const double shape = std::pow(std::sin(pi * std::pow(x, 0.6)), 1.5);
        voice[i] = (tone + 0.2 * breath.process(rng.between(-1.f, 1.f))) * shape;
    }
    return voice;
}

std::size_t at(double seconds)
{
    return samplesIn(seconds);
}
} // namespace

Track menuTheme()
{
    const double beat = 60.0 / 64.0;
    Track track(samplesIn(32 * beat));

    // Soft, hollow pads: odd harmonics stronger, the highs rolled off.
    const Wavetable pad({1.0, 0.25, 0.3, 0.08, 0.1, 0.03, 0.03});
    const Chord chords[] = {
        {45, {57, 60, 64}}, {41, {53, 57, 60}}, {48, {55, 60, 64}}, {43, {55, 59, 62}},
        {45, {57, 60, 64}}, {41, {57, 60, 65}}, {38, {57, 62, 65}}, {40, {56, 59, 64}},
    };
    for (std::size_t bar = 0; bar < 8; ++bar)
    {
        const std::size_t start = at(static_cast<double>(bar) * 4 * beat);
        track.add(start, bassVoice(chords[bar].bass, 3.6 * beat), 0.0, 0.30);
        double spread = -0.5;
        for (const double note : chords[bar].notes)
        {
            // Two slightly detuned copies, one to each side, make the chord breathe.
            track.add(start, padVoice(pad, note, 4 * beat, -5, 1.0, 1.6), spread, 0.07);
            track.add(start, padVoice(pad, note, 4 * beat, +5, 1.0, 1.6), -spread, 0.07);
            spread += 0.5;
        }
    }

    const Note tune[] = {
        {0, 76, 2},  {2, 72, 1},  {3, 74, 1},  {4, 72, 2},  {6, 69, 2},  {8, 67, 1},
        {9, 72, 1},  {10, 76, 2}, {12, 74, 3}, {15, 71, 1}, {16, 76, 2}, {18, 79, 1},
        {19, 77, 1}, {20, 76, 2}, {22, 72, 2}, {24, 74, 1}, {25, 77, 1}, {26, 76, 1},
        {27, 74, 1}, {28, 71, 2}, {30, 68, 1}, {31, 71, 1},
    };
    for (const Note& note : tune)
        track.add(at(note.start * beat), bellVoice(note.note), 0.15, 0.22);
    // The tune's echo an octave down, late and to the other side, softly.
    for (const Note& note : tune)
        track.add(at((note.start + 0.5) * beat), bellVoice(note.note - 12), -0.4, 0.05);

    track.addReverb(0.7, 0.5, 0.9);
    return track;
}

Track forestTheme()
{
    const double length = 40.0;
    Track track(samplesIn(length));
    Rng rng(2024);

    // Darker pads: almost no upper harmonics.
    const Wavetable pad({1.0, 0.12, 0.18, 0.03, 0.04});
    const Chord chords[] = {
        {38, {50, 57, 65}}, {34, {50, 53, 58}}, {43, {50, 55, 58}}, {45, {49, 52, 57}}};
    for (std::size_t i = 0; i < 4; ++i)
    {
        const std::size_t start = at(10.0 * static_cast<double>(i));
        track.add(start, bassVoice(chords[i].bass, 9.5), 0.0, 0.22);
        double spread = -0.6;
        for (const double note : chords[i].notes)
        {
            track.add(start, padVoice(pad, note, 10.0, -6, 2.5, 3.0), spread, 0.06);
            track.add(start, padVoice(pad, note, 10.0, +6, 2.5, 3.0), -spread, 0.06);
            spread += 0.6;
        }
    }

    // The slow tune, in seconds.
    const Wavetable flute({1.0, 0.25, 0.08, 0.03});
    const Note tune[] = {
        {1.0, 69, 2.5},  {4.0, 65, 1.5},  {5.5, 67, 1.0},  {6.5, 69, 3.0},  {11.0, 70, 2.5},
        {13.5, 69, 1.5}, {15.0, 65, 1.0}, {16.0, 62, 3.5}, {21.0, 67, 2.0}, {23.0, 70, 1.5},
        {24.5, 69, 1.0}, {25.5, 67, 1.0}, {26.5, 65, 3.0}, {31.0, 64, 2.0}, {33.0, 65, 1.5},
        {34.5, 64, 1.0}, {35.5, 61, 3.0},
    };
    for (const Note& note : tune)
        track.add(at(note.start), fluteVoice(flute, note.note, note.length, rng), 0.1, 0.11);

    // Crickets, each at its own pitch and place, chirping at their own pace.
    const double crickets[][2] = {{4200, -0.7}, {4750, 0.6}, {5150, 0.15}};
    for (const auto& cricket : crickets)
    {
        double t = rng.between(0.f, 1.f);
        while (t < length)
        {
            // One draw at a time: the order in which arguments are worked out
            // is the compiler's choice, and the music must not depend on it.
            const int pulses = rng.range(3, 4);
            const double loudness = rng.between(0.018f, 0.03f);
            track.add(at(t), chirp(cricket[0], pulses), cricket[1], loudness);
            t += rng.between(0.8f, 1.5f);
        }
    }

    // An owl far off, first on the left, later on the right.
    for (const double when : {7.0, 27.0})
    {
        const double side = when < 20 ? -0.55 : 0.5;
        track.add(at(when), hoot(0.45, rng), side, 0.1);
        track.add(at(when + 0.9), hoot(0.2, rng), side, 0.08);
        track.add(at(when + 1.2), hoot(0.6, rng), side, 0.1);
    }

    // Wind in the trees: dark noise swelling twice a loop, filtered as a loop
    // so its seam is as smooth as the rest.
    std::vector<double> wind(track.frames());
    for (double& w : wind)
        w = rng.between(-1.f, 1.f);
    Biquad low(Biquad::Shape::LowPass, sampleRate, 450, 0.7);
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < wind.size(); ++i)
        {
            const double t = static_cast<double>(i) / sampleRate;
            const double filtered = low.process(wind[i]);
            if (pass == 1)
                wind[i] = filtered * (0.6 + 0.4 * std::sin(2 * pi * 2.0 * t / length));
        }
    track.add(0, wind, -0.2, 0.05);

    track.addReverb(0.85, 0.6, 1.2);
    return track;
}
