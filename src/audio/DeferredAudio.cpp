#include "audio/DeferredAudio.hpp"

#include <utility>

DeferredAudio::DeferredAudio(Opener open) : opener(std::move(open)) {}

void DeferredAudio::load(std::initializer_list<SoundEffect> effects)
{
    for (const SoundEffect effect : effects)
        wanted[static_cast<std::size_t>(effect)] = true;
    if (opened)
        opened->load(effects);
}

// A sound asked for while no device is open is not heard: later it would be
// wrong.
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
    listener = position;
    if (opened)
        opened->setListenerPosition(position);
}

void DeferredAudio::playMusic(MusicTheme wantedTheme)
{
    theme = wantedTheme;
    if (opened)
        opened->playMusic(wantedTheme);
}

void DeferredAudio::update(float dt)
{
    sinceAsked += dt;
    if (!opened)
    {
        // The first update comes before the first frame is shown; from the
        // second on, a device is tried, and tried again while there is none.
        if (shown && (!tried || sinceAsked >= retryInterval))
            openNow();
        shown = true;
    }
    else if (sinceAsked >= checkInterval)
    {
        sinceAsked = 0.f;
        // Dropped whole, the sound lets its library close the lost device, so
        // that the next one opened is the one there is now.
        if (opened->isLost())
            opened.reset();
    }
    if (opened)
        opened->update(dt);
}

void DeferredAudio::toggleMute()
{
    muted = !muted;
    if (opened)
        opened->toggleMute();
}

void DeferredAudio::openNow()
{
    sinceAsked = 0.f;
    tried = true;
    opened = opener();
    if (!opened)
        return;
    for (std::size_t effect = 0; effect < effectCount; ++effect)
        if (wanted[effect])
            opened->load({static_cast<SoundEffect>(effect)});
    if (listener)
        opened->setListenerPosition(*listener);
    if (theme)
        opened->playMusic(*theme);
    if (muted != opened->isMuted())
        opened->toggleMute();
}
