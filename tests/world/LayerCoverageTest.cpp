#include "world/LayerCoverage.hpp"

#include <gtest/gtest.h>

namespace
{
// A patch costs as much as a pixel: every gap is worth cutting out, but
// rows with the same columns still share a patch.
constexpr double cheapPatch = 1.0;

/// An image `width` x `height`, transparent but for the listed rows (fully
/// opaque or half transparent across the width) and columns of given rows.
struct Picture
{
    Picture(unsigned width, unsigned height)
    {
        image.create(width, height, sf::Color::Transparent);
    }
    Picture& rows(unsigned first, unsigned last, sf::Uint8 alpha)
    {
        for (unsigned y = first; y <= last; ++y)
            for (unsigned x = 0; x < image.getSize().x; ++x)
                image.setPixel(x, y, sf::Color(200, 100, 50, alpha));
        return *this;
    }
    Picture& block(unsigned left, unsigned top, unsigned right, unsigned bottom)
    {
        for (unsigned y = top; y <= bottom; ++y)
            for (unsigned x = left; x <= right; ++x)
                image.setPixel(x, y, sf::Color(10, 20, 30, 128));
        return *this;
    }
    sf::Image image;
};
} // namespace

TEST(LayerCoverage, RowsBehindOpaqueRowsOfNearerLayersAreLeftOut)
{
    // Stretched 4 times: image row r fills window rows 4r to 4r + 3.
    const Picture back = Picture(10, 10).rows(0, 9, 255);
    const Picture front = Picture(10, 10).rows(0, 2, 255).rows(8, 9, 128);
    const auto coverage = LayerCoverage::analyse({back.image, front.image}, {40, 40}, cheapPatch);
    ASSERT_EQ(coverage.size(), 2u);

    const auto& behind = coverage[0].getPatches();
    ASSERT_EQ(behind.size(), 1u);
    EXPECT_EQ(behind[0].top, 12);
    EXPECT_EQ(behind[0].bottom, 40);
    EXPECT_TRUE(behind[0].fullWidth);
    EXPECT_TRUE(behind[0].opaque);

    // The front layer's opaque rows need no blending; its translucent ones do,
    // and its empty rows are not drawn at all.
    const auto& ahead = coverage[1].getPatches();
    ASSERT_EQ(ahead.size(), 2u);
    EXPECT_EQ(ahead[0].top, 0);
    EXPECT_EQ(ahead[0].bottom, 12);
    EXPECT_TRUE(ahead[0].opaque);
    EXPECT_EQ(ahead[1].top, 32);
    EXPECT_EQ(ahead[1].bottom, 40);
    EXPECT_FALSE(ahead[1].opaque);
}

TEST(LayerCoverage, ColumnsAreCutOutOnlyWhereThatIsWorthAPatch)
{
    // Two small blocks far apart in an otherwise empty layer.
    const Picture layer = Picture(100, 20).block(5, 4, 9, 11).block(80, 4, 89, 11);
    const auto cut = LayerCoverage::analyse({layer.image}, {100, 20}, cheapPatch);
    ASSERT_EQ(cut[0].getPatches().size(), 2u);
    EXPECT_EQ(cut[0].getPatches()[0].left, 5u);
    EXPECT_EQ(cut[0].getPatches()[0].right, 10u);
    EXPECT_EQ(cut[0].getPatches()[1].left, 80u);
    EXPECT_EQ(cut[0].getPatches()[1].right, 90u);
    EXPECT_EQ(cut[0].getPatches()[0].top, 4);
    EXPECT_EQ(cut[0].getPatches()[0].bottom, 12);
    EXPECT_FALSE(cut[0].getPatches()[0].fullWidth);

    // When a patch costs more than filling the gap, one patch spans both.
    const auto joined = LayerCoverage::analyse({layer.image}, {100, 20}, 10000.0);
    ASSERT_EQ(joined[0].getPatches().size(), 1u);
    EXPECT_EQ(joined[0].getPatches()[0].left, 5u);
    EXPECT_EQ(joined[0].getPatches()[0].right, 90u);
}

TEST(LayerCoverage, WindowRowOnAnImageRowBoundaryKeepsBothRowsInMind)
{
    // Four image rows squeezed into two window rows: window row 0's centre
    // falls exactly between image rows 0 and 1, and either may show there.
    const Picture layer = Picture(4, 4).rows(0, 0, 128);
    const auto coverage = LayerCoverage::analyse({layer.image}, {4, 2}, cheapPatch);
    ASSERT_EQ(coverage[0].getPatches().size(), 1u);
    EXPECT_EQ(coverage[0].getPatches()[0].top, 0);
    EXPECT_EQ(coverage[0].getPatches()[0].bottom, 1);
}

TEST(LayerCoverage, WindowIsFilledOnlyWhenEveryRowMeetsAnOpaqueRow)
{
    const Picture sky = Picture(8, 8).rows(0, 5, 255);
    const Picture ground = Picture(8, 8).rows(6, 7, 255);
    EXPECT_TRUE(LayerCoverage::fillsWindow({sky.image, ground.image}, 16));
    const Picture holed = Picture(8, 8).rows(7, 7, 255);
    EXPECT_FALSE(LayerCoverage::fillsWindow({sky.image, holed.image}, 16));
    EXPECT_FALSE(LayerCoverage::fillsWindow({}, 16));
}
