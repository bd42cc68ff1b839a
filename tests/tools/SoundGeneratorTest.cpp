// Checks the generated sounds against what the game relies on and what a
// player hears: every file the game loads, sensible lengths and levels, no
// clipping, effects that start at once and die away, themes that loop without
// a click, and the same bytes on every run.

#include "SoundGenerator.hpp"

#include "SampleRate.hpp"
#include "audio/SoundFiles.hpp"

#include <SFML/Audio/InputSoundFile.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using Sound = SoundGenerator::Sound;

const std::vector<Sound>& sounds()
{
    static const std::vector<Sound> all = SoundGenerator().build();
    return all;
}

const Sound& sound(const std::string& relativePath)
{
    for (const Sound& s : sounds())
        if (s.relativePath == fs::path(relativePath))
            return s;
    throw std::runtime_error("no sound " + relativePath);
}

// For plain paths: GCC 14 takes a reference returned from a call that was
// handed a temporary std::string for one that may dangle.
const Sound& sound(const char* relativePath)
{
    return sound(std::string(relativePath));
}

double seconds(const Sound& s)
{
    return static_cast<double>(s.samples.size() / s.channels) / sampleRate;
}

/// The part of a theme's samples that the game loops, without its margins.
std::vector<float> loop(const Sound& s, const std::vector<float>& samples)
{
    const auto from = samples.begin() + static_cast<std::ptrdiff_t>(s.loopFrom * s.channels);
    return {from, from + static_cast<std::ptrdiff_t>(s.loopLength * s.channels)};
}

float peak(const std::vector<float>& samples)
{
    float loudest = 0;
    for (const float x : samples)
        loudest = std::max(loudest, std::fabs(x));
    return loudest;
}

double rms(const std::vector<float>& samples)
{
    double sum = 0;
    for (const float x : samples)
        sum += static_cast<double>(x) * x;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

/// One channel of interleaved samples.
std::vector<float> channel(const std::vector<float>& samples, unsigned channels, unsigned which)
{
    std::vector<float> out;
    for (std::size_t i = which; i < samples.size(); i += channels)
        out.push_back(samples[i]);
    return out;
}

/// How far sample i departs from the straight line through the two before it,
/// the samples taken as a loop. A click is a departure far beyond its
/// neighbours'.
float bend(const std::vector<float>& x, std::size_t i)
{
    const std::size_t n = x.size();
    return std::fabs(x[i % n] - 2 * x[(i + n - 1) % n] + x[(i + n - 2) % n]);
}

/// Expects the loop's seam to bend no more than the waveform does just before
/// and after it, give or take `tolerance`.
void expectSeamless(const std::vector<float>& samples, unsigned channels, const std::string& name,
                    float tolerance = 0)
{
    const std::size_t near = sampleRate / 10;
    for (unsigned c = 0; c < channels; ++c)
    {
        const std::vector<float> x = channel(samples, channels, c);
        const float seam = std::max(bend(x, x.size()), bend(x, x.size() + 1));
        float around = 0;
        for (std::size_t i = 2; i < near; ++i)
            around = std::max({around, bend(x, i), bend(x, x.size() - i)});
        EXPECT_LE(seam, around + tolerance) << name << ", channel " << c;
    }
}

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<float> decode(const fs::path& file)
{
    sf::InputSoundFile input;
    if (!input.openFromFile(file.string()))
        throw std::runtime_error("cannot decode " + file.string());
    std::vector<sf::Int16> samples(static_cast<std::size_t>(input.getSampleCount()));
    samples.resize(static_cast<std::size_t>(input.read(samples.data(), samples.size())));
    std::vector<float> out;
    for (const sf::Int16 s : samples)
        out.push_back(static_cast<float>(s) / 32768.f);
    return out;
}
} // namespace

