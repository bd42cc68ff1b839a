#include "world/ForestRenderer.hpp"

#include "kit/PictureDifference.hpp"
#include "world/Parallax.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <memory>

namespace
{
/// Layers made from images, each stretched to the window as the play screen
/// stretches the forest's.
class Layers
{
public:
    explicit Layers(sf::Vector2u window) : window(window) {}

    void add(const sf::Image& image)
    {
        images.push_back(image);
        textures.push_back(std::make_unique<sf::Texture>());
        ASSERT_TRUE(textures.back()->loadFromImage(image));
        sprites.push_back(std::make_unique<sf::Sprite>(*textures.back()));
        sprites.back()->setScale(static_cast<float>(window.x) / image.getSize().x,
                                 static_cast<float>(window.y) / image.getSize().y);
    }

    /// Every layer with its copies starting at world x `start`.
    std::vector<ForestRenderer::Layer> at(float start) const
    {
        std::vector<ForestRenderer::Layer> layers;
        for (const auto& sprite : sprites)
            layers.push_back({sprite.get(), {start - window.x, start, start + window.x}});
        return layers;
    }

    sf::Vector2u window;
    std::vector<sf::Image> images;
    std::vector<std::unique_ptr<sf::Texture>> textures;
    std::vector<std::unique_ptr<sf::Sprite>> sprites;
};

sf::Image filled(unsigned width, unsigned height, sf::Color color)
{
    sf::Image image;
    image.create(width, height, color);
    return image;
}

void paint(sf::Image& image, unsigned left, unsigned top, unsigned right, unsigned bottom,
           sf::Color color)
{
    for (unsigned y = top; y < bottom; ++y)
        for (unsigned x = left; x < right; ++x)
            image.setPixel(x, y, color);
}

using Spans = std::vector<std::pair<int, int>>;

/// The columns of one layer's clips, left to right.
Spans columnsOf(const std::vector<ForestRenderer::Clip>& clips, std::size_t layer)
{
    Spans spans;
    for (const ForestRenderer::Clip& clip : clips)
        if (clip.layer == layer)
            spans.emplace_back(clip.left, clip.right);
    std::sort(spans.begin(), spans.end());
    return spans;
}
} // namespace

TEST(ClipPlanner, BackLayerIsLeftOutWhereANearerOneIsOpaqueAndFollowsItAsItMoves)
{
    // A window 100 x 40, one band; every image column is 10 pixels wide.
    Layers layers({100, 40});
    layers.add(filled(10, 10, sf::Color::Blue));
    sf::Image bar = filled(10, 10, sf::Color::Transparent);
    paint(bar, 4, 0, 6, 10, sf::Color::Red); // window x 40 to 60 of each copy
    layers.add(bar);
    ClipPlanner planner({1.0, 40});
    planner.prepare(layers.images, layers.window);

    const auto& clips = planner.plan(layers.at(0.f), 0.f);
    EXPECT_EQ(columnsOf(clips, 0), (Spans{{0, 40}, {60, 100}}));
    // The bar's clip reaches a little beyond it: its edges may round either way.
    EXPECT_EQ(columnsOf(clips, 1), (Spans{{38, 62}}));
    for (const ForestRenderer::Clip& clip : clips)
    {
        EXPECT_EQ(clip.top, 0);
        EXPECT_EQ(clip.bottom, 40);
        EXPECT_EQ(clip.opaque, clip.layer == 0);
    }
    // Layers are drawn back to front.
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.back().layer, 1u);

    // The nearer layer scrolled by 15.3: its bar now covers x 24.7 to 44.7,
    // and the pixels whose centres it surely covers are 25 to 43.
    auto moved = layers.at(0.f);
    moved[1] = layers.at(-15.3f)[1];
    EXPECT_EQ(columnsOf(planner.plan(moved, 0.f), 0), (Spans{{0, 25}, {44, 100}}));

    // From 40.6 the bar misses pixel 40's centre: that pixel shows the layer
    // behind, however close the edge.
    moved[1] = layers.at(0.6f)[1];
    EXPECT_EQ(columnsOf(planner.plan(moved, 0.f), 0).front(), std::make_pair(0, 41));
}

TEST(ClipPlanner, GapsAreCutOutOnlyWhereThatIsWorthAClip)
{
    // Two small translucent blocks far apart in an otherwise empty layer.
    sf::Image blocks = filled(100, 20, sf::Color::Transparent);
    paint(blocks, 5, 4, 10, 12, sf::Color(10, 20, 30, 128));
    paint(blocks, 80, 4, 90, 12, sf::Color(10, 20, 30, 128));
    Layers layers({100, 20});
    layers.add(blocks);

    ClipPlanner cheap({1.0, 4});
    cheap.prepare(layers.images, layers.window);
    const auto& apart = cheap.plan(layers.at(0.f), 0.f);
    EXPECT_EQ(columnsOf(apart, 0), (Spans{{3, 12}, {78, 92}}));
    for (const ForestRenderer::Clip& clip : apart)
    {
        // The bands the blocks fill make one clip each, from row 4 to 12.
        EXPECT_EQ(clip.top, 4);
        EXPECT_EQ(clip.bottom, 12);
        EXPECT_FALSE(clip.opaque);
    }

    ClipPlanner dear({10000.0, 4});
    dear.prepare(layers.images, layers.window);
    EXPECT_EQ(columnsOf(dear.plan(layers.at(0.f), 0.f), 0), (Spans{{3, 92}}));
}

