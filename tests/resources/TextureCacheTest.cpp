#include "resources/TextureCache.hpp"

#include "support/ScratchDirectory.hpp"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
void writeImage(const std::string& path, unsigned width)
{
    sf::Image image;
    image.create(width, 4, sf::Color::Red);
    ASSERT_TRUE(image.saveToFile(path));
}
} // namespace

TEST(TextureCache, LoadsAnImageOnceAndHandsOutTheSameTexture)
{
    ScratchDirectory dir;
    writeImage("cached-once.png", 8);
    sf::Texture& first = TextureCache::get("cached-once.png");
    EXPECT_EQ(first.getSize(), sf::Vector2u(8, 4));

    // A changed file is not read again: the cached texture is handed out.
    writeImage("cached-once.png", 16);
    sf::Texture& second = TextureCache::get("cached-once.png");
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.getSize(), sf::Vector2u(8, 4));

    // Another spelling of the same file is another entry.
    sf::Texture& respelled = TextureCache::get("./cached-once.png");
    EXPECT_NE(&first, &respelled);
    EXPECT_EQ(respelled.getSize(), sf::Vector2u(16, 4));
}

TEST(TextureCache, MissingImageThrowsItsPathAndIsTriedAgainLater)
{
    ScratchDirectory dir;
    try
    {
        TextureCache::get("later/there.png");
        FAIL() << "a missing image loaded";
    }
    catch (const std::runtime_error& error)
    {
        EXPECT_STREQ(error.what(), "Failed to load texture: later/there.png");
    }
    EXPECT_FALSE(TextureCache::contains("later/there.png"));

    std::filesystem::create_directory("later");
    writeImage("later/there.png", 2);
    EXPECT_EQ(TextureCache::get("later/there.png").getSize(), sf::Vector2u(2, 4));
    EXPECT_TRUE(TextureCache::contains("later/there.png"));
}
