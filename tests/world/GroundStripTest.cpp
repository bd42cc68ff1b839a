#include "world/GroundStrip.hpp"

#include "support/ScratchDirectory.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

TEST(GroundStrip, RepeatsTheEndCellsOfTheBottomRowOutwardAndLeavesTheMapAlone)
{
    ScratchDirectory dir;
    // Three columns drawn at twice their size, the bottom row along the
    // window's bottom; its first and last cells look different.
    TileMap map;
    ASSERT_TRUE(map.load("Texture/TX Tileset Ground.png", {36, 36}, {0, 0, 0, 3, 2, 2}, 3, 2,
                         {{2, {335, 96, 36, 36}}, {3, {110, 0, 35, 40}}}));
    map.setScale(2, 2);
    map.setPosition(0, 600 - 144);

    // The view shows world x -292 to 508: the map lies at window x 292 to 508.
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(800, 600));
    target.setView(sf::View(sf::FloatRect(-292, 0, 800, 600)));
    const auto picture = [&](bool withStrip)
    {
        target.clear(sf::Color::Magenta);
        target.draw(map);
        if (withStrip)
            target.draw(GroundStrip(map));
        target.display();
        return target.getTexture().copyToImage();
    };
    const sf::Image mapAlone = picture(false);
    const sf::Image withStrip = picture(true);

    const int mapLeft = 292;
    const int mapRight = 292 + 216;
    for (unsigned y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
        {
            // Above the bottom row and over the map, nothing changes.
            int like = x;
            if (y >= 600 - 72 && x < mapLeft)
                like = mapLeft + ((x - mapLeft) % 72 + 72) % 72;
            else if (y >= 600 - 72 && x >= mapRight)
                like = mapRight - 72 + (x - mapRight) % 72;
            ASSERT_EQ(withStrip.getPixel(x, y), mapAlone.getPixel(like, y))
                << "at " << x << ", " << y;
        }
}
