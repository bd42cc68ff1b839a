#include "audio/DeferredAudio.hpp"

#include "audio/SilentAudio.hpp"

#include <utility>

DeferredAudio::DeferredAudio(Opener open) : opener(std::move(open)) {}

void DeferredAudio::load(std::initializer_list<SoundEffect> effects)
{
    if (opened)
        opened->load(effects);
    else
        wanted.insert(wanted.end(), effects);
}

// A sound asked for before the device opens is not heard: it could only come
// from the first frame, and later would be wrong.
void DeferredAudio::play(SoundEffect effect)
{
    if (opened)
        opened->play(effect);
}

void DeferredAudio::playAt(SoundEffect effect, sf::Vector2f position)
{
    if (opened)
        opened->playAt(effect, position);
}

void DeferredAudio::setListenerPosition(sf::Vector2f position)
{
    if (opened)
        opened->setListenerPosition(position);
    else
        listener = position;
}

void DeferredAudio::playMusic(MusicTheme wantedTheme)
{
    if (opened)
        opened->playMusic(wantedTheme);
    else
        theme = wantedTheme;
}

void DeferredAudio::update(float dt)
{
    // The first update comes before the first frame is shown.
    if (!opened && ++updates > 1)
        openNow();
    if (opened)
        opened->update(dt);
}

void DeferredAudio::toggleMute()
{
    if (opened)
        opened->toggleMute();
    else
        muted = !muted;
}

bool DeferredAudio::isMuted() const
{
    return opened ? opened->isMuted() : muted;
}

void DeferredAudio::openNow()
{
    opened = opener();
    if (!opened)
        opened = std::make_unique<SilentAudio>();
    for (const SoundEffect effect : wanted)
        opened->load({effect});
    if (listener)
        opened->setListenerPosition(*listener);
    if (theme)
        opened->playMusic(*theme);
    if (muted != opened->isMuted())
        opened->toggleMute();
}
