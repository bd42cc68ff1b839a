#include "support/PlayableWorld.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
/// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(sf::Color colour)
{
    const auto linear = [](sf::Uint8 channel)
    {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

sf::Image picture(World& world, sf::RenderTexture& target)
{
    target.clear();
    world.render(target);
    target.display();
    return target.getTexture().copyToImage();
}

/// How a character stands out from the forest right behind it: the shares of
/// its pixels whose luminance contrast with the forest pixel they cover (the
/// lighter over the darker, as for text on a page) is at least 3 to 1 and at
/// least 1.5 to 1.
struct Contrast
{
    double strong = 0.0;
    double visible = 0.0;
};

Contrast contrastOf(World& world, sf::RenderTexture& target, std::size_t character)
{
    auto& entities = world.getEntities();
    const sf::Vector2f place = entities[character]->getPosition();
    const sf::Image with = picture(world, target);
    entities[character]->setPosition({place.x, place.y + 100000.f});
    const sf::Image without = picture(world, target);
    entities[character]->setPosition(place);

    std::vector<double> ratios;
    for (unsigned y = 0; y < with.getSize().y; ++y)
        for (unsigned x = 0; x < with.getSize().x; ++x)
            if (with.getPixel(x, y) != without.getPixel(x, y))
            {
                const double a = luminance(with.getPixel(x, y)) + 0.05;
                const double b = luminance(without.getPixel(x, y)) + 0.05;
                ratios.push_back(std::max(a, b) / std::min(a, b));
            }
    if (ratios.empty())
        return {};
    const auto share = [&ratios](double least)
    {
        const auto count = std::count_if(ratios.begin(), ratios.end(),
                                         [least](double ratio) { return ratio >= least; });
        return static_cast<double>(count) / static_cast<double>(ratios.size());
    };
    return {share(3.0), share(1.5)};
}

class CharacterContrast : public testing::TestWithParam<sf::Vector2u>
{
};
} // namespace

// Characters must read clearly against the dusk forest at any window size:
// their light parts (armour, bones; a quarter of them at least) stand out 3 to
// 1, and most of them (three fifths) visibly, 1.5 to 1. Dark outlines and the
// red cape stand out by colour more than by lightness.
TEST_P(CharacterContrast, HeroAndSkeletonStandOutFromTheForest)
{
    const sf::Vector2u size = GetParam();
    PlayableWorld playable(size);
    World& world = playable.world;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(size.x, size.y));

    // Run a little way and look at the hero and the skeleton, several times.
    playable.keys.script.setKey(sf::Keyboard::D, true);
    for (int look = 0; look < 4; ++look)
    {
        for (int frame = 0; frame < 25; ++frame)
            world.update(1.f / 60.f);
        for (const std::size_t character : {0u, 1u})
        {
            const Contrast contrast = contrastOf(world, target, character);
            const std::string who = character == 0 ? "hero" : "skeleton";
            EXPECT_GE(contrast.strong, 0.25) << who << ", look " << look;
            EXPECT_GE(contrast.visible, 0.6) << who << ", look " << look;
            RecordProperty(who + std::to_string(look), std::to_string(contrast.strong) + " " +
                                                           std::to_string(contrast.visible));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, CharacterContrast,
                         testing::Values(sf::Vector2u(800, 600), sf::Vector2u(1920, 1080)));
