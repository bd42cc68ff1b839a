#pragma once

#include <SFML/Graphics/RenderTarget.hpp>

/// While it lives, SFML's sprites are drawn into `target` through GL states
/// of the game's own: a scissor rectangle, and each rectangle filled blended,
/// only where the texture is not transparent (the alpha test), or overwriting.
/// The sprites must be white: the texture alone gives their colour. Going, it
/// hands SFML its states back with resetGLStates, SFML's documented way back
/// after GL calls of one's own.
///
/// SFML 2 offers neither a scissor nor an alpha test. This relies on SFML 2.5
/// and 2.6 setting blending, the alpha test, the scissor and the texture
/// environment only in resetGLStates, never in a draw (their pushGLStates and
/// popGLStates would undo these states under the draws, and leave SFML's record
/// of its states behind the GL's). It could go with SFML 3, whose views clip
/// to a scissor rectangle of their own.
class RawGlFills
{
public:
    /// How a rectangle is filled.
    enum class Fill
    {
        Blended,    ///< drawn over what is there, blended
        Tested,     ///< only where the texture is not transparent
        Overwriting ///< everywhere, without blending
    };

    /// The target must be active.
    explicit RawGlFills(sf::RenderTarget& target);
    ~RawGlFills();

    RawGlFills(const RawGlFills&) = delete;
    RawGlFills& operator=(const RawGlFills&) = delete;

    /// What follows is drawn in target pixels [left, right) x [top, bottom)
    /// alone, filled so.
    void clip(int left, int top, int right, int bottom, Fill fill);

private:
    sf::RenderTarget& target;
};
