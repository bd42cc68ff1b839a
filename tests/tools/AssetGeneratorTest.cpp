// Checks the generated art against what the game relies on: file layout, sheet
// sizes, frame placement, seamless tiling and byte-for-byte repeatable output.

#include "AssetGenerator.hpp"

#include "Canvas.hpp"
#include "Rig.hpp"
#include "Rng.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

namespace
{
namespace fs = std::filesystem;

const std::vector<AssetGenerator::Asset>& assets()
{
    static const std::vector<AssetGenerator::Asset> all = AssetGenerator().build();
    return all;
}

const sf::Image& image(const std::string& relativePath)
{
    for (const auto& asset : assets())
        if (asset.relativePath == fs::path(relativePath))
            return asset.image;
    throw std::runtime_error("no asset " + relativePath);
}

// For plain paths: GCC 14 takes a reference returned from a call that was
// handed a temporary std::string for one that may dangle.
const sf::Image& image(const char* relativePath)
{
    return image(std::string(relativePath));
}

bool solid(const sf::Image& img, int x, int y)
{
    return img.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 0;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// A new directory's path, its name unique to this run: test runs of other
/// checkouts may share the temporary directory at the same time.
fs::path freshDir(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("woodrun-asset-test-" + name + "-" +
                                                      std::to_string(std::random_device()()));
    fs::remove_all(dir);
    return dir;
}

/// A character animation as laid out in its sheet.
struct Animation
{
    std::string path;
    int frames;
    int cell; ///< Distance between frame starts.
    int width;
    int height;
    bool hero;
};

const std::vector<Animation>& animations()
{
    static const std::vector<Animation> all = {
        {"Player/_Idle.png", 10, 120, 96, 40, true},
        {"Player/_Run.png", 10, 120, 96, 40, true},
        {"Player/_Jump.png", 1, 96, 96, 40, true},
        {"Skeleton_Without_VFX/Skeleton_01_White_Idle.png", 8, 96, 96, 64, false},
        {"Skeleton_Without_VFX/Skeleton_01_White_Walk.png", 10, 96, 96, 64, false},
        {"Skeleton_Without_VFX/Skeleton_01_White_Attack2.png", 8, 96, 96, 64, false},
    };
    return all;
}

/// Mean colour difference between two columns of a rectangle, ignoring rows where
/// both are transparent.
double columnDistance(const sf::Image& img, const sf::IntRect& r, int a, int b)
{
    double sum = 0.0;
    for (int y = r.top; y < r.top + r.height; ++y)
    {
        const sf::Color p =
            img.getPixel(static_cast<unsigned>(r.left + a), static_cast<unsigned>(y));
        const sf::Color q =
            img.getPixel(static_cast<unsigned>(r.left + b), static_cast<unsigned>(y));
        if (p.a == 0 && q.a == 0)
            continue;
        sum +=
            std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) + std::abs(p.a - q.a);
    }
    return sum / r.height;
}

/// When copies sit side by side, the step from the last column to the first must
/// look like any other step between neighbouring columns.
void expectSeamless(const sf::Image& img, const sf::IntRect& r, const std::string& name)
{
    double interior = 0.0;
    for (int x = 0; x + 1 < r.width; ++x)
        interior += columnDistance(img, r, x, x + 1);
    interior /= r.width - 1;
    EXPECT_LE(columnDistance(img, r, r.width - 1, 0), 3.0 * interior + 4.0) << name;
}

double transparentShare(const sf::Image& img, int top, int bottom)
{
    int clear = 0;
    const int w = static_cast<int>(img.getSize().x);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < w; ++x)
            clear += solid(img, x, y) ? 0 : 1;
    return static_cast<double>(clear) / (w * (bottom - top));
}

double meanBrightness(const sf::Image& img)
{
    double sum = 0.0;
    int count = 0;
    for (unsigned y = 0; y < img.getSize().y; ++y)
        for (unsigned x = 0; x < img.getSize().x; ++x)
            if (const sf::Color c = img.getPixel(x, y); c.a != 0)
            {
                sum += c.r + c.g + c.b;
                ++count;
            }
    return count ? sum / count : 0.0;
}

