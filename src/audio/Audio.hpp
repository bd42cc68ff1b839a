#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <initializer_list>
#include <iterator>

/// The game's short sounds, each tied to a moment of play or of the menus.
enum class SoundEffect
{
    Hover,        ///< the pointer came onto an item
    Click,        ///< an item or a control was chosen
    HeroStep,     ///< a foot of the knight met the ground
    HeroJump,     ///< the knight took off
    HeroLanding,  ///< the knight came down
    SkeletonStep, ///< a foot of the skeleton met the ground
    AxeSwing,     ///< the skeleton's axe swings
    Count
};

/// How many effects there are: the size of anything kept per effect.
constexpr std::size_t effectCount = static_cast<std::size_t>(SoundEffect::Count);

/// The two looping themes: one for the menus, one for the forest.
enum class MusicTheme
{
    Menu,
    Forest,
    Count
};

/// How many themes there are: the size of anything kept per theme.
constexpr std::size_t themeCount = static_cast<std::size_t>(MusicTheme::Count);

/// Every theme, in order.
constexpr MusicTheme allThemes[] = {MusicTheme::Menu, MusicTheme::Forest};
static_assert(std::size(allThemes) == themeCount, "every theme listed");

/// Everything the game asks of its sound: screens and the play screen's
/// character watcher say what happens; what is heard (and whether anything is)
/// is the implementation's business. Tests put a recorder in its place.
class Audio
{
public:
    virtual ~Audio() = default;

    /// Loads these effects if they are not loaded yet. Screens call it when they
    /// are built, so nothing is loaded once they run.
    virtual void load(std::initializer_list<SoundEffect> effects) = 0;

    /// Plays an effect in the middle, at full loudness.
    virtual void play(SoundEffect effect) = 0;

    /// Plays an effect from a point of the world: placed left or right of the
    /// listener, and quieter the farther away it is.
    virtual void playAt(SoundEffect effect, sf::Vector2f position) = 0;

    /// Where the listener is in the world: the centre of the play screen's view.
    virtual void setListenerPosition(sf::Vector2f position) = 0;

    /// Crossfades to a theme, or does nothing when it is already the one playing.
    virtual void playMusic(MusicTheme theme) = 0;

    /// Moves the crossfade on; called once a frame.
    virtual void update(float dt) = 0;

    /// Silences everything, or brings it back. Lasts for the run only.
    virtual void toggleMute() = 0;
    virtual bool isMuted() const = 0;

    /// Whether the device it plays through has gone (its sound server
    /// stopped, say): nothing is heard from it again. Each call looks at the
    /// device anew, and some losses show only over several: ask a few times
    /// a second.
    virtual bool isLost() { return false; }
};
