#include "settings_screen/SettingsState.hpp"

#include "app/Application.hpp"
#include "app/StateStack.hpp"

SettingsState::SettingsState(const sf::Font& font, sf::Vector2u windowSize, Application& app)
    : input(app.getInput()), audio(app.getAudio()), controls(input),
      panel(font, windowSize, app.getSettings()), application(&app), settings(app.getSettings())
{
    audio.load({SoundEffect::Hover, SoundEffect::Click});
}

void SettingsState::focusFirstItem()
{
    panel.focusFirstItem();
}

void SettingsState::handleInput(sf::RenderWindow& window, StateStack& states, Application& /*app*/)
{
    InputEvent event;
    bool leave = false;
    while (!leave && input.pollEvent(window, event))
    {
        if (event.type == sf::Event::Closed)
            window.close();
        // The menu may open this screen on the held button before the press's
        // own event has come in. That press is the menu's, not a click here:
        // at 800x600 it lies on "Применить", which would close the screen again.
        if (event.type == sf::Event::MouseButtonPressed && !event.isFresh())
            continue;
        const sf::Vector2f mouse = window.mapPixelToCoords(input.getMousePosition(window));
        const Glance before = glance();
        leave = panel.handleEvent(event, mouse, input.getPresses().isDown(sf::Mouse::Left)) ||
                panel.handleCommand(controls.fromEvent(event));
        hear(before, leave);
    }
    if (!leave)
    {
        const Glance before = glance();
        leave = panel.handleCommand(controls.frameCommand());
        hear(before, leave);
    }
    if (leave && !states.empty())
    {
        // This pops the screen itself: nothing of it may be touched after.
        // Events still queued go to the menu next frame.
        states.pop();
    }
}

SettingsState::Glance SettingsState::glance() const
{
    return {panel.isDropdownOpen(), panel.isFullscreen(), panel.getSelectedResolution(),
            panel.getFocus(), panel.getEntryFocus()};
}

void SettingsState::hear(const Glance& before, bool leave)
{
    const Glance now = glance();
    if (leave || now.open != before.open || now.fullscreen != before.fullscreen ||
        now.selected != before.selected)
        audio.play(SoundEffect::Click);
    else if ((now.focus && now.focus != before.focus) ||
             (now.entryFocus && now.entryFocus != before.entryFocus))
        audio.play(SoundEffect::Hover);
}

void SettingsState::update(float /*dt*/, sf::RenderWindow& /*window*/)
{
    const Settings chosen{panel.getSelectedResolution().x, panel.getSelectedResolution().y,
                          panel.isFullscreen()};
    if (chosen == settings)
        return;
    // Re-creates the window and, through onResize, lays this screen out anew.
    application->applySettings(chosen);
    settings = chosen;
}

void SettingsState::render(sf::RenderWindow& window)
{
    panel.draw(window);
}

void SettingsState::onResize(sf::Vector2u newSize)
{
    settings = application->getSettings();
    if (panel.isFullscreen() != settings.fullscreen)
        panel.setFullscreen(settings.fullscreen);
    panel.layout(newSize.x, newSize.y);
}