const std::vector<std::string>& forestLayers()
{
    static const std::vector<std::string> all = {
        "parallax_demon_woods_pack/layers/parallax-demon-woods-bg.png",
        "parallax_demon_woods_pack/layers/parallax-demon-woods-far-trees.png",
        "parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png",
        "parallax_demon_woods_pack/layers/parallax-demon-woods-close-trees.png",
    };
    return all;
}
} // namespace

TEST(AssetFiles, EveryRunWritesTheSameFilesByteForByte)
{
    const fs::path first = freshDir("first");
    const fs::path second = freshDir("second");
    ASSERT_TRUE(AssetGenerator().writeAll(first).empty());
    ASSERT_TRUE(AssetGenerator().writeAll(second).empty());
    ASSERT_EQ(assets().size(), 11u);
    for (const auto& asset : assets())
    {
        const std::string bytes = readFile(first / asset.relativePath);
        ASSERT_FALSE(bytes.empty()) << asset.relativePath;
        EXPECT_EQ(bytes, readFile(second / asset.relativePath)) << asset.relativePath;
        // What lands on disk is exactly what was painted.
        sf::Image loaded;
        ASSERT_TRUE(loaded.loadFromFile((first / asset.relativePath).string()));
        ASSERT_EQ(loaded.getSize(), asset.image.getSize()) << asset.relativePath;
        EXPECT_TRUE(std::equal(loaded.getPixelsPtr(),
                               loaded.getPixelsPtr() + loaded.getSize().x * loaded.getSize().y * 4,
                               asset.image.getPixelsPtr()))
            << asset.relativePath;
    }
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(AssetFiles, UnwritableOutputIsReportedAsFailure)
{
    // A plain file where the output folder should be: nothing can be written.
    const fs::path dir = freshDir("blocked");
    fs::create_directories(dir);
    const fs::path blocker = dir / "not-a-folder";
    std::ofstream(blocker) << "x";
    EXPECT_EQ(AssetGenerator().writeAll(blocker).size(), assets().size());
    fs::remove_all(dir);
}

TEST(Sheets, HaveTheSizesTheGameExpects)
{
    for (const Animation& a : animations())
        EXPECT_EQ(image(a.path).getSize(),
                  sf::Vector2u(static_cast<unsigned>(a.frames == 1 ? a.width : a.frames * a.cell),
                               static_cast<unsigned>(a.height)))
            << a.path;
    for (const std::string& layer : forestLayers())
        EXPECT_EQ(image(layer).getSize(), sf::Vector2u(480, 270)) << layer;
    EXPECT_EQ(image("Texture/TX Tileset Ground.png").getSize(), sf::Vector2u(384, 144));
}

TEST(Characters, ContentStaysInsideItsFrame)
{
    // The knight is mirrored about x = 48, so it keeps clear of the frame's outer
    // columns; skeleton frames touch each other, so they keep a one-pixel margin.
    for (const Animation& a : animations())
    {
        const sf::Image& img = image(a.path);
        const int minX = a.hero ? 8 : 1;
        const int maxX = a.hero ? 87 : a.width - 2;
        int strays = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < static_cast<int>(img.getSize().x); ++x)
                if (solid(img, x, y) && (x % a.cell < minX || x % a.cell > maxX || y == 0))
                    ++strays;
        EXPECT_EQ(strays, 0) << a.path;
    }
}

TEST(Characters, EveryFrameDiffersFromTheNext)
{
    for (const Animation& a : animations())
    {
        const sf::Image& img = image(a.path);
        for (int i = 0; a.frames > 1 && i < a.frames; ++i)
        {
            const int j = (i + 1) % a.frames;
            bool same = true;
            for (int y = 0; y < a.height && same; ++y)
                for (int x = 0; x < a.width && same; ++x)
                    same = img.getPixel(static_cast<unsigned>(i * a.cell + x),
                                        static_cast<unsigned>(y)) ==
                           img.getPixel(static_cast<unsigned>(j * a.cell + x),
                                        static_cast<unsigned>(y));
            EXPECT_FALSE(same) << a.path << " frames " << i << " and " << j;
        }
    }
}

