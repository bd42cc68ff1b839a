#pragma once

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <string>
#include <vector>

/// Paints every image woodrun loads and writes them under the game's asset
/// layout; paints the desktop icons too, laid out as an icon theme.
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

    /// The knight's icon in every size, under hicolor/<size>x<size>/apps/woodrun.png.
    std::vector<Asset> icons() const;

    /// Paints and writes all assets below outputDir, creating directories as needed.
    /// Returns one message per file that could not be written; empty means success.
    std::vector<std::string> writeAll(const std::filesystem::path& outputDir) const;

    /// The same for the icons.
    std::vector<std::string> writeIcons(const std::filesystem::path& outputDir) const;

    /// The knight's icon as a Windows icon file, for the game's executable.
    /// Returns a message when it cannot be written; empty means success.
    std::string writeWindowsIcon(const std::filesystem::path& file) const;

private:
    static std::vector<std::string> write(const std::vector<Asset>& assets,
                                          const std::filesystem::path& outputDir);
};
