#include "SkeletonPainter.hpp"

#include "Rig.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace
{
constexpr float turn = 6.2831853f;
constexpr float femur = 8.0f;
constexpr float tibia = 8.0f;
constexpr float humerus = 7.0f;
constexpr float radius = 7.0f;
constexpr float groundAnkle = 61.0f;

int px(float v)
{
    return static_cast<int>(std::lround(v));
}

float smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}
} // namespace

SkeletonPainter::SkeletonPainter()
    : palette{
          {'o', {20, 14, 28}},    // outline
          {'I', {238, 230, 206}}, // bone
          {'i', {186, 172, 150}}, // bone shade
          {'j', {122, 106, 104}}, // bone deep shade
          {'e', {36, 20, 40}},    // eye socket
          {'E', {255, 112, 64}},  // eye glow
          {'t', {64, 44, 56}},    // gaps between teeth
          {'w', {124, 84, 58}},   // haft
          {'W', {82, 54, 44}},    // haft shade
          {'x', {112, 114, 136}}, // axe iron
          {'X', {226, 232, 240}}, // axe edge
          {'r', {148, 74, 48}},   // rust
          {'m', {236, 244, 255}}, // swing smear, leading edge
          {'M', {150, 168, 226}}, // swing smear, trailing
      }
{
}

SkeletonPainter::Pose SkeletonPainter::idlePose(int frame)
{
    Pose pose;
    const float t = static_cast<float>(frame) / 8.0f;
    static constexpr int bob[8] = {0, 0, 1, 1, 1, 1, 0, 0};
    static constexpr int nod[8] = {0, 0, 0, 1, 1, 0, 0, 0};
    static constexpr int jaw[8] = {0, 1, 0, 0, 1, 0, 1, 0};
    pose.hip.y += static_cast<float>(bob[frame]);
    pose.crouch = bob[(frame + 1) % 8];
    pose.nod = nod[frame];
    pose.jaw = jaw[frame];
    pose.grip = {57.0f, 46.0f + static_cast<float>(bob[frame])};
    pose.axe = 168.0f + 4.0f * std::sin(t * turn);
    pose.farHand = {41.0f + 1.5f * std::sin(t * turn), 50.0f + static_cast<float>(bob[frame])};
    return pose;
}

SkeletonPainter::Pose SkeletonPainter::walkPose(int frame)
{
    Pose pose;
    const float p = static_cast<float>(frame) / static_cast<float>(walkFrames);
    static constexpr int bob[5] = {0, 1, 0, -1, 0};
    pose.hip = {47.0f, 46.0f + static_cast<float>(bob[frame % 5])};
    pose.lean = 1;
    pose.nod = frame % 5 == 1 ? 1 : 0;
    pose.jaw = frame % 5 == 3 ? 1 : 0;

    const auto foot = [&pose](float phase, float& toe)
    {
        phase -= std::floor(phase);
        if (phase < 0.5f)
        {
            const float s = phase / 0.5f;
            toe = 0.0f;
            return sf::Vector2f(pose.hip.x + 6.0f - 12.0f * s, groundAnkle);
        }
        const float s = (phase - 0.5f) / 0.5f;
        toe = 25.0f * (1.0f - s);
        return sf::Vector2f(pose.hip.x - 6.0f + 12.0f * smooth(s),
                            groundAnkle - 4.0f * std::sin(s * turn / 2.0f));
    };
    // Each foot comes down on the frame the game plays its step on.
    pose.nearFoot = foot(Rig::stridePhase(frame, footfallFrames[0], walkFrames), pose.nearToe);
    pose.farFoot = foot(Rig::stridePhase(frame, footfallFrames[1], walkFrames), pose.farToe);

    // The free arm swings against the near leg; the axe arm only rocks a little.
    const float swing = std::cos(p * turn);
    pose.farHand = {pose.hip.x + 4.0f * swing, pose.hip.y + 3.0f - std::fabs(swing)};
    pose.grip = {pose.hip.x + 10.0f - 1.5f * swing, pose.hip.y - 1.0f};
    pose.axe = 160.0f + 6.0f * swing;
    return pose;
}

