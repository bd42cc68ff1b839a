#include "settings/Settings.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <system_error>

namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// A window dimension read like a C string-to-integer conversion: blanks, an
/// optional sign, then digits up to the first non-digit. Values that do not
/// start with a number, overflow or fall outside the allowed range give nothing.
std::optional<std::uint32_t> parseDimension(const std::string& value)
{
    std::size_t i = 0;
    while (i < value.size() && isBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
    {
        negative = value[i] == '-';
        ++i;
    }
    if (i >= value.size() || !isDigit(value[i]))
        return std::nullopt;

    std::uint64_t number = 0;
    for (; i < value.size() && isDigit(value[i]); ++i)
    {
        number = number * 10 + static_cast<std::uint64_t>(value[i] - '0');
        if (number > maxWindowDimension)
            return std::nullopt;
    }
    if (negative || number < minWindowDimension)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

/// The file a save replaces: the path itself or, when it is a symbolic link,
/// the file at the end of its chain of links, so that a linked settings file
/// is updated where it lives and the link stays a link. Nothing for a chain
/// that goes round in a loop.
std::optional<std::filesystem::path> fileToReplace(const std::filesystem::path& path)
{
    constexpr int maxLinks = 40; // as many as the system itself follows
    std::filesystem::path file = path;
    for (int links = 0; links <= maxLinks; ++links)
    {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error)))
            return file;
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error)
            return std::nullopt;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return std::nullopt;
}

/// Writes the settings to a temporary file beside `file` and renames it over
/// `file`, within one directory and so one file system: `file` is either left
/// as it was or replaced whole.
bool replaceWhole(const std::filesystem::path& file, const Settings& settings)
{
    const std::filesystem::path temporary = file.string() + ".tmp";
    bool created = false;
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::trunc);
        created = out.is_open();
        if (created)
        {
            writeSettings(out, settings);
            out.close();
            written = !out.fail();
        }
    }

    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, file, error);
    if (written && !error)
        return true;
    if (created)
        std::filesystem::remove(temporary, error);
    return false;
}

} // namespace

Settings readSettings(std::istream& in)
{
    Settings settings;
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals + 1 == line.size())
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);

        if (key == "width" || key == "height")
        {
            if (const auto dimension = parseDimension(value))
                (key == "width" ? settings.width : settings.height) = *dimension;
        }
        else if (key == "fullscreen")
        {
            settings.fullscreen = value == "1";
        }
    }
    return settings;
}

void writeSettings(std::ostream& out, const Settings& settings)
{
    out << "width=" << settings.width << '\n'
        << "height=" << settings.height << '\n'
        << "fullscreen=" << (settings.fullscreen ? "1" : "0") << '\n';
}

Settings loadSettings(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        return Settings{};
    return readSettings(in);
}

bool saveSettings(const Settings& settings, const std::string& path)
{
    const std::optional<std::filesystem::path> file = fileToReplace(path);
    if (!file || !replaceWhole(*file, settings))
    {
        std::cerr << "Не удалось сохранить настройки" << std::endl;
        return false;
    }
    return true;
}
