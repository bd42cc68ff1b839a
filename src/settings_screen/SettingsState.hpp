#pragma once

#include "app/State.hpp"
#include "audio/Audio.hpp"
#include "controls/Input.hpp"
#include "settings/Settings.hpp"
#include "settings_screen/SettingsPanel.hpp"
#include "widgets/MenuControls.hpp"

#include <SFML/Graphics/Font.hpp>

#include <optional>

/// The graphics settings screen, opened over the menu. Every change the player
/// makes is applied to the window and saved in the frame it is made.
class SettingsState : public State
{
public:
    SettingsState(const sf::Font& font, sf::Vector2u windowSize, Application& app);

    /// Shows the focus on the resolution box, as when a key opened the screen.
    void focusFirstItem();

    void handleInput(sf::RenderWindow& window, StateStack& states, Application& app) override;
    void update(float dt, sf::RenderWindow& window) override;
    void render(sf::RenderWindow& window) override;

    /// Lays the screen out anew. The window may also have been switched to or
    /// from full screen by F11: the switch and the copy of the applied settings
    /// follow, so the next update does not switch it back.
    void onResize(sf::Vector2u newSize) override;

    const SettingsPanel& getPanel() const { return panel; }
    const Settings& getAppliedSettings() const { return settings; }

private:
    /// What of the panel is heard changing: the list, the switch, the choice,
    /// and where the focus is.
    struct Glance
    {
        bool open;
        bool fullscreen;
        sf::Vector2u selected;
        std::optional<std::size_t> focus;
        std::optional<std::size_t> entryFocus;
    };
    Glance glance() const;

    /// After the panel has answered the player: a click when a control did
    /// something or the screen is left, else a tick when the focus came onto
    /// an item or an entry.
    void hear(const Glance& before, bool leave);

    Input& input;
    Audio& audio;
    MenuControls controls;
    SettingsPanel panel;
    Application* application;
    Settings settings; ///< the settings last handed to the application
};