SkeletonPainter::Pose SkeletonPainter::attackPose(int frame)
{
    // One row per frame: hip shift, crouch, grip, axe angle, smear start, front foot.
    struct Key
    {
        float hipX, crouch, gripX, gripY, axe, smear, footX;
    };
    static constexpr Key keys[8] = {
        {46.0f, 1.0f, 43.0f, 40.0f, 225.0f, 225.0f, 52.0f}, // pull back
        {45.0f, 0.0f, 44.0f, 28.0f, 240.0f, 240.0f, 52.0f}, // raised behind the skull
        {47.0f, 0.0f, 52.0f, 26.0f, 165.0f, 240.0f, 55.0f}, // swing starts: axeSwingFrame
        {49.0f, 2.0f, 61.0f, 36.0f, 90.0f, 175.0f, 58.0f},  // full swing
        {50.0f, 3.0f, 61.0f, 42.0f, 50.0f, 105.0f, 58.0f},  // follow-through
        {50.0f, 3.0f, 60.0f, 44.0f, 45.0f, 45.0f, 58.0f},   // bite
        {48.0f, 1.0f, 58.0f, 43.0f, 95.0f, 95.0f, 55.0f},   // recover
        {47.0f, 0.0f, 57.0f, 45.0f, 150.0f, 150.0f, 53.0f}, // back on guard
    };
    static_assert(std::size(keys) == attackFrames && axeSwingFrame == 2,
                  "the game plays the whoosh on the frame the swing starts");
    const Key& k = keys[frame];
    Pose pose;
    pose.hip = {k.hipX, 46.0f + k.crouch};
    pose.lean = k.hipX >= 49.0f ? 2 : (k.hipX <= 45.0f ? -1 : 0);
    pose.jaw = (frame >= 3 && frame <= 5) ? 1 : 0;
    pose.nearFoot = {k.footX, groundAnkle};
    pose.farFoot = {41.0f, groundAnkle};
    pose.grip = {k.gripX, k.gripY};
    pose.axe = k.axe;
    pose.twoHanded = true;
    pose.smearFrom = k.smear;
    pose.smearTo = k.axe;
    pose.axeBehind = frame <= 1;
    return pose;
}

sf::Image SkeletonPainter::idleSheet() const
{
    return sheet(layoutOf(Sheet::SkeletonIdle).frames, &SkeletonPainter::idlePose);
}

sf::Image SkeletonPainter::walkSheet() const
{
    return sheet(walkFrames, &SkeletonPainter::walkPose);
}

sf::Image SkeletonPainter::attackSheet() const
{
    return sheet(attackFrames, &SkeletonPainter::attackPose);
}

sf::Image SkeletonPainter::sheet(int frames, Pose (*pose)(int)) const
{
    sf::Image image;
    image.create(static_cast<unsigned>(frames * frameWidth), frameHeight, sf::Color::Transparent);
    for (int i = 0; i < frames; ++i)
        paintFrame(image, i * frameWidth, pose(i));
    return image;
}

void SkeletonPainter::paintFrame(sf::Image& target, int left, const Pose& pose) const
{
    // Layers are outlined one by one before stacking so each bone keeps its contour
    // where it crosses another. The smear gets no outline so it reads as motion.
    Canvas frame(target, {left, 0, frameWidth, frameHeight});
    using Part = void (SkeletonPainter::*)(Canvas&, const Pose&) const;
    const Part axe = &SkeletonPainter::paintAxe;
    const Part body = &SkeletonPainter::paintBody;
    const Part parts[] = {&SkeletonPainter::paintSmear, &SkeletonPainter::paintFarLimbs,
                          pose.axeBehind ? axe : body, pose.axeBehind ? body : axe,
                          &SkeletonPainter::paintNearArm};
    for (const Part part : parts)
    {
        sf::Image layer;
        layer.create(frameWidth, frameHeight, sf::Color::Transparent);
        Canvas canvas(layer, {0, 0, frameWidth, frameHeight});
        (this->*part)(canvas, pose);
        if (part != &SkeletonPainter::paintSmear)
            canvas.outline(palette['o']);
        frame.paste(layer, 0, 0);
    }
}

sf::Vector2f SkeletonPainter::shoulder(const Pose& pose, bool near)
{
    return {pose.hip.x + pose.lean + (near ? 2.0f : 0.0f),
            pose.hip.y - 15.0f + static_cast<float>(pose.crouch)};
}

