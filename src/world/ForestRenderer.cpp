#include "world/ForestRenderer.hpp"

#include "platform/RawGlFills.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cmath>

bool ForestRenderer::ready(const sf::RenderTarget& target, const std::vector<Layer>& layers,
                           const sf::FloatRect& view) const
{
    // The bands were worked out for a window of this size seen 1:1 through a
    // view that only moves sideways; anything else is drawn the plain way.
    const sf::Vector2u windowSize = planner.getWindowSize();
    const sf::Vector2f size(windowSize);
    if (windowSize.x == 0 || target.getSize() != windowSize || view.width != size.x ||
        view.height != size.y || std::abs(view.top) > 0.01f ||
        layers.size() != planner.getLayerCount())
        return false;
    for (std::size_t i = 0; i < layers.size(); ++i)
    {
        const sf::Sprite* sprite = layers[i].sprite;
        const sf::Texture* texture = sprite != nullptr ? sprite->getTexture() : nullptr;
        if (texture == nullptr)
            continue;
        // Each a plain white sprite of the whole image, stretched to the window.
        const sf::FloatRect bounds = sprite->getLocalBounds();
        if (texture->getSize().x != planner.getColumns(i) ||
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
    const std::vector<Clip>& clips = planner.plan(layers, view.left);
    RawGlFills fills(target);
    for (const Clip& clip : clips)
    {
        // Blending is left out wherever it cannot change the picture: over a
        // clip the layer covers opaquely, and for a layer whose pixels are
        // either opaque or clear, where leaving out the clear ones is the same.
        fills.clip(clip.left, clip.top, clip.right, clip.bottom,
                   clip.opaque                           ? RawGlFills::Fill::Overwriting
                   : planner.isOpaqueOrClear(clip.layer) ? RawGlFills::Fill::Tested
                                                         : RawGlFills::Fill::Blended);
        sf::Sprite sprite = *layers[clip.layer].sprite;
        const float width = layerWidth(sprite);
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
