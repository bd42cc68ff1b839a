#include "menu/MenuState.hpp"

#include "app/Application.hpp"
#include "app/StateStack.hpp"
#include "menu/MenuLayout.hpp"
#include "platform/Utf8.hpp"

#include <iterator>

namespace
{
constexpr unsigned titleSize = 60;
constexpr unsigned itemSize = 40;
constexpr float titleTop = 50.f;
constexpr std::size_t itemCount = std::size(menuItemOffsets);

/// A point offset from the window centre; the offsets may take it past the edges.
sf::Vector2f fromCentre(unsigned centreX, unsigned centreY, long dx, long dy)
{
    return {static_cast<float>(static_cast<long>(centreX) + dx),
            static_cast<float>(static_cast<long>(centreY) + dy)};
}

bool isLeftButton(const sf::Event& event, sf::Event::EventType type)
{
    return event.type == type && event.mouseButton.button == sf::Mouse::Left;
}

/// The size the window had when the game last created it. Dragging the frame
/// does not change it (the picture is only stretched then), re-creating does.
sf::Vector2u createdSize(const sf::RenderWindow& window)
{
    const sf::Vector2f size = window.getDefaultView().getSize();
    return {static_cast<unsigned>(size.x), static_cast<unsigned>(size.y)};
}
} // namespace

MenuState::MenuState(const sf::Font& font, sf::Vector2u windowSize, Application& app)
    : input(app.getInput()), audio(app.getAudio()), controls(input),
      title(fromUtf8("Игровое меню"), font, titleSize),
      playButton(MenuButton::item("Играть", font, itemSize)),
      settingsButton(MenuButton::item("Настройки", font, itemSize)),
      exitButton(MenuButton::item("Выход", font, itemSize)),
      backdrop(static_cast<float>(windowSize.x)), windowSize(windowSize)
{
    title.setFillColor(sf::Color::Cyan);
    title.setStyle(sf::Text::Bold);
    layout();
    // The menu appears where the pointer is: resting there, it lights nothing.
    pointer.drop(std::nullopt, mousePosition(app.getWindow()));
    audio.load({SoundEffect::Hover, SoundEffect::Click});
    audio.playMusic(MusicTheme::Menu);
}

void MenuState::layout()
{
    const unsigned cx = windowSize.x / 2;
    const unsigned cy = windowSize.y / 2;
    // The heading is centred on its bold width; the items sit at fixed offsets.
    title.setPosition(static_cast<float>(cx) - title.getGlobalBounds().width * 0.5f, titleTop);
    for (std::size_t index = 0; index < itemCount; ++index)
        item(index).setPosition(
            fromCentre(cx, cy, menuItemOffsets[index].x, menuItemOffsets[index].y));
}

sf::Vector2f MenuState::mousePosition(const sf::RenderWindow& window) const
{
    return window.mapPixelToCoords(input.getMousePosition(window));
}

void MenuState::catchUpWithWindow(const sf::RenderWindow& window)
{
    // The settings screen may have re-created the window while it covered the
    // menu, and only the top screen is told.
    if (createdSize(window) != windowSize)
        onResize(createdSize(window));
}

void MenuState::handleInput(sf::RenderWindow& window, StateStack& states, Application& /*app*/)
{
    catchUpWithWindow(window);

    bool pressed = false;
    InputEvent event;
    while (input.pollEvent(window, event))
    {
        if (event.type == sf::Event::Closed)
            window.close();
        else if (isLeftButton(event, sf::Event::MouseButtonPressed))
            pressed = pressed || event.isFresh();
        else if (obey(controls.fromEvent(event), window, states))
            return; // events still queued are for the screen on top now
    }
    if (obey(controls.frameCommand(), window, states))
        return;

    if (const std::optional<std::size_t> clicked = clickedItem(window, pressed))
        activate(*clicked, window, states, false);
}

MenuButton& MenuState::item(std::size_t index)
{
    switch (index)
    {
    case PlayItem:
        return playButton;
    case SettingsItem:
        return settingsButton;
    default:
        return exitButton;
    }
}

std::optional<std::size_t> MenuState::itemAt(const sf::Vector2f& mouse)
{
    for (const std::size_t index : {SettingsItem, PlayItem, ExitItem})
        if (item(index).contains(mouse))
            return index;
    return std::nullopt;
}

std::optional<std::size_t> MenuState::clickedItem(const sf::RenderWindow& window, bool pressed)
{
    // Clicks follow the held button, so a press on empty space dragged onto an
    // item picks it. A press and release within one frame leave only the event.
    // The button is read before the pointer: a click moves the pointer and
    // then presses, so a pointer read after the press is where it pressed. Read
    // the other way round, a click landing between the two readings picked
    // the item where the pointer had been before it.
    const bool leftDown = input.getPresses().held(sf::Mouse::Left);
    if (!pressed && !leftDown)
        return std::nullopt;
    pointer.moved();
    return itemAt(mousePosition(window));
}

void MenuState::setFocus(std::optional<std::size_t> newFocus)
{
    if (newFocus && newFocus != focus)
        audio.play(SoundEffect::Hover);
    focus = newFocus;
}

bool MenuState::obey(MenuCommand command, sf::RenderWindow& window, StateStack& states)
{
    if (command == MenuCommand::Choose)
        return focus && activate(*focus, window, states, true);
    setFocus(stepFocus(focus, command, itemCount));
    return false; // Back has nothing to leave here
}

bool MenuState::activate(std::size_t index, sf::RenderWindow& window, StateStack& states,
                         bool byKeys)
{
    audio.play(SoundEffect::Click);
    // The press that chose is used up: held on, it chooses nothing more, and
    // its own event, if it comes after this, is no new click.
    if (!byKeys)
        input.getPresses().use(sf::Mouse::Left);
    if (index == SettingsItem)
    {
        // The pointer may have gone anywhere by the time they close.
        setFocus(pointer.drop(focus));
        states.push(ScreenId::Settings, windowSize,
                    byKeys ? StartFocus::FirstItem : StartFocus::None);
        return true;
    }
    if (index == PlayItem)
    {
        // Built first, while this menu is alive; replace then destroys the menu.
        states.replace(ScreenId::Play, windowSize);
        return true;
    }
    window.close();
    return false;
}

void MenuState::update(float dt, sf::RenderWindow& window)
{
    // Uncovered in this frame's handleInput, the menu is drawn before its next one.
    catchUpWithWindow(window);
    backdrop.update(dt, windowSize);

    // The pointer counts once it has moved since the menu appeared.
    const sf::Vector2f mouse = mousePosition(window);
    setFocus(pointer.follow(mouse, itemAt(mouse), focus));
    const bool leftDown = input.getPresses().isDown(sf::Mouse::Left);
    for (std::size_t index = 0; index < itemCount; ++index)
        item(index).setState(shownState(index, focus, pointer.getHovered(),
                                        leftDown && item(index).contains(mouse)));
}

void MenuState::render(sf::RenderWindow& window)
{
    backdrop.draw(window);
    window.draw(title);
    playButton.draw(window);
    settingsButton.draw(window);
    exitButton.draw(window);
}

void MenuState::onResize(sf::Vector2u newSize)
{
    windowSize = newSize;
    layout();
    setFocus(pointer.drop(focus)); // the items moved under the pointer
    // A fresh fall for the new width; the wind carries on where it was.
    backdrop.restart(static_cast<float>(newSize.x));
}