TEST(SoundGeneratorTest, MakesEveryFileTheGameLoadsAtASensibleLength)
{
    struct Expected
    {
        const char* path;
        double shortest, longest; // seconds
    };
    const Expected expected[] = {
        {soundFile(SoundEffect::Hover), 0.02, 0.06},
        {soundFile(SoundEffect::Click), 0.04, 0.12},
        {soundFile(SoundEffect::HeroStep), 0.1, 0.25},
        {soundFile(SoundEffect::HeroJump), 0.15, 0.4},
        {soundFile(SoundEffect::HeroLanding), 0.2, 0.5},
        {soundFile(SoundEffect::SkeletonStep), 0.08, 0.2},
        {soundFile(SoundEffect::AxeSwing), 0.3, 0.6},
    };
    for (const Expected& e : expected)
    {
        const Sound& s = sound(e.path);
        EXPECT_EQ(s.channels, 1u) << e.path << ": mono, to be placed left or right";
        EXPECT_FALSE(s.loops);
        EXPECT_GE(seconds(s), e.shortest) << e.path;
        EXPECT_LE(seconds(s), e.longest) << e.path;
    }
    // The themes loop whole bars: 8 of 4 beats at 64 a minute, and 40 s. Their
    // files carry the margins the game loops between.
    const Sound& menu = sound(musicFile(MusicTheme::Menu));
    const Sound& forest = sound(musicFile(MusicTheme::Forest));
    EXPECT_EQ(menu.loopLength, 30u * sampleRate);
    EXPECT_EQ(forest.loopLength, 40u * sampleRate);
    for (const Sound* s : {&menu, &forest})
    {
        EXPECT_EQ(s->channels, 2u);
        EXPECT_TRUE(s->loops);
        EXPECT_EQ(s->loopFrom, samplesIn(musicMargin));
        EXPECT_DOUBLE_EQ(seconds(*s),
                         static_cast<double>(s->loopLength) / sampleRate + 2 * musicMargin);
        // The margins are the loop's own end and start: the file plays as the loop does.
        const std::vector<float> looped = loop(*s, s->samples);
        const std::size_t margin = s->loopFrom * 2;
        EXPECT_TRUE(
            std::equal(s->samples.begin(), s->samples.begin() + margin, looped.end() - margin));
        EXPECT_TRUE(std::equal(s->samples.end() - margin, s->samples.end(), looped.begin()));
    }
    EXPECT_EQ(sounds().size(), 9u);
}

TEST(SoundGeneratorTest, LevelsLeaveHeadroomAndSitInASensibleBand)
{
    for (const Sound& s : sounds())
    {
        const std::string name = s.relativePath.string();
        EXPECT_LT(peak(s.samples), 0.9f) << name << " leaves headroom";
        EXPECT_GT(peak(s.samples), 0.2f) << name << " is not too faint";
        // Music between -26 and -14 dB below full scale, effects (short and
        // mostly a fading tail) between -34 and -12 dB.
        const double level = 20 * std::log10(rms(s.samples));
        EXPECT_GE(level, s.loops ? -26 : -34) << name;
        EXPECT_LE(level, s.loops ? -14 : -12) << name;
    }
}

TEST(SoundGeneratorTest, EffectsStartAtOnceAndDieAwayToNothing)
{
    const std::size_t fiveMs = sampleRate / 200;
    for (const Sound& s : sounds())
    {
        if (s.loops)
            continue;
        const std::string name = s.relativePath.string();
        const std::vector<float> head(s.samples.begin(), s.samples.begin() + fiveMs);
        const std::vector<float> tail(s.samples.end() - fiveMs, s.samples.end());
        // The axe's whoosh alone swells up as the blade comes round.
        if (name != soundFile(SoundEffect::AxeSwing))
        {
            EXPECT_GT(peak(head), 0.2f * peak(s.samples)) << name << " starts at once";
        }
        EXPECT_LT(peak(tail), 0.01f * peak(s.samples)) << name << " ends in silence";
        EXPECT_EQ(s.samples.back(), 0.f) << name;
    }
}

TEST(SoundGeneratorTest, ThemesLoopWithoutAClickAndRepeatByteForByte)
{
    for (const MusicTheme theme : {MusicTheme::Menu, MusicTheme::Forest})
        expectSeamless(loop(sound(musicFile(theme)), sound(musicFile(theme)).samples), 2,
                       musicFile(theme));

    // Written here, every file has the bytes the build's own run wrote.
    const fs::path scratch =
        fs::temp_directory_path() / ("woodrun-sounds-" + std::to_string(::getpid()));
    ASSERT_TRUE(SoundGenerator().writeAll(scratch).empty());
    for (const Sound& s : sounds())
    {
        const fs::path written = scratch / s.relativePath;
        EXPECT_EQ(bytesOf(written), bytesOf(fs::path(WOODRUN_GAME_DIR) / s.relativePath))
            << s.relativePath;
        if (!s.loops)
            continue;
        // Decoded, the theme is as long as it was made, still does not clip,
        // and still loops cleanly between its margins: its two sides may
        // differ by what the encoder changed there, no more.
        const std::vector<float> decoded = decode(written);
        ASSERT_EQ(decoded.size(), s.samples.size()) << s.relativePath;
        const std::vector<float> heard = loop(s, decoded);
        const std::vector<float> made = loop(s, s.samples);
        float encoderError = 0;
        for (std::size_t i = 0; i < sampleRate / 5; ++i)
            encoderError =
                std::max({encoderError, std::fabs(heard[i] - made[i]),
                          std::fabs(heard[heard.size() - 1 - i] - made[made.size() - 1 - i])});
        expectSeamless(heard, 2, "decoded " + s.relativePath.string(), 2 * encoderError);
        EXPECT_LT(peak(decoded), 0.9f);
    }
    fs::remove_all(scratch);
}
