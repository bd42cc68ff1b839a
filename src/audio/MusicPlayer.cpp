#include "audio/MusicPlayer.hpp"

#include "audio/SoundFiles.hpp"
#include "platform/QuietSfmlErrors.hpp"

namespace
{
// The themes sit under the effects, which carry what happens in play.
constexpr float musicVolume = 70.f;
} // namespace

MusicPlayer::MusicPlayer(std::ostream& errors) : errors(errors) {}

bool MusicPlayer::open(MusicTheme theme)
{
    Opening& state = opening[static_cast<std::size_t>(theme)];
    if (state == Opening::NotYet)
    {
        const QuietSfmlErrors quiet;
        sf::Music& m = music(theme);
        state = m.openFromFile(musicFile(theme)) ? Opening::Opened : Opening::Failed;
        if (state == Opening::Failed)
            errors << "Не удалось загрузить музыку: " << musicFile(theme) << std::endl;
        m.setLoop(true);
        if (state == Opening::Opened)
            m.setLoopPoints(
                {sf::seconds(musicMargin), m.getDuration() - sf::seconds(2 * musicMargin)});
        m.setRelativeToListener(true);
        m.setVolume(0.f);
    }
    return state == Opening::Opened;
}

void MusicPlayer::play(MusicTheme theme)
{
    if (started && theme == current)
        return;
    started = true;
    current = theme;
    fade.fadeTo(theme);
    // Only started or resumed here: stopping would rewind the file, which
    // decodes on this thread. A paused theme keeps its place.
    if (open(theme) && music(theme).getStatus() != sf::SoundSource::Playing)
        music(theme).play();
}

void MusicPlayer::update(float dt)
{
    fade.update(dt);
    for (const MusicTheme theme : allThemes)
    {
        if (opening[static_cast<std::size_t>(theme)] != Opening::Opened)
            continue;
        sf::Music& m = music(theme);
        m.setVolume(musicVolume * fade.volume(theme));
        if (!fade.audible(theme) && m.getStatus() == sf::SoundSource::Playing)
            m.pause();
    }
}
