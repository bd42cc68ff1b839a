#include "resources/TextureCache.hpp"

#include <stdexcept>

std::unordered_map<std::string, sf::Texture> TextureCache::textures;

sf::Texture& TextureCache::get(const std::string& path)
{
    if (const auto found = textures.find(path); found != textures.end())
        return found->second;

    sf::Texture texture;
    if (!texture.loadFromFile(path))
        throw std::runtime_error("Failed to load texture: " + path);
    return textures.emplace(path, std::move(texture)).first->second;
}

bool TextureCache::contains(const std::string& path)
{
    return textures.count(path) != 0;
}

void TextureCache::clear()
{
    textures.clear();
}
