// woodrun-listen: measures what the game played, from the WAV file that
// OpenAL's "wave" output writes while the game runs. The file grows as the
// game plays, so its header's sizes are not to be trusted: everything up to the
// file's current end is read.
//
//   woodrun-listen frames CAPTURE [BYTES]
//       the frames written so far (or when the file was BYTES long), the rate
//       and the time they take: "FRAMES RATE SECONDS"
//   woodrun-listen level CAPTURE FROM LENGTH
//       the RMS level (0 to 1) of the mix of both sides over that stretch (seconds)
//   woodrun-listen quietest CAPTURE FROM TO WINDOW
//       the lowest RMS level of any WINDOW seconds long stretch between FROM and TO
//   woodrun-listen press KEY CAPTURE
//       presses KEY (an X key name, such as space) in the X display as a
//       keyboard would, and prints where the capture had got to at that very
//       moment, in seconds. The key stays down; xdotool lets it up.
//   woodrun-listen find CAPTURE SOUND FROM TO [SOUND_FROM SOUND_LENGTH]
//       where in the capture, between FROM and TO, SOUND (a WAV or OGG file, or
//       the stretch of it given) starts: "SECONDS CORRELATION", the second
//       between -1 and 1, near 1 when the capture holds the sound plainly

#include <SFML/Audio/InputSoundFile.hpp>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
struct Capture
{
    unsigned rate = 0;
    unsigned channels = 0;
    unsigned bits = 0;
    unsigned format = 0;    ///< 1 integers, 3 floats
    std::size_t dataAt = 0; ///< where the samples start in the file
    std::vector<float> mid; ///< the mean of all channels, frame by frame

    std::size_t frameBytes() const { return channels * bits / 8; }
};

std::uint32_t little(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

/// The first `limit` bytes of the file, or fewer when it is shorter.
std::vector<unsigned char> readBytes(const std::string& path, std::size_t limit)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::vector<unsigned char> bytes(limit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

/// The format and where the samples start; `bytes` holds at least the header.
Capture readHeader(const std::vector<unsigned char>& bytes, const std::string& path)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        throw std::runtime_error("not a WAV file: " + path);
    Capture capture;
    std::size_t at = 12;
    while (at + 8 <= bytes.size())
    {
        const std::string id(reinterpret_cast<const char*>(&bytes[at]), 4);
        const std::uint32_t size = little(&bytes[at + 4], 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && body + 16 <= bytes.size())
        {
            capture.format = little(&bytes[body], 2);
            capture.channels = little(&bytes[body + 2], 2);
            capture.rate = little(&bytes[body + 4], 4);
            capture.bits = little(&bytes[body + 14], 2);
            if (capture.format == 0xFFFE && body + 26 <= bytes.size())
                capture.format = little(&bytes[body + 24], 2); // the extensible header's sub-format
        }
        else if (id == "data")
        {
            if (capture.channels == 0 || !((capture.format == 3 && capture.bits == 32) ||
                                           (capture.format == 1 && capture.bits == 16)))
                throw std::runtime_error("unsupported WAV format in " + path);
            capture.dataAt = body;
            return capture;
        }
        at = body + size + (size & 1);
    }
    throw std::runtime_error("no sound data in " + path);
}

Capture readCapture(const std::string& path)
{
    const std::vector<unsigned char> bytes = readBytes(path, std::filesystem::file_size(path));
    Capture capture = readHeader(bytes, path);
    const std::size_t frameBytes = capture.frameBytes();
    const std::size_t frames = (bytes.size() - capture.dataAt) / frameBytes;
    capture.mid.resize(frames);
    for (std::size_t f = 0; f < frames; ++f)
    {
        float sum = 0;
        for (unsigned c = 0; c < capture.channels; ++c)
        {
            const unsigned char* p = &bytes[capture.dataAt + f * frameBytes + c * capture.bits / 8];
            if (capture.format == 3)
            {
                const std::uint32_t raw = little(p, 4);
                float value;
                std::memcpy(&value, &raw, 4);
                sum += value;
            }
            else
            {
                sum += static_cast<float>(static_cast<std::int16_t>(little(p, 2))) / 32768.f;
            }
        }
        capture.mid[f] = sum / static_cast<float>(capture.channels);
    }
    return capture;
}

/// A sound file as the mean of its channels, resampled to `rate`.
std::vector<float> readSound(const std::string& path, unsigned rate, double from, double length)
{
    sf::InputSoundFile file;
    if (!file.openFromFile(path))
        throw std::runtime_error("cannot read " + path);
    std::vector<sf::Int16> samples(static_cast<std::size_t>(file.getSampleCount()));
    samples.resize(file.read(samples.data(), samples.size()));
    const unsigned channels = file.getChannelCount();
    std::vector<float> mid(samples.size() / channels);
    for (std::size_t f = 0; f < mid.size(); ++f)
    {
        float sum = 0;
        for (unsigned c = 0; c < channels; ++c)
            sum += static_cast<float>(samples[f * channels + c]) / 32768.f;
        mid[f] = sum / static_cast<float>(channels);
    }
    const double ratio = static_cast<double>(file.getSampleRate()) / rate;
    const auto first = static_cast<std::size_t>(from * rate);
    const std::size_t count = length > 0 ? static_cast<std::size_t>(length * rate)
                                         : static_cast<std::size_t>(mid.size() / ratio);
    std::vector<float> resampled;
    for (std::size_t i = first; i < first + count; ++i)
    {
        const double position = static_cast<double>(i) * ratio;
        const auto index = static_cast<std::size_t>(position);
        if (index + 1 >= mid.size())
            break;
        const double fraction = position - static_cast<double>(index);
        resampled.push_back(
            static_cast<float>(mid[index] * (1 - fraction) + mid[index + 1] * fraction));
    }
    return resampled;
}

/// The capture's length in seconds when the file was `bytes` long.
double secondsAt(const Capture& capture, std::size_t bytes)
{
    const std::size_t frames =
        bytes > capture.dataAt ? (bytes - capture.dataAt) / capture.frameBytes() : 0;
    return static_cast<double>(frames) / capture.rate;
}

/// Presses the key and returns the capture's length just before, in seconds.
/// Everything slow (connecting, looking the key up, reading the header) comes
/// first, so the two moments lie microseconds apart.
double press(const std::string& key, const std::string& path)
{
    const Capture capture = readHeader(readBytes(path, 4096), path);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        throw std::runtime_error("no X display");
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(key.c_str()));
    if (code == 0)
    {
        XCloseDisplay(display);
        throw std::runtime_error("no key " + key);
    }
    const std::size_t bytes = std::filesystem::file_size(path);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XFlush(display);
    XCloseDisplay(display);
    return secondsAt(capture, bytes);
}

