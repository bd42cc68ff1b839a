#include "Effects.hpp"

#include "Biquad.hpp"
#include "Rng.hpp"
#include "SampleRate.hpp"

#include <algorithm>
#include <cmath>

namespace
{
const double pi = 3.14159265358979323846;

double secondsAt(std::size_t i)
{
    return static_cast<double>(i) / sampleRate;
}

/// `seconds` of sound, sample by sample from `sampleAt` (given the time),
/// its last `fade` seconds faded out so it never ends on a step.
template <class SampleAt> std::vector<double> make(double seconds, double fade, SampleAt sampleAt)
{
    std::vector<double> sound(samplesIn(seconds));
    for (std::size_t i = 0; i < sound.size(); ++i)
        sound[i] = sampleAt(secondsAt(i));
    const std::size_t length = std::min(sound.size(), samplesIn(fade));
    for (std::size_t i = 0; i < length; ++i)
    {
        const double x = static_cast<double>(i) / static_cast<double>(length);
        sound[sound.size() - 1 - i] *= 0.5 - 0.5 * std::cos(pi * x);
    }
    return sound;
}

/// Rises from 0 to 1 over `attack` seconds, then falls away with time constant `decay`.
double strike(double t, double attack, double decay)
{
    const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::exp(-t / decay);
}

double noise(Rng& rng)
{
    return rng.between(-1.f, 1.f);
}

/// A sine whose frequency glides exponentially from `from` to `to` over `glide`
/// seconds and then holds.
class Glide
{
public:
    Glide(double from, double to, double glide) : from(from), to(to), glide(glide) {}

    double next(double t)
    {
        const double x = std::min(1.0, t / glide);
        phase += from * std::pow(to / from, x) / sampleRate;
        return std::sin(2.0 * pi * phase);
    }

private:
    double from, to, glide;
    double phase = 0;
};
} // namespace

std::vector<double> tickSound()
{
    Rng rng(101);
    Biquad air(Biquad::Shape::BandPass, sampleRate, 4200, 1.2);
    return make(0.045, 0.005,
                [&](double t)
                {
                    return std::sin(2 * pi * 2100 * t) * strike(t, 0.0015, 0.006) +
                           0.35 * std::sin(2 * pi * 3150 * t) * strike(t, 0.0015, 0.003) +
                           0.4 * air.process(noise(rng)) * strike(t, 0.0004, 0.0015);
                });
}

std::vector<double> clickSound()
{
    Rng rng(202);
    Biquad snap(Biquad::Shape::BandPass, sampleRate, 2500, 1.5);
    Biquad release(Biquad::Shape::BandPass, sampleRate, 3600, 2.0);
    Glide tone(1300, 800, 0.03);
    const double second = 0.035; // the click's release follows the press
    return make(0.09, 0.01,
                [&](double t)
                {
                    double s = 1.2 * snap.process(noise(rng)) * strike(t, 0.0003, 0.002) +
                               0.6 * tone.next(t) * strike(t, 0.001, 0.018);
                    const double r = noise(rng);
                    if (t >= second)
                    {
                        const double u = t - second;
                        s += 0.5 * release.process(r) * strike(u, 0.0003, 0.0015) +
                             0.2 * std::sin(2 * pi * 1650 * u) * strike(u, 0.001, 0.008);
                    }
                    return s;
                });
}

std::vector<double> stepSound()
{
    Rng rng(303);
    Biquad earth(Biquad::Shape::LowPass, sampleRate, 700, 0.7);
    Biquad leaves(Biquad::Shape::BandPass, sampleRate, 3000, 0.8);
    Glide thump(120, 60, 0.05);
    // Dry leaves crackle under the foot: a few tiny snaps in its first moments.
    struct Snap
    {
        double at, size;
    };
    std::vector<Snap> snaps;
    for (int k = 0; k < 7; ++k)
        snaps.push_back({rng.between(0.0f, 0.06f), rng.between(0.3f, 1.0f)});
    return make(0.18, 0.03,
                [&](double t)
                {
                    double crackle = 0;
                    for (const Snap& snap : snaps)
                        if (t >= snap.at)
                            crackle += snap.size * std::exp(-(t - snap.at) / 0.003);
                    // Drawn one after the other: the order of a sum's terms is the
                    // compiler's choice, and the sound must not depend on it.
                    const double ground = earth.process(noise(rng));
                    const double litter = leaves.process(noise(rng));
                    return 0.9 * thump.next(t) * strike(t, 0.004, 0.035) +
                           1.4 * ground * strike(t, 0.003, 0.045) + 0.5 * litter * crackle;
                });
}

