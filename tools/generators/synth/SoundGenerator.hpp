#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// Makes every sound woodrun plays and writes them under the game's folder, at
/// the paths the game loads: short effects as WAV files, the two looping
/// themes as OGG Vorbis.
class SoundGenerator
{
public:
    /// One sound and where it goes, relative to the game's folder.
    struct Sound
    {
        std::filesystem::path relativePath;
        unsigned channels;
        std::vector<float> samples; ///< interleaved, within -1 to 1
        bool loops;                 ///< music: its end runs on into its start
        std::size_t loopFrom = 0;   ///< where the loop starts, in frames
        std::size_t loopLength = 0; ///< its length in frames; the rest is its margins
    };

    /// Makes all sounds in memory; the result is the same on every call.
    std::vector<Sound> build() const;

    /// Makes and writes all sounds below outputDir, creating directories as
    /// needed. Returns one message per file that could not be written.
    std::vector<std::string> writeAll(const std::filesystem::path& outputDir) const;

    /// Writes one sound, as WAV or OGG Vorbis by the file's extension, the same
    /// bytes every time. False when the file cannot be written.
    static bool write(const Sound& sound, const std::filesystem::path& file);
};
