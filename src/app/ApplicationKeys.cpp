#include "app/ApplicationKeys.hpp"

namespace
{
bool isFullscreenKey(const sf::Event::KeyEvent& key)
{
    return key.code == sf::Keyboard::F11 || (key.code == sf::Keyboard::Enter && key.alt);
}
} // namespace

ApplicationKeys::ApplicationKeys(Input& input) : input(input)
{
    input.keepEvents([this](const InputEvent& event) { return keep(event); });
}

ApplicationKeys::~ApplicationKeys()
{
    input.keepEvents(nullptr);
}

bool ApplicationKeys::keep(const InputEvent& event)
{
    Presses& presses = input.getPresses();
    if (event.type == sf::Event::KeyPressed && event.key.code != sf::Keyboard::Unknown)
    {
        // Its auto-repeat, even once Alt has come up: a held Enter must not
        // choose a menu item either.
        if (presses.isUsed(event.key.code))
            return true;
        if (isFullscreenKey(event.key))
        {
            fullscreenToggle = !fullscreenToggle;
            presses.use(event.key.code);
            return true;
        }
    }
    if ((event.type == sf::Event::KeyPressed || event.type == sf::Event::KeyReleased) &&
        event.key.code == sf::Keyboard::M)
    {
        if (event.isFresh())
            muteToggle = !muteToggle;
        return true;
    }
    return false;
}

bool ApplicationKeys::takeFullscreenToggle()
{
    const bool toggle = fullscreenToggle;
    fullscreenToggle = false;
    return toggle;
}

bool ApplicationKeys::takeMuteToggle()
{
    const bool toggle = muteToggle;
    muteToggle = false;
    return toggle;
}