namespace
{
/// Layers of every kind the renderer treats apart, each an image of its own
/// size: opaque all over, opaque or clear, and partly translucent.
Layers mixedLayers(sf::Vector2u window)
{
    Layers layers(window);
    sf::Image sky = filled(37, 23, sf::Color::Black);
    for (unsigned y = 0; y < 23; ++y)
        for (unsigned x = 0; x < 37; ++x)
            sky.setPixel(x, y, sf::Color(x * 7, y * 11, (x * y) % 256));
    layers.add(sky);

    sf::Image ridge = filled(50, 40, sf::Color::Transparent);
    for (unsigned x = 0; x < 50; ++x)
        paint(ridge, x, 12 + (x * 7) % 11, x + 1, 40, sf::Color(40, 60 + x, 80));
    layers.add(ridge);

    sf::Image mist = filled(64, 16, sf::Color::Transparent);
    paint(mist, 0, 5, 64, 8, sf::Color(200, 200, 255, 90));
    paint(mist, 10, 9, 30, 16, sf::Color(20, 20, 20));
    paint(mist, 40, 11, 41, 16, sf::Color(250, 20, 20, 200));
    layers.add(mist);

    sf::Image frame = filled(20, 30, sf::Color::Transparent);
    paint(frame, 0, 0, 20, 4, sf::Color(5, 5, 10));
    paint(frame, 3, 4, 5, 30, sf::Color(5, 5, 10));
    paint(frame, 12, 4, 15, 30, sf::Color(9, 5, 10));
    paint(frame, 0, 27, 20, 30, sf::Color(7, 9, 5));
    paint(frame, 8, 4, 9, 7, sf::Color::Transparent);
    layers.add(frame);
    return layers;
}
} // namespace

TEST(ForestRenderer, DrawsExactlyWhatDrawingEveryCopyWholeDraws)
{
    // An odd window, so that no layer's pixels line up with the window's.
    const sf::Vector2u window(301, 173);
    const Layers layers = mixedLayers(window);
    ForestRenderer renderer(ForestRenderer::tuningFor(window));
    renderer.prepare(layers.images, window);

    sf::RenderTexture fast;
    sf::RenderTexture plain;
    // Another size than the renderer was prepared for.
    sf::RenderTexture wider;
    sf::RenderTexture widerPlain;
    ASSERT_TRUE(fast.create(window.x, window.y));
    ASSERT_TRUE(plain.create(window.x, window.y));
    ASSERT_TRUE(wider.create(window.x + 1, window.y));
    ASSERT_TRUE(widerPlain.create(window.x + 1, window.y));
    const std::vector<float> factors{0.05f, 0.1f, 0.3f, 0.5f};
    // Near the world's origin, and far out where floats are coarse.
    for (const float centre : {0.f, 77.3f, 150.61f, 2000.5f, -4321.7f, 1.0e5f + 0.37f, 3.1e6f})
    {
        const float width = static_cast<float>(window.x);
        std::vector<ForestRenderer::Layer> placed = layers.at(0.f);
        for (std::size_t i = 0; i < placed.size(); ++i)
        {
            const float start = parallaxStart(centre, width, factors[i], width);
            placed[i].copies = {start, start + width, start + 2 * width, start + 3 * width};
        }
        const sf::View view({centre, window.y * 0.5f}, sf::Vector2f(window));
        const sf::FloatRect shown(view.getCenter() - view.getSize() * 0.5f, view.getSize());

        // The renderer's picture against every copy drawn whole, on two targets alike.
        const auto difference = [&](sf::RenderTexture& target, sf::RenderTexture& reference)
        {
            target.clear(sf::Color::Magenta);
            target.setView(view);
            renderer.draw(target, placed, shown);
            target.display();
            reference.clear(sf::Color::Magenta);
            reference.setView(view);
            ForestRenderer::drawWhole(reference, placed);
            reference.display();
            return largestDifference(target.getTexture().copyToImage(),
                                     reference.getTexture().copyToImage());
        };
        ASSERT_EQ(difference(fast, plain), 0) << "camera at " << centre;
        // A target of another size, the view stretched over it, gets every
        // copy whole.
        ASSERT_EQ(difference(wider, widerPlain), 0) << "camera at " << centre << ", wider target";
    }
}
