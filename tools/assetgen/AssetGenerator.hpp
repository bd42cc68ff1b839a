#pragma once

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <string>
#include <vector>

/// Paints every image woodrun loads and writes them under the game's asset layout.
class AssetGenerator
{
public:
    /// One image and where it goes, relative to the asset directory.
    struct Asset
    {
        std::filesystem::path relativePath;
        sf::Image image;
    };

    /// Paints all assets in memory; the result is the same on every call.
    std::vector<Asset> build() const;

    /// Paints and writes all assets below outputDir, creating directories as needed.
    /// Returns one message per file that could not be written; empty means success.
    std::vector<std::string> writeAll(const std::filesystem::path& outputDir) const;
};
