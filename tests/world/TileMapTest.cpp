#include "world/TileMap.hpp"

#include "kit/ScriptedInput.hpp"
#include "support/ScratchDirectory.hpp"
#include "world/World.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace
{
const std::string tileset = "Texture/TX Tileset Ground.png";
const std::unordered_map<int, sf::IntRect> table{{2, {335, 96, 36, 36}}, {3, {110, 0, 35, 40}}};

void expectQuad(const sf::VertexArray& vertices, std::size_t first,
                const std::array<sf::Vector2f, 4>& positions,
                const std::array<sf::Vector2f, 4>& texCoords)
{
    for (std::size_t corner = 0; corner < 4; ++corner)
    {
        EXPECT_EQ(vertices[first + corner].position, positions[corner]) << "corner " << corner;
        EXPECT_EQ(vertices[first + corner].texCoords, texCoords[corner]) << "corner " << corner;
    }
}
} // namespace

TEST(Level, IsOneRowOfGroundTilesUnderSixRowsOfAir)
{
    ScratchDirectory dir;
    ScriptedInput input;
    World world({800, 600}, input.input);
    world.loadLevel({800, 600});
    const TileMap& map = world.getTileMap();

    ASSERT_EQ(map.getVertices().getVertexCount(), 840u);
    EXPECT_EQ(map.getVertices().getPrimitiveType(), sf::Quads);
    EXPECT_EQ(map.getWidth(), 30u);
    EXPECT_EQ(map.getHeight(), 7u);
    EXPECT_EQ(map.getTileSize(), sf::Vector2u(36, 36));
    // Column 5 of the bottom row.
    expectQuad(map.getVertices(), 740, {{{180, 216}, {216, 216}, {216, 252}, {180, 252}}},
               {{{335, 96}, {371, 96}, {371, 132}, {335, 132}}});
    // Column 5 of the top row is air: its quad is placed but shows pixel (0, 0).
    expectQuad(map.getVertices(), 20, {{{180, 0}, {216, 0}, {216, 36}, {180, 36}}},
               {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}});
    // Drawn at twice its size, the bottom row spans the window's last 72 px.
    EXPECT_EQ(map.getPosition(), sf::Vector2f(0, 96));
}

TEST(Level, MissingTilesetIsReportedAndLeavesAnEmptyMap)
{
    ScratchDirectory dir({"Texture/TX Tileset Ground.png"});
    ScriptedInput input;
    World world({1920, 1080}, input.input);
    testing::internal::CaptureStderr();
    world.loadLevel({1920, 1080});
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Не удалось загрузить тайлмап!\n"), std::string::npos);

    const TileMap& map = world.getTileMap();
    EXPECT_EQ(map.getWidth(), 0u);
    EXPECT_EQ(map.getHeight(), 0u);
    EXPECT_EQ(map.getVertices().getVertexCount(), 0u);
    EXPECT_EQ(map.getPosition(), sf::Vector2f(0, 1080 - 504));
}

TEST(TileMap, UnknownNumbersAreReportedPerCellAndKeepTheirEarlierLook)
{
    ScratchDirectory dir;
    TileMap map;
    ASSERT_TRUE(map.load(tileset, {36, 36}, {2, 3, 0, 2}, 2, 2, table));
    expectQuad(map.getVertices(), 4, {{{36, 0}, {72, 0}, {72, 36}, {36, 36}}},
               {{{110, 0}, {145, 0}, {145, 40}, {110, 40}}});

    testing::internal::CaptureStderr();
    EXPECT_TRUE(map.load(tileset, {36, 36}, {7, 3, 0, 7}, 2, 2, {{3, {0, 0, 36, 36}}}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Неизвестный номер тайла: 7\nНеизвестный номер тайла: 7\n");
    // Cells of the unknown 7 keep what tile 2 gave them; the grid is replaced.
    EXPECT_EQ(map.getVertices()[0].texCoords, sf::Vector2f(335, 96));
    EXPECT_EQ(map.getVertices()[12].texCoords, sf::Vector2f(335, 96));
    EXPECT_EQ(map.getVertices()[4].texCoords, sf::Vector2f(0, 0));
    EXPECT_EQ(map.getTiles(), (std::vector<int>{7, 3, 0, 7}));
}

TEST(TileMap, TooFewTileNumbersAreRefusedWithoutReadingPastThem)
{
    ScratchDirectory dir;
    TileMap map;
    ASSERT_TRUE(map.load(tileset, {36, 36}, {2, 2}, 2, 1, table));

    testing::internal::CaptureStderr();
    EXPECT_FALSE(map.load(tileset, {36, 36}, {2, 2, 2}, 2, 2, table));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
    EXPECT_EQ(map.getHeight(), 1u);
    EXPECT_EQ(map.getTiles().size(), 2u);
    EXPECT_EQ(map.getVertices().getVertexCount(), 8u);
}

TEST(TileMap, IsDrawnThroughItsOwnTransform)
{
    ScratchDirectory dir;
    TileMap map;
    ASSERT_TRUE(map.load(tileset, {36, 36}, {2}, 1, 1, table));
    map.setPosition(10, 20);
    map.setScale(2, 2);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(100, 100));
    target.clear(sf::Color::Black);
    target.draw(map);
    target.display();
    const sf::Image picture = target.getTexture().copyToImage();
    const sf::Image sheet = []
    {
        sf::Image image;
        image.loadFromFile(tileset);
        return image;
    }();
    // The tile's bottom-right texel lands at the bottom-right of the 72-px cell.
    EXPECT_EQ(picture.getPixel(81, 91), sheet.getPixel(370, 131));
    EXPECT_EQ(picture.getPixel(5, 5), sf::Color::Black);
}