void SkeletonPainter::paintBone(Canvas& canvas, sf::Vector2f from, sf::Vector2f to, bool near) const
{
    canvas.line(from, to, near ? palette['I'] : palette['i'], 2);
    canvas.line(from + sf::Vector2f(0.0f, 1.0f), to + sf::Vector2f(0.0f, 1.0f),
                near ? palette['i'] : palette['j']);
    // Knobbly ends.
    canvas.plot(px(to.x), px(to.y), near ? palette['I'] : palette['i']);
    canvas.plot(px(to.x) + 1, px(to.y), near ? palette['i'] : palette['j']);
}

void SkeletonPainter::paintLeg(Canvas& canvas, sf::Vector2f hip, sf::Vector2f ankle, float toe,
                               bool near) const
{
    const sf::Vector2f knee = Rig::bend(hip, ankle, femur, tibia, true);
    paintBone(canvas, hip, knee, near);
    paintBone(canvas, knee, ankle, near);
    const float a = toe * turn / 360.0f;
    const auto local = [&](float x, float y)
    {
        return sf::Vector2f(ankle.x + x * std::cos(a) - y * std::sin(a),
                            ankle.y + x * std::sin(a) + y * std::cos(a));
    };
    canvas.fillPolygon({local(-1.0f, 0.0f), local(1.0f, 0.0f), local(4.0f, 1.5f), local(4.0f, 2.0f),
                        local(-1.0f, 2.0f)},
                       near ? palette['i'] : palette['j']);
    canvas.line(local(-1.0f, 0.0f), local(2.0f, 1.0f), near ? palette['I'] : palette['i']);
}

void SkeletonPainter::paintArm(Canvas& canvas, sf::Vector2f from, sf::Vector2f hand,
                               bool near) const
{
    const sf::Vector2f elbow = Rig::bend(from, hand, humerus, radius, false);
    paintBone(canvas, from, elbow, near);
    paintBone(canvas, elbow, hand, near);
    canvas.fillRect(px(hand.x) - 1, px(hand.y) - 1, 3, 2, near ? palette['I'] : palette['i']);
}

void SkeletonPainter::paintSmear(Canvas& canvas, const Pose& pose) const
{
    if (pose.smearFrom == pose.smearTo)
        return;
    // A crescent swept by the axe head about the shoulder, thick at the axe and
    // thinning towards where the swing began.
    const sf::Vector2f pivot = shoulder(pose, true);
    const sf::Vector2f head = Rig::reach(pose.grip, pose.axe, 17.0f);
    const sf::Vector2f reachVec = head - pivot;
    const float outer = std::sqrt(reachVec.x * reachVec.x + reachVec.y * reachVec.y) + 1.0f;
    const float from = pose.smearFrom, to = pose.smearTo;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
        {
            const float dx = x - pivot.x, dy = y - pivot.y;
            const float dist = std::sqrt(dx * dx + dy * dy);
            float angle = std::atan2(dx, dy) * 360.0f / turn;
            if (angle < to - 90.0f)
                angle += 360.0f;
            const float along = (angle - to) / (from - to); // 0 at the axe, 1 at the start
            if (along < 0.0f || along > 1.0f)
                continue;
            const float thickness = 7.0f * (1.0f - along);
            if (dist > outer || dist < outer - thickness)
                continue;
            canvas.plot(x, y, dist > outer - thickness * 0.45f ? palette['m'] : palette['M']);
        }
}

void SkeletonPainter::paintFarLimbs(Canvas& canvas, const Pose& pose) const
{
    sf::Vector2f hand = pose.farHand;
    if (pose.twoHanded)
        hand = Rig::reach(pose.grip, pose.axe, -3.0f);
    paintArm(canvas, shoulder(pose, false), hand, false);
    paintLeg(canvas, pose.hip + sf::Vector2f(-1.0f, 0.0f), pose.farFoot, pose.farToe, false);
}