std::size_t frameAt(const Capture& capture, double seconds)
{
    return std::min(capture.mid.size(),
                    static_cast<std::size_t>(std::max(0.0, seconds) * capture.rate));
}

double rms(const Capture& capture, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(capture.mid[i]) * capture.mid[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

/// Averages blocks of `factor` samples: enough detail for matching, far less work.
std::vector<float> decimate(const std::vector<float>& samples, std::size_t from, std::size_t to,
                            std::size_t factor)
{
    std::vector<float> out;
    for (std::size_t i = from; i + factor <= to; i += factor)
    {
        float sum = 0;
        for (std::size_t k = 0; k < factor; ++k)
            sum += samples[i + k];
        out.push_back(sum / static_cast<float>(factor));
    }
    return out;
}

void find(const Capture& capture, const std::vector<float>& sound, double from, double to)
{
    const std::size_t factor = 4;
    const std::vector<float> pattern = decimate(sound, 0, sound.size(), factor);
    const std::size_t first = frameAt(capture, from);
    const std::size_t last = std::min(capture.mid.size(), frameAt(capture, to) + sound.size());
    const std::vector<float> heard = decimate(capture.mid, first, last, factor);
    if (pattern.empty() || heard.size() < pattern.size())
        throw std::runtime_error("the capture is too short");
    double patternEnergy = 0;
    for (const float p : pattern)
        patternEnergy += static_cast<double>(p) * p;
    double best = -2;
    std::size_t bestLag = 0;
    for (std::size_t lag = 0; lag + pattern.size() <= heard.size(); ++lag)
    {
        double dot = 0, energy = 0;
        for (std::size_t i = 0; i < pattern.size(); ++i)
        {
            dot += static_cast<double>(heard[lag + i]) * pattern[i];
            energy += static_cast<double>(heard[lag + i]) * heard[lag + i];
        }
        const double correlation = energy > 0 ? dot / std::sqrt(energy * patternEnergy) : 0;
        if (correlation > best)
        {
            best = correlation;
            bestLag = lag;
        }
    }
    std::cout << static_cast<double>(first + bestLag * factor) / capture.rate << ' ' << best
              << '\n';
}
} // namespace

int main(int argc, char* argv[])
{
    try
    {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if ((args.size() == 2 || args.size() == 3) && args[0] == "frames")
        {
            // Only the header is read: this runs while the game plays, and must be quick.
            const Capture capture = readHeader(readBytes(args[1], 4096), args[1]);
            const std::size_t bytes =
                args.size() == 3 ? std::stoul(args[2]) : std::filesystem::file_size(args[1]);
            const double seconds = secondsAt(capture, bytes);
            std::cout << std::lround(seconds * capture.rate) << ' ' << capture.rate << ' '
                      << seconds << '\n';
        }
        else if (args.size() == 3 && args[0] == "press")
        {
            std::cout << press(args[1], args[2]) << '\n';
        }
        else if (args.size() == 4 && args[0] == "level")
        {
            const Capture capture = readCapture(args[1]);
            const double from = std::stod(args[2]);
            std::cout << rms(capture, frameAt(capture, from),
                             frameAt(capture, from + std::stod(args[3])))
                      << '\n';
        }
        else if (args.size() == 5 && args[0] == "quietest")
        {
            const Capture capture = readCapture(args[1]);
            const std::size_t window = frameAt(capture, std::stod(args[4]));
            const std::size_t to = frameAt(capture, std::stod(args[3]));
            double quietest = 1e9;
            for (std::size_t at = frameAt(capture, std::stod(args[2])); at + window <= to;
                 at += std::max<std::size_t>(1, window / 2))
                quietest = std::min(quietest, rms(capture, at, at + window));
            std::cout << quietest << '\n';
        }
        else if ((args.size() == 5 || args.size() == 7) && args[0] == "find")
        {
            const Capture capture = readCapture(args[1]);
            const double soundFrom = args.size() == 7 ? std::stod(args[5]) : 0.0;
            const double soundLength = args.size() == 7 ? std::stod(args[6]) : 0.0;
            find(capture, readSound(args[2], capture.rate, soundFrom, soundLength),
                 std::stod(args[3]), std::stod(args[4]));
        }
        else
        {
            std::cerr << "usage: see the top of tools/harness/listen/main.cpp\n";
            return 2;
        }
        return 0;
    }
    catch (const std::exception& error)
    {
        std::cerr << "woodrun-listen: " << error.what() << '\n';
        return 1;
    }
}
