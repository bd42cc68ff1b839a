// Feeds arbitrary bytes to the settings reader as a settings file and checks
// what the reader promises: nothing crashes, every field is its default or a
// value the file gave (a window size within range), and what it returns
// survives being written and read back unchanged.
#include "settings/Settings.hpp"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
/// Whether some line of the file sets `key` to a number that reads as `value`,
/// told apart from the reader: blanks, an optional sign, digits.
bool fileSets(const std::string& file, const std::string& key, std::uint32_t value)
{
    std::istringstream lines(file);
    std::string line;
    while (std::getline(lines, line))
    {
        if (line.compare(0, key.size() + 1, key + "=") != 0)
            continue;
        std::size_t i = key.size() + 1;
        while (i < line.size() && std::string(" \t\n\v\f\r").find(line[i]) != std::string::npos)
            ++i;
        if (i < line.size() && line[i] == '+')
            ++i;
        while (i + 1 < line.size() && line[i] == '0')
            ++i;
        const std::string digits = std::to_string(value);
        if (line.compare(i, digits.size(), digits) == 0 &&
            (i + digits.size() == line.size() ||
             !(line[i + digits.size()] >= '0' && line[i + digits.size()] <= '9')))
            return true;
    }
    return false;
}

bool fileSetsFullscreen(const std::string& file)
{
    std::istringstream lines(file);
    std::string line;
    while (std::getline(lines, line))
        if (line == "fullscreen=1" || line == "fullscreen=1\r")
            return true;
    return false;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool inRange(std::uint32_t size)
{
    return size >= minWindowDimension && size <= maxWindowDimension;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    std::istringstream in(file);
    const Settings read = readSettings(in);
    const Settings defaults;

    check(read.width == defaults.width || (inRange(read.width) && fileSets(file, "width", read.width)));
    check(read.height == defaults.height ||
          (inRange(read.height) && fileSets(file, "height", read.height)));
    check(!read.fullscreen || fileSetsFullscreen(file));

    std::ostringstream out;
    writeSettings(out, read);
    std::istringstream back(out.str());
    check(readSettings(back) == read);
    return 0;
}
