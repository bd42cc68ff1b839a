#pragma once

#include "app/ApplicationKeys.hpp"
#include "app/StateStack.hpp"
#include "audio/Audio.hpp"
#include "controls/Input.hpp"
#include "settings/Settings.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <functional>
#include <memory>

/// The whole game: the window, the stack of screens, the UI font and the
/// current settings. Builds the window from settings.cfg, starts on the main
/// menu and runs the main loop until a screen closes the window.
class Application
{
public:
    /// Registers every screen with the application's stack (getStates); the
    /// game's are in registerGameScreens.
    using ScreenList = std::function<void(Application&)>;

    /// Reads the player's real keyboard, mouse and gamepads, and plays
    /// through the machine's audio device when one opens, once the first
    /// frame is shown.
    explicit Application(const ScreenList& screens);

    /// Reads the given input and plays through the given audio instead (tests
    /// script the one and record the other; by default nothing is heard).
    /// Throws std::runtime_error when the UI font cannot be loaded.
    Application(const ScreenList& screens, std::unique_ptr<InputSource> input,
                std::unique_ptr<Audio> audio = nullptr);

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    /// The main loop: one frame after another while the window is open.
    void run();

    /// One frame: the top screen's input, update and render, then display.
    /// F11 or Alt+Enter among the frame's events switch full screen after the
    /// input, so the screen on top by then is told the new size.
    void runFrame(float dt);

    /// Saves the settings, re-creates the window from them and tells the top
    /// screen the new window size.
    void applySettings(const Settings& newSettings);

    const Settings& getSettings() const { return settings; }
    const sf::Font& getFont() const { return font; }
    Input& getInput() { return input; }
    Audio& getAudio() { return *audio; }
    sf::RenderWindow& getWindow() { return window; }
    StateStack& getStates() { return states; }

private:
    void createWindow();

    /// Switches full screen on or off as F11 and Alt+Enter do: through
    /// applySettings, like the settings screen's switch.
    void toggleFullscreen();

    /// Once another screen has come on top, what is held then counts there
    /// only once it has been let go.
    void noteNewScreen();

    // Declared first so they outlive every screen that uses them.
    std::unique_ptr<Audio> audio;
    Input input;
    ApplicationKeys keys{input};
    sf::RenderWindow window;
    StateStack states;
    sf::Font font;
    Settings settings;
    std::size_t changesShown = 0;    ///< screen changes up to the last frame shown
    std::size_t changesNoted = 0;    ///< screen changes the input was told of
    bool windowRemade = false;       ///< since the last frame shown
    bool savingFailureShown = false; ///< the player has been told settings are not saved
};
