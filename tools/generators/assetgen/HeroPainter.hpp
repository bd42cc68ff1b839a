#pragma once

#include "Canvas.hpp"
#include "Palette.hpp"
#include "resources/ImageFiles.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

/// Paints the player's knight: steel armour, red cape and plume, gold trim, facing right.
///
/// Frames are 96x40 with the feet on the bottom row around x = 48. Everything stays
/// within x 8..87 so the game can mirror the sprite about its centre to face left.
class HeroPainter
{
public:
    static constexpr int frameWidth = layoutOf(Sheet::HeroRun).frameWidth;
    static constexpr int frameHeight = layoutOf(Sheet::HeroRun).frameHeight;
    /// Sheet cells are wider than the frames; the extra columns stay empty.
    static constexpr int cellWidth = layoutOf(Sheet::HeroRun).stride;
    static constexpr int sheetFrames = layoutOf(Sheet::HeroRun).frames;

    HeroPainter();

    /// 10 frames of standing guard: breathing and a drifting cape.
    sf::Image idleSheet() const;

    /// 10 frames covering one full running stride.
    sf::Image runSheet() const;

    /// A single tucked mid-air frame.
    sf::Image jumpFrame() const;

private:
    /// Where every part of the knight goes in one frame.
    struct Pose
    {
        sf::Vector2f hip{48.0f, 26.0f};      ///< Centre of the pelvis.
        int lean = 0;                        ///< Chest and head shift forward, pixels.
        int rise = 0;                        ///< Chest and head lift (breathing), pixels.
        sf::Vector2f nearFoot{51.0f, 37.0f}; ///< Ankle; a planted foot has it at y = 37.
        sf::Vector2f farFoot{45.0f, 37.0f};
        float nearToe = 0.0f; ///< Foot tilt, degrees; positive points the toe down.
        float farToe = 0.0f;
        float nearArm = 0.0f; ///< Upper arm angle (see Rig for the convention).
        float nearForearm = 0.0f;
        float farArm = 0.0f;
        float farForearm = 0.0f;
        float sword = 0.0f;     ///< Blade direction from the near hand.
        float capeSwing = 0.0f; ///< 0 hangs straight down, -90 streams straight back.
        float capeWave = 0.0f;  ///< Ripple phase along the cape, in turns.
    };

    static Pose idlePose(int frame);
    static Pose runPose(int frame);
    static Pose jumpPose();

    sf::Image sheet(int frames, int cell, Pose (*pose)(int)) const;
    void paintFrame(sf::Image& target, int left, const Pose& pose) const;

    void paintFarLimbs(Canvas& canvas, const Pose& pose) const;
    void paintCape(Canvas& canvas, const Pose& pose) const;
    void paintBody(Canvas& canvas, const Pose& pose) const;
    void paintNearArm(Canvas& canvas, const Pose& pose) const;

    void paintLeg(Canvas& canvas, sf::Vector2f hip, sf::Vector2f ankle, float toe, bool near) const;
    sf::Vector2f paintArm(Canvas& canvas, sf::Vector2f shoulder, float arm, float forearm,
                          bool near) const;

    Palette palette;
};
