#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

/// The graphics settings that persist between runs in settings.cfg.
struct Settings
{
    std::uint32_t width = 800;  ///< window width in pixels, when not fullscreen
    std::uint32_t height = 600; ///< window height in pixels, when not fullscreen
    bool fullscreen = false;    ///< fullscreen in the desktop mode

    bool operator==(const Settings& other) const
    {
        return width == other.width && height == other.height && fullscreen == other.fullscreen;
    }
    bool operator!=(const Settings& other) const { return !(*this == other); }
};

/// The settings file the game reads at start and rewrites when settings are applied.
inline const std::string settingsFileName = "settings.cfg";

/// Window sizes outside this range are ignored when read.
constexpr std::uint32_t minWindowDimension = 1;
constexpr std::uint32_t maxWindowDimension = 16384;

/// Reads key=value lines; anything malformed is skipped and the field keeps its value.
Settings readSettings(std::istream& in);

/// Writes the three lines of the settings file.
void writeSettings(std::ostream& out, const Settings& settings);

/// The settings in the file, or the defaults where the file or a line is missing or bad.
Settings loadSettings(const std::string& path = settingsFileName);

/// Replaces the file whole, through a temporary file beside it, so it is never
/// left half written. A symbolic link is followed: the file it leads to is
/// replaced (its temporary file beside it) and the link stays. On failure the
/// old file stays as it was, one line goes to standard error, and the result
/// is false.
bool saveSettings(const Settings& settings, const std::string& path = settingsFileName);
