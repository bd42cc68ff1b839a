// woodrun-shot: turns window dumps into PNG files and answers questions about
// screenshots for the end-to-end tests and the screenshot tour.
//
//   woodrun-shot png   <in.xwd> <out.png>
//   woodrun-shot count <image> <x> <y> <w> <h> <r> <g> <b> <tolerance>
//   woodrun-shot box   <image> <x> <y> <w> <h> <r> <g> <b> <tolerance>
//   woodrun-shot menu-item <play|settings|exit> <window width> <window height>
//   woodrun-shot settings-item <box|entry0..entry3|fullscreen|apply|back> <width> <height>
//
// count prints how many pixels of the rectangle lie within `tolerance` of the
// colour in every channel; box prints the bounding box of those pixels as
// "left top right bottom count", or "none". The image is a PNG, or a window
// dump when its name ends in .xwd (quicker for tests that look again and again).
// menu-item prints "left top" of a main menu item's text in a window of that
// size, from the game's own layout; settings-item a point "x y" well inside a
// widget of the settings screen (the open list's entries among them).
#include "menu/MenuLayout.hpp"
#include "settings_screen/SettingsLayout.hpp"
#include "shot/XwdReader.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace
{
int usage()
{
    std::cerr << "usage: woodrun-shot png <in.xwd> <out.png>\n"
                 "       woodrun-shot count|box <image> <x> <y> <w> <h> <r> <g> <b> <tolerance>\n"
                 "       woodrun-shot menu-item <play|settings|exit> <width> <height>\n"
                 "       woodrun-shot settings-item <box|entry0..entry3|fullscreen|apply|back> "
                 "<width> <height>\n";
    return 2;
}

std::optional<sf::Image> readDump(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string error;
    auto image = XwdReader::read(in, error);
    if (!image)
        std::cerr << path << ": " << error << '\n';
    return image;
}

int toPng(const std::string& input, const std::string& output)
{
    const auto image = readDump(input);
    return image && image->saveToFile(output) ? 0 : 1;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int scan(const std::string& command, const std::vector<std::string>& args)
{
    sf::Image image;
    if (endsWith(args[0], ".xwd"))
    {
        auto dump = readDump(args[0]);
        if (!dump)
            return 1;
        image = std::move(*dump);
    }
    else if (!image.loadFromFile(args[0]))
        return 1;
    std::vector<long> n;
    for (std::size_t i = 1; i < args.size(); ++i)
        n.push_back(std::strtol(args[i].c_str(), nullptr, 10));
    const long right = std::min<long>(n[0] + n[2], image.getSize().x);
    const long bottom = std::min<long>(n[1] + n[3], image.getSize().y);
    const sf::Color wanted(static_cast<sf::Uint8>(n[4]), static_cast<sf::Uint8>(n[5]),
                           static_cast<sf::Uint8>(n[6]));
    const long tolerance = n[7];

    long count = 0;
    long minX = right, minY = bottom, maxX = -1, maxY = -1;
    for (long y = std::max(0L, n[1]); y < bottom; ++y)
        for (long x = std::max(0L, n[0]); x < right; ++x)
        {
            const sf::Color c = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            if (std::abs(c.r - wanted.r) > tolerance || std::abs(c.g - wanted.g) > tolerance ||
                std::abs(c.b - wanted.b) > tolerance)
                continue;
            ++count;
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
        }

    if (command == "count")
        std::cout << count << '\n';
    else if (count == 0)
        std::cout << "none\n";
    else
        std::cout << minX << ' ' << minY << ' ' << maxX << ' ' << maxY << ' ' << count << '\n';
    return 0;
}
int menuItem(const std::vector<std::string>& args)
{
    const long cx = std::strtol(args[1].c_str(), nullptr, 10) / 2;
    const long cy = std::strtol(args[2].c_str(), nullptr, 10) / 2;
    for (const MenuItemOffset& item : menuItemOffsets)
    {
        if (args[0] != item.name)
            continue;
        std::cout << cx + item.x << ' ' << cy + item.y << '\n';
        return 0;
    }
    return usage();
}

int settingsItem(const std::vector<std::string>& args)
{
    namespace at = settingsLayout;
    const long cx = std::strtol(args[1].c_str(), nullptr, 10) / 2;
    const long height = std::strtol(args[2].c_str(), nullptr, 10);
    const std::string& name = args[0];
    // The middle of a box or an entry; 50 px into a text, down its line.
    long x = cx;
    long y = 0;
    if (name == "box")
        y = at::resolutionBox.top + static_cast<long>(at::resolutionBox.height) / 2;
    else if (name.size() == 6 && name.compare(0, 5, "entry") == 0 && name[5] >= '0' &&
             name[5] <= '3')
        y = static_cast<long>(at::entryTop + at::entryStep * (name[5] - '0')) + 15;
    else if (name == "fullscreen")
        x = cx + at::fullscreenLeft + 50, y = at::fullscreenTop + 20;
    else if (name == "apply")
        y = at::applyBox.top + static_cast<long>(at::applyBox.height) / 2;
    else if (name == "back")
        x = at::backLeft + 50, y = height - at::backAboveBottom + 15;
    else
        return usage();
    std::cout << x << ' ' << y << '\n';
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "png" && args.size() == 2)
        return toPng(args[0], args[1]);
    if ((command == "count" || command == "box") && args.size() == 9)
        return scan(command, args);
    if (command == "menu-item" && args.size() == 3)
        return menuItem(args);
    if (command == "settings-item" && args.size() == 3)
        return settingsItem(args);
    return usage();
}
