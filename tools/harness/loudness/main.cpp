// woodrun-loudness: plays the game's themes and effects through the game's own
// sound code, as play places and paces them, one after another into OpenAL's
// wave output, and prints the peak and RMS level of each in that capture.
//
//   woodrun-loudness <game-dir> <capture.wav>
//
// The themes play alone, each long enough to measure at full loudness after
// its fade; then each effect, a second apart: the menu's and the knight's in
// the middle, the skeleton's from where play puts them. The axe swings five
// times in a row beside the knight, as it does while the knight stands in
// reach, and once at the edge of an 800 px view.
#include "audio/MusicPlayer.hpp"
#include "audio/SoundPlayer.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Sleep.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace
{
/// A stretch of the capture and what plays in it.
struct Stretch
{
    std::string what;
    float from; ///< seconds into the capture, by the clock
    float length;
    bool sound; ///< a short sound, measured from its onset
};

/// Peak and RMS of a stretch of the capture, in dB below full scale.
struct Level
{
    double peak;
    double rms;
};

double decibels(double amplitude)
{
    return amplitude > 0 ? 20 * std::log10(amplitude) : -120;
}

/// Where a sound asked for at `at` starts in the capture: the first 5 ms above
/// -60 dBFS from a little before. The capture and the clock may be some tens
/// of milliseconds apart, as the device starts its output.
std::size_t onset(const std::vector<float>& mono, unsigned rate, float at)
{
    const std::size_t window = rate / 200;
    const auto from = static_cast<std::size_t>(std::max(0.f, at - 0.3f) * static_cast<float>(rate));
    for (std::size_t i = from; i + window <= mono.size(); i += window)
        for (std::size_t j = i; j < i + window; ++j)
            if (std::abs(mono[j]) > 0.001f)
                return i;
    return mono.size();
}

Level measure(const std::vector<float>& mono, unsigned rate, const Stretch& stretch)
{
    const std::size_t first =
        stretch.sound ? onset(mono, rate, stretch.from)
                      : static_cast<std::size_t>(stretch.from * static_cast<float>(rate));
    const auto last = std::min(
        mono.size(), first + static_cast<std::size_t>(stretch.length * static_cast<float>(rate)));
    double peak = 0;
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
    {
        peak = std::max(peak, static_cast<double>(std::abs(mono[i])));
        sum += static_cast<double>(mono[i]) * mono[i];
    }
    const double count = last > first ? static_cast<double>(last - first) : 1;
    return {decibels(peak), decibels(std::sqrt(sum / count))};
}

/// The louder side of each frame of the capture, -1 to 1.
std::vector<float> readCapture(const std::string& path, unsigned& rate)
{
    sf::InputSoundFile file;
    if (!file.openFromFile(path))
        throw std::runtime_error("cannot read " + path);
    rate = file.getSampleRate();
    const unsigned channels = file.getChannelCount();
    std::vector<sf::Int16> samples(file.getSampleCount());
    samples.resize(file.read(samples.data(), samples.size()));
    std::vector<float> louder;
    for (std::size_t i = 0; i + channels <= samples.size(); i += channels)
    {
        float frame = 0;
        for (unsigned c = 0; c < channels; ++c)
        {
            const float sample = static_cast<float>(samples[i + c]) / 32768.f;
            frame = std::abs(sample) > std::abs(frame) ? sample : frame;
        }
        louder.push_back(frame);
    }
    return louder;
}

/// Waits `seconds`, moving the music's fades on as the game does each frame.
void wait(float seconds, MusicPlayer* music)
{
    sf::Clock clock;
    while (clock.getElapsedTime().asSeconds() < seconds)
    {
        sf::sleep(sf::milliseconds(10));
        if (music != nullptr)
            music->update(0.01f);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: woodrun-loudness <game-dir> <capture.wav>\n";
        return 2;
    }
    const std::filesystem::path capture = std::filesystem::absolute(argv[2]);
    const std::filesystem::path config = capture.string() + ".conf";
    std::ofstream(config) << "[general]\ndrivers=wave\nsample-type=int16\n[wave]\nfile="
                          << capture.string() << "\n";
    setenv("ALSOFT_CONF", config.c_str(), 1);
    std::filesystem::current_path(argv[1]);

    std::vector<Stretch> stretches;
    {
        // The sound player first: it opens the device, whose capture starts
        // now, and keeps it open until the end.
        SoundPlayer sounds(std::cerr);
        sf::Clock since;
        const auto mark = [&](const std::string& what, float length, bool sound = true) {
            stretches.push_back({what, since.getElapsedTime().asSeconds(), length, sound});
        };

        auto music = std::make_unique<MusicPlayer>(std::cerr);
        music->play(MusicTheme::Menu);
        wait(2.f, music.get());
        mark("the menu theme", 2.f, false);
        wait(2.f, music.get());
        music->play(MusicTheme::Forest);
        wait(2.f, music.get());
        mark("the forest theme", 2.f, false);
        wait(2.f, music.get());
        music.reset();

        sounds.load({SoundEffect::Hover, SoundEffect::Click, SoundEffect::HeroStep,
                     SoundEffect::HeroJump, SoundEffect::HeroLanding, SoundEffect::SkeletonStep,
                     SoundEffect::AxeSwing});
        // The listener is the view's centre; the knight stands 200 px left of it.
        sounds.setListenerPosition({0, 0});
        wait(0.5f, nullptr);
        const auto once = [&](const std::string& what, auto play)
        {
            mark(what, 0.9f);
            play();
            wait(1.f, nullptr);
        };
        once("tick", [&] { sounds.play(SoundEffect::Hover); });
        once("click", [&] { sounds.play(SoundEffect::Click); });
        once("the knight's step", [&] { sounds.play(SoundEffect::HeroStep); });
        once("the jump", [&] { sounds.play(SoundEffect::HeroJump); });
        once("the landing", [&] { sounds.play(SoundEffect::HeroLanding); });
        once("the skeleton's step beside the knight",
             [&] {
                 sounds.playAt(SoundEffect::SkeletonStep, {-280, 0});
             });
        for (int swing = 1; swing <= 5; ++swing)
        {
            mark("the axe beside the knight, swing " + std::to_string(swing), 0.75f);
            sounds.playAt(SoundEffect::AxeSwing, {-280, 0});
            wait(0.8f, nullptr);
        }
        wait(2.f, nullptr);
        once("the axe at the edge of an 800 px view",
             [&] {
                 sounds.playAt(SoundEffect::AxeSwing, {400, 0});
             });
    } // the device closes and the capture is complete

    unsigned rate = 0;
    const std::vector<float> mono = readCapture(capture.string(), rate);
    std::filesystem::remove(config);
    std::cout << std::fixed << std::setprecision(1) << "sound                                      "
              << "peak dBFS   RMS dBFS\n";
    for (const Stretch& stretch : stretches)
    {
        const Level level = measure(mono, rate, stretch);
        std::cout << std::left << std::setw(44) << stretch.what << std::right << std::setw(8)
                  << level.peak << std::setw(11) << level.rms << "\n";
    }
    return 0;
}