TEST(Characters, StandOnTheBottomRowAtTheCentreWithCrispPixels)
{
    for (const Animation& a : animations())
    {
        const sf::Image& img = image(a.path);
        for (int i = 0; i < a.frames; ++i)
        {
            const int left = i * a.cell;
            bool footing = false;
            for (int x = 48 - 10; x <= 48 + 10; ++x)
                footing = footing || solid(img, left + x, a.height - 1);
            EXPECT_TRUE(footing) << a.path << " frame " << i;

            int top = a.height;
            for (int y = 0; y < a.height; ++y)
                for (int x = 0; x < a.width; ++x)
                {
                    const sf::Uint8 alpha =
                        img.getPixel(static_cast<unsigned>(left + x), static_cast<unsigned>(y)).a;
                    EXPECT_TRUE(alpha == 0 || alpha == 255)
                        << a.path << " at " << left + x << "," << y;
                    if (alpha != 0)
                        top = std::min(top, y);
                }
            // Standing poses keep the character's height; jump and attack stretch it.
            const int tall = a.height - top;
            if (a.path.find("Jump") == std::string::npos &&
                a.path.find("Attack") == std::string::npos)
            {
                EXPECT_GE(tall, a.hero ? 30 : 36) << a.path << " frame " << i;
                EXPECT_LE(tall, a.hero ? 38 : 46) << a.path << " frame " << i;
            }
        }
    }
}

TEST(Tiles, LevelTileIsSolidGrassThatRepeatsWithoutASeam)
{
    const sf::Image& sheet = image("Texture/TX Tileset Ground.png");
    // The game stretches pixel (0, 0) over empty cells, so it must be see-through.
    EXPECT_EQ(sheet.getPixel(0, 0).a, 0);
    const sf::IntRect tile(335, 96, 36, 36);
    expectSeamless(sheet, tile, "grass tile");
    for (int x = 0; x < tile.width; ++x)
    {
        EXPECT_FALSE(solid(sheet, tile.left + x, tile.top)) << "sky above the grass, column " << x;
        for (int y = 14; y < tile.height; ++y)
            EXPECT_TRUE(solid(sheet, tile.left + x, tile.top + y)) << "earth at " << x << "," << y;
    }
}

TEST(Forest, LayersRepeatWithoutASeam)
{
    for (const std::string& layer : forestLayers())
        expectSeamless(image(layer), {0, 0, 480, 270}, layer);
}

TEST(Forest, NearerLayersAreDarkerAndLetFartherOnesShowThrough)
{
    EXPECT_EQ(transparentShare(image(forestLayers()[0]), 0, 270), 0.0);
    for (std::size_t i = 1; i < forestLayers().size(); ++i)
    {
        EXPECT_GT(transparentShare(image(forestLayers()[i]), 0, 270), 0.3) << forestLayers()[i];
        // The sky is left out: its top is darker than any tree.
        if (i >= 2)
        {
            EXPECT_LT(meanBrightness(image(forestLayers()[i])),
                      meanBrightness(image(forestLayers()[i - 1])))
                << forestLayers()[i];
        }
    }
    // The close layer frames the scene but leaves the middle band open for the fight.
    EXPECT_GT(transparentShare(image(forestLayers()[3]), 95, 175), 0.75);
}

TEST(Tiles, OtherTileRectanglesTheGameCutsArePainted)
{
    // Tiles 1, 3 and 4 (left, top, width, height); 1 and 4 share the stone block
    // whose rounded corner holds the transparent pixel (0, 0).
    const sf::Image& sheet = image("Texture/TX Tileset Ground.png");
    for (const sf::IntRect r :
         {sf::IntRect(0, 0, 36, 36), sf::IntRect(110, 0, 35, 40), sf::IntRect(15, 0, 40, 40)})
    {
        int painted = 0;
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x)
                painted += solid(sheet, x, y) ? 1 : 0;
        EXPECT_GE(painted, r.width * r.height - 3) << r.left << "," << r.top;
    }
}

