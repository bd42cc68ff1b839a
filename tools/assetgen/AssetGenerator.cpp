#include "AssetGenerator.hpp"

#include "ForestPainter.hpp"
#include "GroundPainter.hpp"
#include "HeroPainter.hpp"
#include "IconPainter.hpp"
#include "SkeletonPainter.hpp"

#include <system_error>

std::vector<AssetGenerator::Asset> AssetGenerator::build() const
{
    const HeroPainter hero;
    const SkeletonPainter skeleton;
    const ForestPainter forest;
    const GroundPainter ground;
    const std::filesystem::path player = "Player";
    const std::filesystem::path bones = "Skeleton_Without_VFX";
    const std::filesystem::path layers =
        std::filesystem::path("parallax_demon_woods_pack") / "layers";

    std::vector<Asset> assets;
    assets.push_back({player / "_Idle.png", hero.idleSheet()});
    assets.push_back({player / "_Run.png", hero.runSheet()});
    assets.push_back({player / "_Jump.png", hero.jumpFrame()});
    assets.push_back({bones / "Skeleton_01_White_Idle.png", skeleton.idleSheet()});
    assets.push_back({bones / "Skeleton_01_White_Walk.png", skeleton.walkSheet()});
    assets.push_back({bones / "Skeleton_01_White_Attack2.png", skeleton.attackSheet()});
    assets.push_back({layers / "parallax-demon-woods-bg.png", forest.background()});
    assets.push_back({layers / "parallax-demon-woods-far-trees.png", forest.farTrees()});
    assets.push_back({layers / "parallax-demon-woods-mid-trees.png", forest.midTrees()});
    assets.push_back({layers / "parallax-demon-woods-close-trees.png", forest.closeTrees()});
    assets.push_back(
        {std::filesystem::path("Texture") / "TX Tileset Ground.png", ground.tileset()});
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
