#include "world/LayerBands.hpp"

#include <gtest/gtest.h>

namespace
{
/// An image `width` x `height`, transparent but for the listed rows (fully
/// opaque or half transparent across the width) and blocks of columns.
struct Picture
{
    Picture(unsigned width, unsigned height)
    {
        image.create(width, height, sf::Color::Transparent);
    }
    Picture& rows(unsigned first, unsigned last, sf::Uint8 alpha)
    {
        return block(0, first, image.getSize().x - 1, last, alpha);
    }
    Picture& block(unsigned left, unsigned top, unsigned right, unsigned bottom, sf::Uint8 alpha)
    {
        for (unsigned y = top; y <= bottom; ++y)
            for (unsigned x = left; x <= right; ++x)
                image.setPixel(x, y, sf::Color(200, 100, 50, alpha));
        return *this;
    }
    sf::Image image;
};

using Runs = std::vector<std::pair<unsigned, unsigned>>;

Runs runs(const std::vector<LayerBands::Run>& list)
{
    Runs out;
    for (const LayerBands::Run& run : list)
        out.emplace_back(run.begin, run.end);
    return out;
}
} // namespace

TEST(LayerBands, BandsFollowEachOtherDownTheWindowWithWhatEachLayerShowsInThem)
{
    // Stretched 4 times down, image row r fills window rows 4r to 4r + 3;
    // bands of 8 window rows take two image rows each.
    const Picture back = Picture(10, 10).rows(0, 9, 255);
    const Picture front =
        Picture(10, 10).block(2, 0, 4, 1, 255).block(7, 1, 8, 1, 255).rows(8, 9, 128);
    const LayerBands bands({back.image, front.image}, {20, 40}, 8);
    ASSERT_EQ(bands.getLayerCount(), 2u);
    EXPECT_EQ(bands.getColumns(1), 10u);

    const auto& list = bands.getBands();
    ASSERT_EQ(list.size(), 5u);
    int top = 0;
    for (const LayerBands::Band& band : list)
    {
        EXPECT_EQ(band.top, top);
        EXPECT_EQ(band.bottom, top + 8);
        top = band.bottom;
        ASSERT_EQ(band.layers.size(), 2u);
        EXPECT_EQ(runs(band.layers[0].opaque), (Runs{{0, 10}}));
    }

    // Rows 0 and 1: the block is opaque in both, the pair of columns only in
    // row 1, so it shows but is not opaque all the way down the band.
    EXPECT_EQ(runs(list[0].layers[1].shown), (Runs{{2, 5}, {7, 9}}));
    EXPECT_EQ(runs(list[0].layers[1].opaque), (Runs{{2, 5}}));
    EXPECT_TRUE(list[1].layers[1].shown.empty());
    // Half transparent rows show but are not opaque.
    EXPECT_EQ(runs(list[4].layers[1].shown), (Runs{{0, 10}}));
    EXPECT_TRUE(list[4].layers[1].opaque.empty());
}

TEST(LayerBands, WindowRowOnAnImageRowBoundaryKeepsBothRowsInMind)
{
    // Four image rows squeezed into two window rows: window row 0's centre
    // falls exactly between image rows 0 and 1, and either may show there,
    // whichever of them is the translucent one.
    for (const sf::Uint8 upper : {sf::Uint8(128), sf::Uint8(255)})
    {
        const sf::Uint8 lower = upper == 255 ? 128 : 255;
        const Picture layer = Picture(4, 4).rows(0, 0, upper).rows(1, 1, lower);
        const LayerBands bands({layer.image}, {4, 2}, 1);
        const auto& list = bands.getBands();
        ASSERT_FALSE(list.empty());
        EXPECT_EQ(list[0].top, 0);
        EXPECT_EQ(runs(list[0].layers[0].shown), (Runs{{0, 4}})) << "upper row " << +upper;
        EXPECT_TRUE(list[0].layers[0].opaque.empty()) << "upper row " << +upper;
    }
}

TEST(LayerBands, WindowIsFilledOnlyWhenEveryBandMeetsAnOpaqueLayer)
{
    const Picture sky = Picture(8, 8).rows(0, 5, 255);
    const Picture ground = Picture(8, 8).rows(6, 7, 255);
    EXPECT_TRUE(LayerBands({sky.image, ground.image}, {16, 16}, 2).fillWindow());
    const Picture holed = Picture(8, 8).rows(7, 7, 255);
    EXPECT_FALSE(LayerBands({sky.image, holed.image}, {16, 16}, 2).fillWindow());
    const Picture gap = Picture(8, 8).rows(6, 7, 255).block(3, 6, 3, 6, 0);
    EXPECT_FALSE(LayerBands({sky.image, gap.image}, {16, 16}, 2).fillWindow());
    EXPECT_FALSE(LayerBands({}, {16, 16}, 2).fillWindow());
}
