#include "HeroPainter.hpp"

#include "Rig.hpp"

#include <cmath>
#include <vector>

namespace
{
constexpr float turn = 6.2831853f;

// Leg and arm lengths in pixels; the knight is 35 px tall from sole to plume.
constexpr float thigh = 6.0f;
constexpr float shin = 6.0f;
constexpr float upperArm = 5.0f;
constexpr float forearm = 4.0f;
constexpr float groundAnkle = 37.0f;

float smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}
} // namespace

HeroPainter::HeroPainter()
    : palette{
          {'o', {22, 16, 32}},    // outline
          {'H', {236, 242, 250}}, // steel highlight
          {'s', {160, 172, 196}}, // steel
          {'d', {96, 102, 134}},  // steel shadow
          {'D', {62, 62, 92}},    // steel deep shadow (far limbs)
          {'v', {28, 20, 40}},    // visor slit
          {'g', {214, 154, 52}},  // gold
          {'G', {252, 216, 110}}, // gold highlight
          {'r', {186, 40, 48}},   // cape red
          {'R', {232, 82, 64}},   // cape highlight
          {'q', {116, 22, 46}},   // cape shadow
          {'b', {104, 64, 50}},   // leather
          {'B', {146, 96, 66}},   // leather highlight
          {'w', {246, 248, 255}}, // blade shine
          {'W', {172, 184, 206}}, // blade
      }
{
}

HeroPainter::Pose HeroPainter::idlePose(int frame)
{
    Pose pose;
    const float t = static_cast<float>(frame) / sheetFrames;
    // Breath in over the middle of the loop: chest and head rise one pixel.
    pose.rise = (frame >= 3 && frame <= 7) ? 1 : 0;
    pose.nearArm = 18.0f;
    pose.nearForearm = 62.0f;
    pose.sword = 52.0f;
    pose.farArm = -14.0f;
    pose.farForearm = 22.0f;
    pose.capeSwing = -14.0f + 4.0f * std::sin(t * turn);
    pose.capeWave = t;
    return pose;
}

HeroPainter::Pose HeroPainter::runPose(int frame)
{
    Pose pose;
    const float p = static_cast<float>(frame) / sheetFrames;
    // Contact, down, passing, up, up again for each leg in turn.
    static constexpr int bob[5] = {0, 1, 0, -1, -1};
    pose.hip = {48.0f, 26.0f + static_cast<float>(bob[frame % 5])};
    pose.lean = 2;

    const auto foot = [&pose](float phase, float& toe)
    {
        phase -= std::floor(phase);
        if (phase < 0.5f)
        {
            // Planted: the foot slides back under the body as it moves forward.
            const float s = phase / 0.5f;
            toe = s > 0.75f ? 20.0f : 0.0f;
            return sf::Vector2f(pose.hip.x + 5.0f - 10.0f * s, groundAnkle);
        }
        // Swinging: heel kicks up behind, then the knee drives the foot forward.
        const float s = (phase - 0.5f) / 0.5f;
        toe = 35.0f * (1.0f - s);
        return sf::Vector2f(pose.hip.x - 5.0f + 10.0f * smooth(s),
                            groundAnkle - 6.5f * std::sin(std::pow(s, 0.7f) * turn / 2.0f));
    };
    // Each foot comes down on the frame the game plays its step on.
    pose.nearFoot = foot(Rig::stridePhase(frame, footfallFrames[0], sheetFrames), pose.nearToe);
    pose.farFoot = foot(Rig::stridePhase(frame, footfallFrames[1], sheetFrames), pose.farToe);

    // Arms swing against the legs.
    // The sword arm swings less so the blade stays levelled ahead.
    const float swing = 38.0f * std::cos(p * turn);
    pose.nearArm = -swing * 0.5f;
    pose.nearForearm = -swing * 0.5f + 70.0f;
    pose.sword = 100.0f - swing * 0.25f;
    pose.farArm = swing;
    pose.farForearm = swing + 75.0f;
    pose.capeSwing = -62.0f + 6.0f * std::sin(p * turn * 2.0f);
    pose.capeWave = p * 2.0f;
    return pose;
}

HeroPainter::Pose HeroPainter::jumpPose()
{
    Pose pose;
    // Knees pulled up level with the hips; the soles still mark the bottom row.
    pose.hip = {46.0f, 30.0f};
    pose.lean = 1;
    pose.nearFoot = {48.0f, groundAnkle};
    pose.nearToe = 30.0f;
    pose.farFoot = {45.0f, groundAnkle - 1.0f};
    pose.farToe = 40.0f;
    // Sword arm thrust out in front, free arm flung up behind for balance.
    pose.nearArm = 95.0f;
    pose.nearForearm = 125.0f;
    pose.sword = 150.0f;
    pose.farArm = -135.0f;
    pose.farForearm = -160.0f;
    pose.capeSwing = -35.0f;
    pose.capeWave = 0.3f;
    return pose;
}

sf::Image HeroPainter::idleSheet() const
{
    return sheet(sheetFrames, cellWidth, &HeroPainter::idlePose);
}

