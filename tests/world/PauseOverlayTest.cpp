#include "world/PauseOverlay.hpp"

#include "support/ScratchDirectory.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

TEST(PauseOverlay, PauseSitsInTheMiddleOfAWindowOfAnySize)
{
    ScratchDirectory dir;
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile("engo.ttf"));
    PauseOverlay overlay(font);
    for (const sf::Vector2u size : {sf::Vector2u(800, 600), sf::Vector2u(1920, 1080)})
    {
        sf::RenderTexture target;
        ASSERT_TRUE(target.create(size.x, size.y));
        overlay.draw(target);
        // The glyphs themselves are centred, not the line they stand on.
        const sf::FloatRect glyphs = overlay.getText().getGlobalBounds();
        EXPECT_NEAR(glyphs.left + glyphs.width / 2, size.x / 2.f, 1.f);
        EXPECT_NEAR(glyphs.top + glyphs.height / 2, size.y / 2.f, 1.f);
    }
}