void SkeletonPainter::paintBody(Canvas& canvas, const Pose& pose) const
{
    paintLeg(canvas, pose.hip + sf::Vector2f(1.0f, 0.0f), pose.nearFoot, pose.nearToe, true);

    const int hx = px(pose.hip.x);
    const int hy = px(pose.hip.y);
    const int ribTop = hy - 17 + pose.crouch;
    const int ribLeft = hx - 4 + pose.lean;

    // Lumbar vertebrae from the ribs down to the pelvis.
    for (int y = ribTop + 9; y < hy; ++y)
    {
        const float t = static_cast<float>(y - ribTop - 9) / static_cast<float>(hy - ribTop - 9);
        const int x = hx - 2 + px(pose.lean * (1.0f - t));
        canvas.plot(x, y, (y % 2) ? palette['I'] : palette['i']);
        canvas.plot(x + 1, y, palette['i']);
    }
    const std::vector<std::string> pelvis = {
        ".iIIIi.", //
        "iIIjIIi", //
        ".iI.Ii.", //
    };
    canvas.stamp(pelvis, palette, hx - 3, hy - 1);

    const std::vector<std::string> ribs = {
        "..iIIIIi..", //
        ".IiIIIIIII", //
        ".Ii......I", //
        ".IiIIIIIIi", //
        ".Ii.....I.", //
        ".IiIIIIIi.", //
        ".Ii....I..", //
        "..iIIIIi..", //
        "..i.......", //
        "..i.......", //
    };
    canvas.stamp(ribs, palette, ribLeft, ribTop);

    // Neck and skull, the jaw hanging by `jaw` pixels.
    const int skullLeft = ribLeft + 1 + pose.nod;
    const int skullTop = ribTop - 9;
    canvas.plot(ribLeft + 3, ribTop - 1, palette['i']);
    canvas.plot(ribLeft + 3 + pose.nod, ribTop - 2, palette['I']);
    const std::vector<std::string> cranium = {
        "..iIIIII..", //
        ".iIIIIIIII", //
        "iIIIIIIIII", //
        "iIIIIIeeeI", //
        "iiIIIIeEeI", //
        ".iiIIIIIjI", //
        "..iiIItItI", //
    };
    const std::vector<std::string> jaw = {
        "...jItItI.", //
        "....iiii..", //
    };
    canvas.stamp(jaw, palette, skullLeft, skullTop + 7 + pose.jaw);
    canvas.stamp(cranium, palette, skullLeft, skullTop);
}

void SkeletonPainter::paintAxe(Canvas& canvas, const Pose& pose) const
{
    const float a = pose.axe;
    const sf::Vector2f butt = Rig::reach(pose.grip, a, -5.0f);
    const sf::Vector2f top = Rig::reach(pose.grip, a, 17.0f);
    canvas.line(butt, top, palette['W'], 2);
    canvas.line(butt, top, palette['w']);

    // Head geometry in haft space: u runs up the haft, v towards the cutting edge,
    // which always faces the way the chop travels.
    const float r = a * turn / 360.0f;
    const sf::Vector2f up(std::sin(r), std::cos(r));
    const sf::Vector2f edge(-std::cos(r), std::sin(r));
    const auto at = [&](float u, float v) { return pose.grip + up * u + edge * v; };
    canvas.fillPolygon({at(11.5f, 0.0f), at(16.5f, 0.0f), at(19.0f, 6.0f), at(17.0f, 8.5f),
                        at(12.0f, 8.5f), at(9.5f, 6.0f)},
                       palette['x']);
    canvas.line(at(19.0f, 6.0f), at(17.0f, 8.5f), palette['X']);
    canvas.line(at(17.0f, 8.5f), at(12.0f, 8.5f), palette['X']);
    canvas.line(at(12.0f, 8.5f), at(9.5f, 6.0f), palette['X']);
    canvas.plot(px(at(14.0f, 3.0f).x), px(at(14.0f, 3.0f).y), palette['r']);
    canvas.plot(px(at(12.5f, 4.0f).x), px(at(12.5f, 4.0f).y), palette['r']);
    canvas.fillPolygon({at(13.0f, 0.0f), at(15.5f, 0.0f), at(14.0f, -3.5f)}, palette['x']);
}

void SkeletonPainter::paintNearArm(Canvas& canvas, const Pose& pose) const
{
    paintArm(canvas, shoulder(pose, true), pose.grip, true);
}