sf::Image HeroPainter::runSheet() const
{
    return sheet(sheetFrames, cellWidth, &HeroPainter::runPose);
}

sf::Image HeroPainter::jumpFrame() const
{
    sf::Image image;
    image.create(frameWidth, frameHeight, sf::Color::Transparent);
    paintFrame(image, 0, jumpPose());
    return image;
}

sf::Image HeroPainter::sheet(int frames, int cell, Pose (*pose)(int)) const
{
    sf::Image image;
    image.create(static_cast<unsigned>(frames * cell), frameHeight, sf::Color::Transparent);
    for (int i = 0; i < frames; ++i)
        paintFrame(image, i * cell, pose(i));
    return image;
}

void HeroPainter::paintFrame(sf::Image& target, int left, const Pose& pose) const
{
    // Each depth layer is painted and outlined on its own, then stacked, so the
    // outline of a nearer part separates it from what is behind it.
    Canvas frame(target, {left, 0, frameWidth, frameHeight});
    using Part = void (HeroPainter::*)(Canvas&, const Pose&) const;
    for (const Part part : {&HeroPainter::paintFarLimbs, &HeroPainter::paintCape,
                            &HeroPainter::paintBody, &HeroPainter::paintNearArm})
    {
        sf::Image layer;
        layer.create(frameWidth, frameHeight, sf::Color::Transparent);
        Canvas canvas(layer, {0, 0, frameWidth, frameHeight});
        (this->*part)(canvas, pose);
        canvas.outline(palette['o']);
        frame.paste(layer, 0, 0);
    }
}

void HeroPainter::paintLeg(Canvas& canvas, sf::Vector2f hip, sf::Vector2f ankle, float toe,
                           bool near) const
{
    const sf::Vector2f knee = Rig::bend(hip, ankle, thigh, shin, true);
    const sf::Color steel = near ? palette['s'] : palette['d'];
    const sf::Color shade = near ? palette['d'] : palette['D'];
    canvas.line(hip, knee, shade, 3);
    canvas.line(knee, ankle, shade, 3);
    canvas.line(hip + sf::Vector2f(1, 0), knee + sf::Vector2f(1, 0), steel, 2);
    canvas.line(knee + sf::Vector2f(1, 0), ankle + sf::Vector2f(1, -1), steel, 2);
    canvas.plot(static_cast<int>(std::lround(knee.x)) + 1, static_cast<int>(std::lround(knee.y)),
                near ? palette['H'] : palette['s']);

    // Boot: a small block from heel to toe, tilted by `toe`.
    const float a = toe * turn / 360.0f;
    const auto local = [&](float x, float y)
    {
        return sf::Vector2f(ankle.x + x * std::cos(a) - y * std::sin(a),
                            ankle.y + x * std::sin(a) + y * std::cos(a));
    };
    canvas.fillPolygon({local(-1.4f, -1.0f), local(1.4f, -1.0f), local(3.4f, 1.2f),
                        local(3.4f, 2.0f), local(-1.4f, 2.0f)},
                       near ? palette['b'] : palette['D']);
    canvas.line(local(0.0f, -1.0f), local(1.0f, -1.0f), near ? palette['B'] : palette['b']);
}

sf::Vector2f HeroPainter::paintArm(Canvas& canvas, sf::Vector2f shoulder, float arm,
                                   float forearmAngle, bool near) const
{
    const sf::Vector2f elbow = Rig::reach(shoulder, arm, upperArm);
    const sf::Vector2f hand = Rig::reach(elbow, forearmAngle, forearm);
    const sf::Color steel = near ? palette['s'] : palette['d'];
    canvas.line(shoulder, elbow, near ? palette['d'] : palette['D'], 3);
    canvas.line(shoulder, elbow, steel, 2);
    canvas.line(elbow, hand, steel, 2);
    canvas.fillRect(static_cast<int>(std::lround(hand.x)) - 1,
                    static_cast<int>(std::lround(hand.y)) - 1, 2, 2,
                    near ? palette['b'] : palette['D']);
    return hand;
}

void HeroPainter::paintFarLimbs(Canvas& canvas, const Pose& pose) const
{
    const sf::Vector2f shoulder(pose.hip.x + pose.lean - 1.0f, pose.hip.y - 9.0f - pose.rise);
    paintArm(canvas, shoulder, pose.farArm, pose.farForearm, false);
    paintLeg(canvas, pose.hip + sf::Vector2f(-1.0f, 0.0f), pose.farFoot, pose.farToe, false);
}

