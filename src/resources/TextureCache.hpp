#pragma once

#include <SFML/Graphics/Texture.hpp>

#include <string>
#include <unordered_map>

/// Loads each image once per run and hands out the texture by reference; the
/// reference stays valid until the program ends.
class TextureCache
{
public:
    /// The texture of the image at `path` (relative to the working directory),
    /// loaded on the first request. Throws std::runtime_error
    /// "Failed to load texture: <path>" when the image cannot be loaded; nothing
    /// is stored then, so a later request tries the file again.
    static sf::Texture& get(const std::string& path);

    /// Whether a texture is stored under exactly this path.
    static bool contains(const std::string& path);

    /// Forgets every texture, so the next request for any path reads its file
    /// again. Every reference handed out dangles afterwards: only code that
    /// holds none may call it (a test that needs a cache of its own, or main
    /// once the game is gone).
    static void clear();

private:
    // Keyed by the path exactly as the caller spelled it. Node-based, so a
    // stored texture never moves.
    static std::unordered_map<std::string, sf::Texture> textures;
};
