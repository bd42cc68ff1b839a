#include "SoundGenerator.hpp"

#include "Effects.hpp"
#include "Music.hpp"
#include "SampleRate.hpp"
#include "audio/SoundFiles.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace
{
/// An effect scaled so its loudest sample is `peak`.
SoundGenerator::Sound effect(SoundEffect which, const std::vector<double>& sound, double peak)
{
    double loudest = 1e-9;
    for (const double s : sound)
        loudest = std::max(loudest, std::fabs(s));
    std::vector<float> samples;
    samples.reserve(sound.size());
    for (const double s : sound)
        samples.push_back(static_cast<float>(s * peak / loudest));
    return {soundFile(which), 1, std::move(samples), false};
}

/// A theme with its margins, as the game loops it.
SoundGenerator::Sound theme(MusicTheme which, const Track& track)
{
    const std::size_t margin = samplesIn(musicMargin);
    return {musicFile(which), 2, track.interleaved(0.5, margin), true, margin, track.frames()};
}
} // namespace

std::vector<SoundGenerator::Sound> SoundGenerator::build() const
{
    // Peaks set by ear: the interface and the footsteps stay in the background,
    // the jump and the landing come forward; the music leaves them room.
    std::vector<Sound> sounds;
    sounds.push_back(effect(SoundEffect::Hover, tickSound(), 0.25));
    sounds.push_back(effect(SoundEffect::Click, clickSound(), 0.45));
    sounds.push_back(effect(SoundEffect::HeroStep, stepSound(), 0.35));
    sounds.push_back(effect(SoundEffect::HeroJump, jumpSound(), 0.6));
    sounds.push_back(effect(SoundEffect::HeroLanding, landingSound(), 0.7));
    sounds.push_back(effect(SoundEffect::SkeletonStep, boneStepSound(), 0.45));
    // The skeleton attacks again and again while the knight is near: its
    // whoosh stays below the knight's own sounds.
    sounds.push_back(effect(SoundEffect::AxeSwing, axeSound(), 0.4));
    sounds.push_back(theme(MusicTheme::Menu, menuTheme()));
    sounds.push_back(theme(MusicTheme::Forest, forestTheme()));
    return sounds;
}

bool SoundGenerator::write(const Sound& sound, const std::filesystem::path& file)
{
    std::vector<sf::Int16> samples;
    samples.reserve(sound.samples.size());
    for (const float s : sound.samples)
        samples.push_back(static_cast<sf::Int16>(
            std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0)));

    // The Ogg writer numbers its stream with std::rand(): a fixed seed keeps
    // the bytes the same on every run.
    std::srand(1);
    sf::OutputSoundFile output;
    if (!output.openFromFile(file.string(), sampleRate, sound.channels))
        return false;
    output.write(samples.data(), samples.size());
    return true;
}

std::vector<std::string> SoundGenerator::writeAll(const std::filesystem::path& outputDir) const
{
    std::vector<std::string> failures;
    for (const Sound& sound : build())
    {
        const std::filesystem::path target = outputDir / sound.relativePath;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
            failures.push_back("cannot create directory " + target.parent_path().string() + ": " +
                               error.message());
        else if (!write(sound, target))
            failures.push_back("cannot write " + target.string());
    }
    return failures;
}
