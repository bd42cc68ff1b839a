// Checks the desktop icons: the theme's layout, a round badge, the knight on it
// at every size, crisp pixels where the sprite is enlarged, repeatable bytes,
// and the Windows icon read back as Windows reads it.

#include "IconPainter.hpp"

#include "AssetGenerator.hpp"
#include "HeroPainter.hpp"
#include "WindowsIcon.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <tuple>

namespace
{
namespace fs = std::filesystem;

using Rgb = std::tuple<int, int, int>;

Rgb rgb(sf::Color c)
{
    return {c.r, c.g, c.b};
}

/// Every colour of the knight's idle frame.
std::set<Rgb> knightColours()
{
    const sf::Image sheet = HeroPainter().idleSheet();
    std::set<Rgb> colours;
    for (unsigned y = 0; y < HeroPainter::frameHeight; ++y)
        for (unsigned x = 0; x < HeroPainter::frameWidth; ++x)
            if (sheet.getPixel(x, y).a != 0)
                colours.insert(rgb(sheet.getPixel(x, y)));
    return colours;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(Icons, EverySizeIsWrittenWhereTheIconThemeLooksTheSameEachRun)
{
    // Named for this run alone: other checkouts' tests may run at the same time.
    const std::string run = std::to_string(std::random_device()());
    const fs::path first = fs::temp_directory_path() / ("woodrun-icon-test-first-" + run);
    const fs::path second = fs::temp_directory_path() / ("woodrun-icon-test-second-" + run);
    ASSERT_TRUE(AssetGenerator().writeIcons(first).empty());
    ASSERT_TRUE(AssetGenerator().writeIcons(second).empty());

    std::set<unsigned> sizes;
    for (const unsigned size : {16u, 22u, 24u, 32u, 48u, 64u, 128u, 256u})
    {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        const fs::path relative = fs::path("hicolor") / square / "apps" / "woodrun.png";
        sf::Image icon;
        ASSERT_TRUE(icon.loadFromFile((first / relative).string())) << relative;
        EXPECT_EQ(icon.getSize(), sf::Vector2u(size, size)) << relative;
        EXPECT_EQ(readFile(first / relative), readFile(second / relative)) << relative;
        sizes.insert(size);
    }
    EXPECT_EQ(sizes, std::set<unsigned>(IconPainter::sizes.begin(), IconPainter::sizes.end()));
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(Icons, TheKnightStandsOnARoundBadgeAtEverySize)
{
    const IconPainter painter;
    const std::set<Rgb> knight = knightColours();
    for (const unsigned size : IconPainter::sizes)
    {
        const sf::Image icon = painter.icon(size);
        const unsigned last = size - 1;
        // Round: the corners stay clear, the middle of each edge is painted.
        for (const auto& [x, y] : {std::pair{0u, 0u}, {last, 0u}, {0u, last}, {last, last}})
            EXPECT_EQ(icon.getPixel(x, y).a, 0) << size << " at " << x << "," << y;
        EXPECT_GT(icon.getPixel(size / 2, size / 16).a, 128) << size;
        EXPECT_GT(icon.getPixel(size / 16, size / 2).a, 128) << size;

        // The knight: steel and the red cape, in the middle of the badge.
        int steel = 0, cape = 0;
        for (unsigned y = size / 8; y < size - size / 8; ++y)
            for (unsigned x = size / 4; x < size - size / 4; ++x)
            {
                const sf::Color c = icon.getPixel(x, y);
                steel += (c.r > 120 && c.b > 150 && c.b >= c.r) ? 1 : 0;
                cape += (c.r > 130 && c.g < 90 && c.b < 90) ? 1 : 0;
            }
        EXPECT_GE(steel, static_cast<int>(size * size / 40)) << size;
        EXPECT_GE(cape, std::max(1, static_cast<int>(size * size / 800))) << size;

        // Enlarged, the sprite keeps its own colours: no pixel of it is blurred.
        if (size < 128)
            continue;
        int foreign = 0;
        for (unsigned y = 0; y < size; ++y)
            for (unsigned x = size / 4; x < size - size / 4; ++x)
            {
                const sf::Color c = icon.getPixel(x, y);
                const bool badge = rgb(c) == Rgb{30, 30, 60} || rgb(c) == Rgb{72, 78, 132} ||
                                   rgb(c) == Rgb{236, 232, 200};
                if (c.a == 255 && !badge && knight.count(rgb(c)) == 0)
                    ++foreign;
            }
        // The badge's and the moon's smoothed edges are the only blends.
        EXPECT_LT(foreign, static_cast<int>(size)) << size;
    }
}

TEST(Icons, TheWindowsIconReadsBackAsItsPictures)
{
    const IconPainter painter;
    WindowsIcon icon;
    for (const unsigned size : {16u, 256u})
        icon.add(painter.icon(size));
    const std::vector<std::uint8_t> file = icon.bytes();
    const auto read = [&file](std::size_t at) // four bytes, lowest first
    {
        return static_cast<unsigned>(file.at(at) | file.at(at + 1) << 8 | file.at(at + 2) << 16 |
                                     file.at(at + 3) << 24);
    };
    for (const unsigned size : {16u, 256u})
    {
        const std::size_t bitmap = read(size == 16 ? 18 : 34); // from the directory
        // The bitmap's header: as wide as the picture, as high as it and its mask.
        EXPECT_EQ(read(bitmap + 4), size);
        EXPECT_EQ(read(bitmap + 8), 2 * size);
        // Its pixels, bottom row first: blue, green, red and alpha.
        const sf::Image picture = painter.icon(size);
        int wrong = 0;
        for (unsigned y = 0; y < size; ++y)
            for (unsigned x = 0; x < size; ++x)
            {
                const sf::Color c = picture.getPixel(x, y);
                wrong += read(bitmap + 40 + ((size - 1 - y) * size + x) * 4) !=
                         static_cast<unsigned>(c.a << 24 | c.r << 16 | c.g << 8 | c.b);
            }
        EXPECT_EQ(wrong, 0) << size;
    }
}
