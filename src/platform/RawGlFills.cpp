#include "platform/RawGlFills.hpp"

#include <SFML/OpenGL.hpp>

namespace
{
void useFill(RawGlFills::Fill fill)
{
    if (fill == RawGlFills::Fill::Blended)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    if (fill == RawGlFills::Fill::Tested)
        glEnable(GL_ALPHA_TEST);
    else
        glDisable(GL_ALPHA_TEST);
}
} // namespace

RawGlFills::RawGlFills(sf::RenderTarget& target) : target(target)
{
    // White sprites: the texture alone gives the same colour as the texture
    // times the sprite's colour, for less work.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glAlphaFunc(GL_GREATER, 0.f);
    glEnable(GL_SCISSOR_TEST);
}

RawGlFills::~RawGlFills()
{
    useFill(Fill::Blended);
    glDisable(GL_SCISSOR_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // Measured with Mesa in software, it costs nothing that shows in a frame.
    target.resetGLStates();
}

void RawGlFills::clip(int left, int top, int right, int bottom, Fill fill)
{
    useFill(fill);
    // The scissor counts rows from the bottom of the target.
    glScissor(left, static_cast<GLint>(target.getSize().y) - bottom, right - left, bottom - top);
}
