#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <array>
#include <cstddef>
#include <iterator>
#include <vector>

// Every image the game loads and how its sprite sheets are cut: the one list
// that the game, the art generator, the build and the tests read.

/// The characters' sprite sheets, one per animation.
enum class Sheet
{
    HeroIdle,
    HeroRun,
    HeroJump,
    SkeletonIdle,
    SkeletonWalk,
    SkeletonAttack,
    Count
};

/// How one animation lies in its image: `frames` frames of `frameWidth` by
/// `frameHeight`, cut from the image's top edge `stride` pixels apart. A
/// character stands at the bottom centre of each frame, facing right.
struct SheetLayout
{
    const char* path;
    int frames;
    int frameWidth;
    int frameHeight;
    int stride;

    sf::IntRect frame(int index) const { return {stride * index, 0, frameWidth, frameHeight}; }
    std::vector<sf::IntRect> allFrames() const
    {
        std::vector<sf::IntRect> rects;
        for (int i = 0; i < frames; ++i)
            rects.push_back(frame(i));
        return rects;
    }
    int imageWidth() const { return stride * (frames - 1) + frameWidth; }
};

inline constexpr SheetLayout sheetLayouts[] = {
    {"Player/_Idle.png", 10, 96, 40, 120},
    {"Player/_Run.png", 10, 96, 40, 120},
    {"Player/_Jump.png", 1, 96, 40, 96},
    {"Skeleton_Without_VFX/Skeleton_01_White_Idle.png", 8, 96, 64, 96},
    {"Skeleton_Without_VFX/Skeleton_01_White_Walk.png", 10, 96, 64, 96},
    {"Skeleton_Without_VFX/Skeleton_01_White_Attack2.png", 8, 96, 64, 96},
};
static_assert(std::size(sheetLayouts) == static_cast<std::size_t>(Sheet::Count),
              "one layout for every sheet");

constexpr const SheetLayout& layoutOf(Sheet sheet)
{
    return sheetLayouts[static_cast<std::size_t>(sheet)];
}

/// The frames of the knight's run and of the skeleton's walk on which a foot
/// comes down: the near foot on the first, the far one halfway through.
inline constexpr int footfallFrames[] = {0, 5};

/// The frame of the skeleton's attack on which the axe starts its swing.
inline constexpr int axeSwingFrame = 2;

/// The forest's four layers, back to front.
inline constexpr const char* forestLayerFiles[] = {
    "parallax_demon_woods_pack/layers/parallax-demon-woods-bg.png",
    "parallax_demon_woods_pack/layers/parallax-demon-woods-far-trees.png",
    "parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png",
    "parallax_demon_woods_pack/layers/parallax-demon-woods-close-trees.png",
};

/// The level's ground tiles. Missing, play goes on without them.
inline constexpr const char* tilesetFile = "Texture/TX Tileset Ground.png";

/// Every image the game loads, as the build lists them: the sheets, the
/// forest, then the tileset.
inline std::array<const char*, std::size(sheetLayouts) + std::size(forestLayerFiles) + 1>
imageFiles()
{
    std::array<const char*, std::size(sheetLayouts) + std::size(forestLayerFiles) + 1> files{};
    std::size_t next = 0;
    for (const SheetLayout& layout : sheetLayouts)
        files[next++] = layout.path;
    for (const char* layer : forestLayerFiles)
        files[next++] = layer;
    files[next] = tilesetFile;
    return files;
}
