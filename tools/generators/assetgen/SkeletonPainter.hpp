#pragma once

#include "Canvas.hpp"
#include "Palette.hpp"
#include "resources/ImageFiles.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector2.hpp>

/// Paints the skeleton warrior: ivory bones with a dark contour, glowing eyes and a
/// rusty battle axe, facing right.
///
/// Frames are 96x64, packed edge to edge, with the feet on the bottom row around
/// x = 48. The outer columns of every frame stay empty so frames never touch.
class SkeletonPainter
{
public:
    static constexpr int frameWidth = layoutOf(Sheet::SkeletonWalk).frameWidth;
    static constexpr int frameHeight = layoutOf(Sheet::SkeletonWalk).frameHeight;
    static constexpr int walkFrames = layoutOf(Sheet::SkeletonWalk).frames;
    static constexpr int attackFrames = layoutOf(Sheet::SkeletonAttack).frames;

    SkeletonPainter();

    /// 8 frames of a slow, creaking sway.
    sf::Image idleSheet() const;

    /// 10 frames of a shambling walk.
    sf::Image walkSheet() const;

    /// 8 frames of an overhead axe chop: wind-up, swing, follow-through, recovery.
    sf::Image attackSheet() const;

private:
    /// Where every bone and the axe go in one frame.
    struct Pose
    {
        sf::Vector2f hip{47.0f, 46.0f};      ///< Centre of the pelvis.
        int lean = 0;                        ///< Ribcage and skull shift forward, pixels.
        int crouch = 0;                      ///< Ribcage and skull drop, pixels.
        int nod = 0;                         ///< Skull shift forward relative to the ribs.
        int jaw = 0;                         ///< How far the jaw hangs open.
        sf::Vector2f nearFoot{52.0f, 61.0f}; ///< Ankle; a planted foot has it at y = 61.
        sf::Vector2f farFoot{43.0f, 61.0f};
        float nearToe = 0.0f;
        float farToe = 0.0f;
        sf::Vector2f grip{57.0f, 45.0f}; ///< Near hand on the axe haft.
        sf::Vector2f farHand{42.0f, 49.0f};
        bool twoHanded = false; ///< Far hand holds the haft just below the grip.
        float axe = 165.0f;     ///< Haft direction from the grip towards the head.
        bool axeBehind = false; ///< Axe raised behind the skull, so drawn behind the body.
        float smearFrom = 0.0f; ///< Axe angles swept this frame; equal means no smear.
        float smearTo = 0.0f;
    };

    static Pose idlePose(int frame);
    static Pose walkPose(int frame);
    static Pose attackPose(int frame);

    sf::Image sheet(int frames, Pose (*pose)(int)) const;
    void paintFrame(sf::Image& target, int left, const Pose& pose) const;

    void paintSmear(Canvas& canvas, const Pose& pose) const;
    void paintFarLimbs(Canvas& canvas, const Pose& pose) const;
    void paintBody(Canvas& canvas, const Pose& pose) const;
    void paintAxe(Canvas& canvas, const Pose& pose) const;
    void paintNearArm(Canvas& canvas, const Pose& pose) const;

    void paintLeg(Canvas& canvas, sf::Vector2f hip, sf::Vector2f ankle, float toe, bool near) const;
    void paintArm(Canvas& canvas, sf::Vector2f shoulder, sf::Vector2f hand, bool near) const;
    void paintBone(Canvas& canvas, sf::Vector2f from, sf::Vector2f to, bool near) const;

    static sf::Vector2f shoulder(const Pose& pose, bool near);

    Palette palette;
};
