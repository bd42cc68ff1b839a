#include "world/ClipPlanner.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <algorithm>

using namespace columnSpans;

namespace
{
bool opaqueOrClearImage(const sf::Image& image)
{
    const sf::Uint8* pixels = image.getPixelsPtr();
    const std::size_t count = std::size_t{image.getSize().x} * image.getSize().y;
    for (std::size_t i = 0; i < count; ++i)
        if (pixels[i * 4 + 3] != 0 && pixels[i * 4 + 3] != 255)
            return false;
    return true;
}
} // namespace

float layerWidth(const sf::Sprite& layer)
{
    return static_cast<float>(layer.getTexture()->getSize().x) * layer.getScale().x;
}

ClipPlanner::Tuning ClipPlanner::tuningFor(sf::Vector2u windowSize)
{
    // Measured with Mesa drawing in software: a clip rectangle costs about as
    // much time as filling 2000 pixels, and Mesa holds 64 KB for it until the
    // frame is drawn, so large windows take fewer, larger rectangles. Bands a
    // thirtieth of the window high fit the layers' shapes well enough.
    const double pixels = static_cast<double>(windowSize.x) * windowSize.y;
    return {std::max(2000.0, pixels / 2000.0), std::max(48u, windowSize.y / 30)};
}

void ClipPlanner::prepare(const std::vector<sf::Image>& images, sf::Vector2u windowSize)
{
    this->windowSize = windowSize;
    bands = LayerBands(images, windowSize, tuning.bandHeight);
    opaqueOrClear.clear();
    for (const sf::Image& image : images)
        opaqueOrClear.push_back(opaqueOrClearImage(image));
}

void ClipPlanner::place(const std::vector<LayerBands::Run>& runs, std::size_t layer,
                        const Layer& layerShown, float viewLeft, FloatSpans& out) const
{
    out.clear();
    const float width = layerWidth(*layerShown.sprite);
    const float column = width / static_cast<float>(bands.getColumns(layer));
    for (const float copy : layerShown.copies)
    {
        const float x = copy - viewLeft;
        if (x > static_cast<float>(windowSize.x) + 2.f || x + width < -2.f)
            continue;
        for (const LayerBands::Run& run : runs)
            out.emplace_back(x + static_cast<float>(run.begin) * column,
                             x + static_cast<float>(run.end) * column);
    }
    std::sort(out.begin(), out.end());
    // Runs that meet where one copy ends and the next begins are one run.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        if (kept > 0 && out[i].first <= out[kept - 1].second + 0.01f)
            out[kept - 1].second = std::max(out[kept - 1].second, out[i].second);
        else
            out[kept++] = out[i];
    }
    out.resize(kept);
}

void ClipPlanner::planLayer(const LayerBands::Band& band, std::size_t layer,
                            const Layer& layerShown, float viewLeft)
{
    const int width = static_cast<int>(windowSize.x);
    const int height = band.bottom - band.top;
    const float slack = slackAt(viewLeft);
    const LayerBands::Columns& columns = band.layers[layer];
    place(columns.shown, layer, layerShown, viewLeft, placed);
    widen(placed, slack, width, shown);
    subtract(shown, covered, drawn);
    place(columns.opaque, layer, layerShown, viewLeft, placed);
    narrow(placed, slack, width, opaque);

    // A narrow gap is filled over: the layer is drawn whole in each
    // rectangle, so more of it changes nothing.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i)
    {
        if (kept > 0 &&
            static_cast<double>(drawn[i].first - drawn[kept - 1].second) * height < tuning.clipCost)
            drawn[kept - 1].second = drawn[i].second;
        else
            drawn[kept++] = drawn[i];
    }
    drawn.resize(kept);

    // A rectangle with the same columns as one in the band above makes that
    // one taller.
    std::vector<Clip>& list = layerClips[layer];
    stillOpen.clear();
    for (const auto& [left, right] : drawn)
    {
        const bool opaqueAll = inside(opaque, left, right);
        const auto above = std::find_if(open[layer].begin(), open[layer].end(),
                                        [&](std::size_t index)
                                        {
                                            const Clip& clip = list[index];
                                            return clip.left == left && clip.right == right &&
                                                   clip.opaque == opaqueAll;
                                        });
        if (above != open[layer].end())
        {
            list[*above].bottom = band.bottom;
            stillOpen.push_back(*above);
        }
        else
        {
            stillOpen.push_back(list.size());
            list.push_back({layer, left, band.top, right, band.bottom, opaqueAll});
        }
    }
    open[layer].swap(stillOpen);
    unite(covered, opaque, scratch);
}

const std::vector<ClipPlanner::Clip>& ClipPlanner::plan(const std::vector<Layer>& layers,
                                                        float viewLeft)
{
    layerClips.resize(layers.size());
    open.resize(layers.size());
    for (std::size_t layer = 0; layer < layers.size(); ++layer)
    {
        layerClips[layer].clear();
        open[layer].clear();
    }

    for (const LayerBands::Band& band : bands.getBands())
    {
        covered.clear();
        // Front to back: each layer is drawn where it shows and nothing nearer
        // covers it, and then covers what it is opaque over.
        for (std::size_t layer = layers.size(); layer-- > 0;)
            if (layers[layer].sprite != nullptr && layers[layer].sprite->getTexture() != nullptr)
                planLayer(band, layer, layers[layer], viewLeft);
    }

    clips.clear();
    for (const auto& list : layerClips)
        clips.insert(clips.end(), list.begin(), list.end());
    return clips;
}
