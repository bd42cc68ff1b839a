#include "world/ForestRenderer.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{
using Spans = std::vector<std::pair<int, int>>;
using FloatSpans = std::vector<std::pair<float, float>>;

/// How far off, in window pixels, the rasterizer may put an edge compared with
/// where it is worked out here: float rounding, which grows with the distance
/// from the world's origin, and half a pixel, since a pixel is filled from the
/// one texel its centre falls on.
float slackAt(float viewLeft)
{
    return 0.5f + std::abs(viewLeft) * 1e-6f;
}

/// The window columns in [0, width) whose pixels might show something of the spans.
void widen(const FloatSpans& spans, float slack, int width, Spans& out)
{
    out.clear();
    for (const auto& [left, right] : spans)
    {
        const int first = std::max(static_cast<int>(std::floor(left - slack)) - 1, 0);
        const int last = std::min(static_cast<int>(std::ceil(right + slack)) + 1, width);
        if (first >= last)
            continue;
        if (!out.empty() && first <= out.back().second)
            out.back().second = std::max(out.back().second, last);
        else
            out.emplace_back(first, last);
    }
}

/// The window columns in [0, width) whose pixels surely show the spans alone.
void narrow(const FloatSpans& spans, float slack, int width, Spans& out)
{
    out.clear();
    for (const auto& [left, right] : spans)
    {
        const int first = std::max(static_cast<int>(std::ceil(left + slack - 0.5f)), 0);
        const int last = std::min(static_cast<int>(std::floor(right - slack - 0.5f)) + 1, width);
        if (first < last)
            out.emplace_back(first, last);
    }
}

/// The columns of `a` that are not in `b`.
void subtract(const Spans& a, const Spans& b, Spans& out)
{
    out.clear();
    std::size_t j = 0;
    for (auto [first, last] : a)
    {
        while (j < b.size() && b[j].second <= first)
            ++j;
        for (std::size_t k = j; k < b.size() && b[k].first < last; ++k)
        {
            if (b[k].first > first)
                out.emplace_back(first, b[k].first);
            first = std::max(first, b[k].second);
        }
        if (first < last)
            out.emplace_back(first, last);
    }
}

/// Adds the columns of `b` to `a`.
void unite(Spans& a, const Spans& b, Spans& scratch)
{
    scratch.clear();
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(scratch));
    a.clear();
    for (const auto& span : scratch)
    {
        if (!a.empty() && span.first <= a.back().second)
            a.back().second = std::max(a.back().second, span.second);
        else
            a.push_back(span);
    }
}

bool inside(const Spans& spans, int first, int last)
{
    return std::any_of(spans.begin(), spans.end(),
                       [first, last](const auto& span)
                       { return span.first <= first && last <= span.second; });
}

/// The drawn width of a layer's copy.
float copyWidth(const sf::Sprite& sprite)
{
    return static_cast<float>(sprite.getTexture()->getSize().x) * sprite.getScale().x;
}

bool opaqueOrClearImage(const sf::Image& image)
{
    const sf::Uint8* pixels = image.getPixelsPtr();
    const std::size_t count = std::size_t{image.getSize().x} * image.getSize().y;
    for (std::size_t i = 0; i < count; ++i)
        if (pixels[i * 4 + 3] != 0 && pixels[i * 4 + 3] != 255)
            return false;
    return true;
}

/// How a clip is filled: by drawing the layer over what is there, blended,
/// or only where it is not transparent, or everywhere, overwriting.
enum class Fill
{
    Blended,
    Tested,
    Overwriting
};

void useFill(Fill fill)
{
    if (fill == Fill::Blended)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    if (fill == Fill::Tested)
        glEnable(GL_ALPHA_TEST);
    else
        glDisable(GL_ALPHA_TEST);
}
} // namespace

ForestRenderer::Tuning ForestRenderer::tuningFor(sf::Vector2u windowSize)
{
    // Measured with Mesa drawing in software: a clip rectangle costs about as
    // much time as filling 2000 pixels, and Mesa holds 64 KB for it until the
    // frame is drawn, so large windows take fewer, larger rectangles. Bands a
    // thirtieth of the window high fit the layers' shapes well enough.
    const double pixels = static_cast<double>(windowSize.x) * windowSize.y;
    return {std::max(2000.0, pixels / 2000.0), std::max(48u, windowSize.y / 30)};
}

ForestRenderer::ForestRenderer(Tuning tuning) : tuning(tuning) {}

void ForestRenderer::prepare(const std::vector<sf::Image>& images, sf::Vector2u windowSize)
{
    this->windowSize = windowSize;
    bands = LayerBands(images, windowSize, tuning.bandHeight);
    opaqueOrClear.clear();
    for (const sf::Image& image : images)
        opaqueOrClear.push_back(opaqueOrClearImage(image));
}