std::vector<double> jumpSound()
{
    Rng rng(404);
    Biquad swish(Biquad::Shape::BandPass, sampleRate, 800, 1.2);
    Glide voice(180, 460, 0.16);
    Glide push(95, 70, 0.03);
    return make(0.3, 0.05,
                [&](double t)
                {
                    swish.tune(800 * std::pow(3000.0 / 800.0, std::min(1.0, t / 0.18)), 1.2);
                    const double v = voice.next(t);
                    return 0.55 * (v + 0.3 * v * v * v) * strike(t, 0.003, 0.09) +
                           1.1 * swish.process(noise(rng)) * strike(t, 0.004, 0.07) +
                           0.5 * push.next(t) * strike(t, 0.002, 0.02);
                });
}

std::vector<double> landingSound()
{
    Rng rng(505);
    Biquad earth(Biquad::Shape::LowPass, sampleRate, 350, 0.8);
    Biquad crunch(Biquad::Shape::BandPass, sampleRate, 2200, 1.0);
    Glide thud(95, 42, 0.12);
    const double clinkAt = 0.008; // the armour settles a moment after the feet
    return make(0.35, 0.06,
                [&](double t)
                {
                    const double ground = earth.process(noise(rng));
                    const double dirt = crunch.process(noise(rng));
                    double s = 1.0 * thud.next(t) * strike(t, 0.002, 0.09) +
                               1.6 * ground * strike(t, 0.002, 0.05) +
                               0.35 * dirt * strike(t, 0.001, 0.025);
                    if (t >= clinkAt)
                    {
                        const double u = t - clinkAt;
                        s += 0.05 *
                             (std::sin(2 * pi * 2400 * u) + 0.7 * std::sin(2 * pi * 3910 * u) +
                              0.4 * std::sin(2 * pi * 5730 * u)) *
                             strike(u, 0.0005, 0.06);
                    }
                    return s;
                });
}

std::vector<double> boneStepSound()
{
    Rng rng(606);
    Biquad low(Biquad::Shape::BandPass, sampleRate, 1800, 6);
    Biquad high(Biquad::Shape::BandPass, sampleRate, 3200, 8);
    Biquad rattle(Biquad::Shape::BandPass, sampleRate, 2600, 10);
    struct Clack
    {
        double at, size;
    };
    const Clack clacks[] = {{0.022, 0.4}, {0.038, 0.25}, {0.060, 0.15}};
    return make(0.14, 0.02,
                [&](double t)
                {
                    const double n = noise(rng);
                    double loose = 0;
                    for (const Clack& c : clacks)
                        if (t >= c.at)
                            loose += c.size * strike(t - c.at, 0.0002, 0.005);
                    return 3.0 * low.process(n) * strike(t, 0.0003, 0.010) +
                           2.5 * high.process(n) * strike(t, 0.0003, 0.007) +
                           0.35 * std::sin(2 * pi * 420 * t) * strike(t, 0.001, 0.015) +
                           0.3 * std::sin(2 * pi * 80 * t) * strike(t, 0.002, 0.03) +
                           4.0 * rattle.process(noise(rng)) * loose;
                });
}

std::vector<double> axeSound()
{
    Rng rng(707);
    Biquad edge(Biquad::Shape::BandPass, sampleRate, 350, 1.8);
    Biquad air(Biquad::Shape::BandPass, sampleRate, 700, 2.5);
    // The skeleton swings again and again: the hiss above the whoosh would tire.
    Biquad soft(Biquad::Shape::LowPass, sampleRate, 4000, 0.7);
    const double peakAt = 0.16; // the blade is fastest here
    return make(0.45, 0.05,
                [&](double t)
                {
                    const double centre = t < peakAt ? 350 * std::pow(1400.0 / 350.0, t / peakAt)
                                                     : 600 + 800 * std::exp(-(t - peakAt) / 0.08);
                    edge.tune(centre, 1.8);
                    air.tune(centre * 2, 2.5);
                    const double swell = t < peakAt ? std::pow(std::sin(0.5 * pi * t / peakAt), 2.0)
                                                    : std::exp(-(t - peakAt) / 0.09);
                    const double blade = edge.process(noise(rng));
                    const double wake = air.process(noise(rng));
                    return soft.process(swell * (blade + 0.35 * wake));
                });
}