void HeroPainter::paintCape(Canvas& canvas, const Pose& pose) const
{
    // The cape is a strip hung from the back of the neck, bent along its length by
    // the swing angle and a travelling ripple.
    const sf::Vector2f anchor(pose.hip.x + pose.lean - 3.0f, pose.hip.y - 9.0f - pose.rise);
    constexpr int segments = 8;
    constexpr float length = 14.0f;
    std::vector<sf::Vector2f> back, front, spine;
    sf::Vector2f point = anchor;
    for (int k = 0; k <= segments; ++k)
    {
        const float along = static_cast<float>(k) / segments;
        const float angle = pose.capeSwing * along * 1.3f +
                            16.0f * along * std::sin((pose.capeWave - along * 0.8f) * turn);
        const sf::Vector2f dir = Rig::reach({0, 0}, angle, 1.0f);
        const sf::Vector2f normal(dir.y, -dir.x);
        const float half = 1.5f + 2.2f * along;
        spine.push_back(point);
        back.push_back(point - normal * half);
        front.push_back(point + normal * half);
        point += dir * (length / segments);
    }
    std::vector<sf::Vector2f> outline(back.begin(), back.end());
    outline.insert(outline.end(), front.rbegin(), front.rend());
    canvas.fillPolygon(outline, palette['r']);
    // A fold running down the middle and a lit edge facing the viewer.
    for (int k = 2; k < segments; ++k)
        canvas.line(spine[k] + (back[k] - spine[k]) * 0.3f,
                    spine[k + 1] + (back[k + 1] - spine[k + 1]) * 0.3f, palette['q']);
    for (int k = 1; k < segments; ++k)
        canvas.line(front[k] * 0.75f + spine[k] * 0.25f,
                    front[k + 1] * 0.75f + spine[k + 1] * 0.25f, palette['R']);

    // Plume from the crown of the helmet: swept up and back at rest, streaming
    // straight back at a run, each tuft drooping a little more than the last.
    const sf::Vector2f crown(pose.hip.x + pose.lean, pose.hip.y - 19.0f - pose.rise);
    sf::Vector2f tip = crown;
    for (int k = 0; k < 3; ++k)
    {
        const float angle = -150.0f - pose.capeSwing * 0.8f + 25.0f * k +
                            8.0f * std::sin((pose.capeWave - k * 0.25f) * turn);
        const sf::Vector2f next = Rig::reach(tip, angle, 2.4f);
        canvas.line(tip, next, k == 0 ? palette['R'] : palette['r'], 2);
        tip = next;
    }
}

void HeroPainter::paintBody(Canvas& canvas, const Pose& pose) const
{
    paintLeg(canvas, pose.hip + sf::Vector2f(1.0f, 0.0f), pose.nearFoot, pose.nearToe, true);

    const int hx = static_cast<int>(pose.hip.x);
    const int hy = static_cast<int>(pose.hip.y);
    const int chestTop = hy - 10 - pose.rise;
    const int chestLeft = hx - 4 + pose.lean;
    // Breastplate over a red tabard that hangs below the belt.
    const std::vector<std::string> chest = {
        "...gGgg..", //
        "..dsHHHs.", //
        ".dssHHHHs", //
        "ddsssHHHs", //
        "ddsgrRRgs", //
        ".ddgrRrg.", //
        "..dgrRrg.", //
        "..dgrrrg.", //
    };
    // Stamped at both heights so a breath leaves no gap above the belt.
    canvas.stamp(chest, palette, chestLeft, chestTop + pose.rise);
    canvas.stamp(chest, palette, chestLeft, chestTop);
    const std::vector<std::string> waist = {
        "..gGgGgg.", //
        ".ddgRrgd.", //
        ".d.grqg..", //
        "...gggg..", //
    };
    canvas.stamp(waist, palette, hx - 4 + pose.lean / 2, hy - 2);

    const std::vector<std::string> helmet = {
        "...sHHs..", //
        "..sHHHHs.", //
        ".dssHHHHs", //
        "ddsssssHs", //
        "ddssvvvvv", //
        "ddgsssssd", //
        "ddgsdsdsd", //
        ".dgssssd.", //
        "..ddddd..", //
    };
    canvas.stamp(helmet, palette, chestLeft + 1, chestTop - 8);
}

void HeroPainter::paintNearArm(Canvas& canvas, const Pose& pose) const
{
    const sf::Vector2f shoulder(pose.hip.x + pose.lean + 1.0f, pose.hip.y - 9.0f - pose.rise);
    const sf::Vector2f hand = paintArm(canvas, shoulder, pose.nearArm, pose.nearForearm, true);

    // Sword: crossguard across the fist, blade out along `sword`.
    const sf::Vector2f bladeBase = Rig::reach(hand, pose.sword, 2.0f);
    const sf::Vector2f tip = Rig::reach(hand, pose.sword, 12.0f);
    canvas.line(Rig::reach(hand, pose.sword, -2.0f), hand, palette['b']);
    canvas.line(bladeBase, tip, palette['W'], 2);
    canvas.line(bladeBase, tip, palette['w']);
    canvas.line(Rig::reach(bladeBase, pose.sword + 90.0f, 2.0f),
                Rig::reach(bladeBase, pose.sword - 90.0f, 2.0f), palette['g']);

    // Pauldron over the shoulder joint.
    canvas.fillEllipse(shoulder + sf::Vector2f(0.0f, 0.5f), 2.6f, 2.0f, palette['s']);
    canvas.plot(static_cast<int>(shoulder.x), static_cast<int>(shoulder.y) - 1, palette['H']);
    canvas.plot(static_cast<int>(shoulder.x) + 1, static_cast<int>(shoulder.y) - 1, palette['H']);
}