void ForestRenderer::place(const std::vector<LayerBands::Run>& runs, std::size_t layer,
                           const Layer& layerShown, float viewLeft, FloatSpans& out) const
{
    out.clear();
    const float width = copyWidth(*layerShown.sprite);
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

void ForestRenderer::planLayer(const LayerBands::Band& band, std::size_t layer,
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

const std::vector<ForestRenderer::Clip>& ForestRenderer::plan(const std::vector<Layer>& layers,
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

bool ForestRenderer::ready(const sf::RenderTarget& target, const std::vector<Layer>& layers,
                           const sf::FloatRect& view) const
{
    // The bands were worked out for a window of this size seen 1:1 through a
    // view that only moves sideways; anything else is drawn the plain way.
    const sf::Vector2f size(windowSize);
    if (windowSize.x == 0 || target.getSize() != windowSize || view.width != size.x ||
        view.height != size.y || std::abs(view.top) > 0.01f ||
        layers.size() != bands.getLayerCount())
        return false;
    for (std::size_t i = 0; i < layers.size(); ++i)
    {
        const sf::Sprite* sprite = layers[i].sprite;
        const sf::Texture* texture = sprite != nullptr ? sprite->getTexture() : nullptr;
        if (texture == nullptr)
            continue;
        // Each a plain white sprite of the whole image, stretched to the window.
        const sf::FloatRect bounds = sprite->getLocalBounds();
        if (texture->getSize().x != bands.getColumns(i) ||
            bounds.width != static_cast<float>(texture->getSize().x) ||
            bounds.height != static_cast<float>(texture->getSize().y) ||
            std::abs(bounds.height * sprite->getScale().y - size.y) > 0.01f ||
            sprite->getColor() != sf::Color::White || sprite->getRotation() != 0.f ||
            sprite->getOrigin() != sf::Vector2f())
            return false;
    }
    return true;
}

void ForestRenderer::draw(sf::RenderTarget& target, const std::vector<Layer>& layers,
                          const sf::FloatRect& view)
{
    if (!ready(target, layers, view) || !target.setActive(true))
    {
        drawWhole(target, layers);
        return;
    }
    plan(layers, view.left);

    // The states set here hold for the sprites drawn in between: SFML 2.5 and
    // 2.6 turn blending, the alpha test and the scissor on or off, and set the
    // texture environment, only in resetGLStates, never in a draw. (Its
    // pushGLStates and popGLStates would undo them under its draws, and leave
    // its own record of the states it set behind the GL's.)
    // The sprites are white, so the texture alone gives the same colour as
    // the texture times the sprite's colour, for less work.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glAlphaFunc(GL_GREATER, 0.f);
    glEnable(GL_SCISSOR_TEST);
    for (const Clip& clip : clips)
    {
        // Blending is left out wherever it cannot change the picture: over a
        // clip the layer covers opaquely, and for a layer whose pixels are
        // either opaque or clear, where leaving out the clear ones is the same.
        useFill(clip.opaque                 ? Fill::Overwriting
                : opaqueOrClear[clip.layer] ? Fill::Tested
                                            : Fill::Blended);
        // The scissor counts rows from the bottom of the target.
        glScissor(clip.left, static_cast<GLint>(windowSize.y) - clip.bottom, clip.right - clip.left,
                  clip.bottom - clip.top);
        sf::Sprite sprite = *layers[clip.layer].sprite;
        const float width = copyWidth(sprite);
        for (const float copy : layers[clip.layer].copies)
        {
            const float x = copy - view.left;
            if (x > static_cast<float>(clip.right) + 2.f ||
                x + width < static_cast<float>(clip.left) - 2.f)
                continue;
            sprite.setPosition(copy, 0.f);
            target.draw(sprite);
        }
    }
    useFill(Fill::Blended);
    glDisable(GL_SCISSOR_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // SFML's documented way back after GL calls of one's own: it sets every
    // state it relies on again and forgets what it believed was set. Measured
    // with Mesa in software, it costs nothing that shows in a frame.
    target.resetGLStates();
}

void ForestRenderer::drawWhole(sf::RenderTarget& target, const std::vector<Layer>& layers)
{
    for (const Layer& layer : layers)
    {
        if (layer.sprite == nullptr || layer.sprite->getTexture() == nullptr)
            continue;
        sf::Sprite sprite = *layer.sprite;
        for (const float copy : layer.copies)
        {
            sprite.setPosition(copy, 0.f);
            target.draw(sprite);
        }
    }
}