TEST(Drawing, CanvasStaysInsideItsRectangleOrWrapsAround)
{
    sf::Image img;
    img.create(12, 8, sf::Color::Transparent);
    // Reaches past the image on purpose: the canvas must clip, not write out of bounds.
    Canvas clipped(img, {6, 2, 20, 3});
    clipped.fillRect(-5, -5, 40, 40, sf::Color::Red);
    clipped.line({-4.0f, 1.0f}, {30.0f, 1.0f}, sf::Color::Green, 5);
    for (unsigned y = 0; y < 8; ++y)
        for (unsigned x = 0; x < 12; ++x)
            EXPECT_EQ(img.getPixel(x, y).a != 0, x >= 6 && y >= 2 && y < 5) << x << "," << y;

    img.create(8, 2, sf::Color::Transparent);
    Canvas wrapped(img, {0, 0, 8, 2}, true);
    wrapped.fillRect(6, 0, 4, 1, sf::Color::Red);
    for (unsigned x = 0; x < 8; ++x)
        EXPECT_EQ(img.getPixel(x, 0).a != 0, x >= 6 || x <= 1) << x;
    EXPECT_EQ(wrapped.pixel(-1, 0), sf::Color::Red);
    EXPECT_EQ(wrapped.pixel(3, 5), sf::Color::Transparent);
}

TEST(Drawing, OutlineRingsShapesWithoutPaintingOverThem)
{
    sf::Image img;
    img.create(7, 7, sf::Color::Transparent);
    Canvas canvas(img, {0, 0, 7, 7});
    canvas.plot(3, 3, sf::Color::White);
    canvas.outline(sf::Color::Black);
    EXPECT_EQ(img.getPixel(3, 3), sf::Color::White);
    int ring = 0;
    for (unsigned y = 0; y < 7; ++y)
        for (unsigned x = 0; x < 7; ++x)
            ring += img.getPixel(x, y) == sf::Color::Black ? 1 : 0;
    EXPECT_EQ(ring, 4);

    // Pasting a layer keeps what is under its transparent pixels.
    sf::Image layer;
    layer.create(7, 7, sf::Color::Transparent);
    layer.setPixel(0, 0, sf::Color::Blue);
    canvas.paste(layer, 0, 0);
    EXPECT_EQ(img.getPixel(0, 0), sf::Color::Blue);
    EXPECT_EQ(img.getPixel(3, 3), sf::Color::White);
}

TEST(Drawing, RandomNumbersAreRepeatableAndInRange)
{
    // Reference output of splitmix64 seeded with 0 (upper 32 bits): the art depends
    // on this exact sequence on every platform.
    EXPECT_EQ(Rng(0).next(), 0xE220A839u);
    Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 50; ++i)
    {
        const std::uint32_t x = a.next();
        EXPECT_EQ(x, b.next());
        differs = differs || x != c.next();
    }
    EXPECT_TRUE(differs);

    Rng rng(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i)
    {
        seen.insert(rng.range(-2, 3));
        const float u = rng.unit();
        ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
    }
    EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1, 2, 3}));
    EXPECT_EQ(rng.range(5, 5), 5);
    EXPECT_EQ(rng.range(9, 2), 9);
}

TEST(Drawing, LimbJointsKeepBoneLengthsAndBendTheAskedWay)
{
    const sf::Vector2f hip(10.0f, 10.0f), ankle(11.0f, 20.0f);
    const auto length = [](sf::Vector2f v) { return std::hypot(v.x, v.y); };
    for (const bool forward : {true, false})
    {
        const sf::Vector2f knee = Rig::bend(hip, ankle, 6.0f, 6.0f, forward);
        EXPECT_NEAR(length(knee - hip), 6.0f, 1e-3f);
        EXPECT_NEAR(length(ankle - knee), 6.0f, 1e-3f);
        EXPECT_EQ(knee.x > 10.5f, forward);
    }
    // Out of reach: the limb points straight at the target, full length.
    const sf::Vector2f straight = Rig::bend(hip, {10.0f, 40.0f}, 6.0f, 6.0f, true);
    EXPECT_NEAR(straight.x, 10.0f, 1e-3f);
    EXPECT_NEAR(straight.y, 16.0f, 1e-3f);
    const sf::Vector2f down = Rig::reach(hip, 0.0f, 5.0f);
    const sf::Vector2f ahead = Rig::reach(hip, 90.0f, 5.0f);
    EXPECT_NEAR(down.y, 15.0f, 1e-4f);
    EXPECT_NEAR(ahead.x, 15.0f, 1e-4f);
}
