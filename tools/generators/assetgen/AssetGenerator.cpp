#include "AssetGenerator.hpp"

#include "ForestPainter.hpp"
#include "GroundPainter.hpp"
#include "HeroPainter.hpp"
#include "IconPainter.hpp"
#include "SkeletonPainter.hpp"
#include "WindowsIcon.hpp"
#include "resources/ImageFiles.hpp"

#include <fstream>
#include <iterator>
#include <system_error>

std::vector<AssetGenerator::Asset> AssetGenerator::build() const
{
    const HeroPainter hero;
    const SkeletonPainter skeleton;
    const ForestPainter forest;
    const GroundPainter ground;
    const auto sheet = [](Sheet which, sf::Image image) {
        return Asset{layoutOf(which).path, std::move(image)};
    };

    // In the order of the game's list of images.
    std::vector<Asset> assets;
    assets.push_back(sheet(Sheet::HeroIdle, hero.idleSheet()));
    assets.push_back(sheet(Sheet::HeroRun, hero.runSheet()));
    assets.push_back(sheet(Sheet::HeroJump, hero.jumpFrame()));
    assets.push_back(sheet(Sheet::SkeletonIdle, skeleton.idleSheet()));
    assets.push_back(sheet(Sheet::SkeletonWalk, skeleton.walkSheet()));
    assets.push_back(sheet(Sheet::SkeletonAttack, skeleton.attackSheet()));
    const sf::Image layers[] = {forest.background(), forest.farTrees(), forest.midTrees(),
                                forest.closeTrees()};
    static_assert(std::size(layers) == std::size(forestLayerFiles), "every layer painted");
    for (std::size_t i = 0; i < std::size(layers); ++i)
        assets.push_back({forestLayerFiles[i], layers[i]});
    assets.push_back({tilesetFile, ground.tileset()});
    return assets;
}

std::vector<AssetGenerator::Asset> AssetGenerator::icons() const
{
    const IconPainter painter;
    std::vector<Asset> assets;
    for (const unsigned size : IconPainter::sizes)
    {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        assets.push_back({std::filesystem::path("hicolor") / square / "apps" / "woodrun.png",
                          painter.icon(size)});
    }
    return assets;
}

std::vector<std::string> AssetGenerator::writeAll(const std::filesystem::path& outputDir) const
{
    return write(build(), outputDir);
}

std::vector<std::string> AssetGenerator::writeIcons(const std::filesystem::path& outputDir) const
{
    return write(icons(), outputDir);
}

std::string AssetGenerator::writeWindowsIcon(const std::filesystem::path& file) const
{
    const IconPainter painter;
    WindowsIcon icon;
    for (const unsigned size : {16u, 24u, 32u, 48u, 64u, 256u})
        icon.add(painter.icon(size));
    const std::vector<std::uint8_t> bytes = icon.bytes();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return out ? std::string() : "cannot write " + file.string();
}

std::vector<std::string> AssetGenerator::write(const std::vector<Asset>& assets,
                                               const std::filesystem::path& outputDir)
{
    std::vector<std::string> failures;
    for (const Asset& asset : assets)
    {
        const std::filesystem::path target = outputDir / asset.relativePath;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
        {
            failures.push_back("cannot create directory " + target.parent_path().string() + ": " +
                               error.message());
            continue;
        }
        if (!asset.image.saveToFile(target.string()))
            failures.push_back("cannot write " + target.string());
    }
    return failures;
}
