#include "settings_screen/SettingsPanel.hpp"

#include "platform/Utf8.hpp"
#include "settings_screen/SettingsLayout.hpp"

namespace
{
constexpr unsigned titleSize = 40;
constexpr unsigned buttonSize = 30;
constexpr unsigned labelSize = 24;
constexpr std::size_t itemCount = 4;
const sf::Color boxFill(70, 70, 70, 255);

/// A coordinate offset from a base; the offsets may take it below zero.
float offset(unsigned base, long delta)
{
    return static_cast<float>(static_cast<long>(base) + delta);
}

bool isLeftPress(const sf::Event& event)
{
    return event.type == sf::Event::MouseButtonPressed &&
           event.mouseButton.button == sf::Mouse::Left;
}
} // namespace

SettingsPanel::SettingsPanel(const sf::Font& font, sf::Vector2u windowSize, const Settings& applied)
    : font(&font), backButton(makeButton("Назад (Esc)", {})),
      fullscreenButton(makeButton("Полноэкранный", {})), applyButton(makeButton("Применить", {})),
      selectedResolution(applied.width, applied.height), fullscreen(applied.fullscreen), list(font)
{
    title = sf::Text(fromUtf8("Настройки графики"), font, titleSize);

    dropdownBox.setSize(
        {settingsLayout::resolutionBox.width, settingsLayout::resolutionBox.height});
    dropdownBox.setFillColor(boxFill);
    dropdownBox.setOutlineThickness(1);
    dropdownBox.setOutlineColor(sf::Color::White);

    resolutionLabel = sf::Text(fromUtf8("Разрешение:"), font, labelSize);
    resolutionLabel.setFillColor(sf::Color::White);
    // The resolution in the file, not the window's size: in full screen the
    // window takes the desktop's, and the choice must start where it stands.
    dropdownText = sf::Text(fromUtf8(formatResolution(selectedResolution)), font, labelSize);
    dropdownText.setFillColor(sf::Color::White);

    applyBox.setSize({settingsLayout::applyBox.width, settingsLayout::applyBox.height});
    applyBox.setFillColor(boxFill);

    layout(windowSize.x, windowSize.y);
    list.showChosen(selectedResolution);
}

MenuButton SettingsPanel::makeButton(const char* label, const sf::Vector2f& position) const
{
    return MenuButton::item(label, *font, buttonSize, position);
}

const char* SettingsPanel::fullscreenLabel() const
{
    return fullscreen ? "Полноэкранный: ВКЛ" : "Полноэкранный: ВЫКЛ";
}

void SettingsPanel::layout(unsigned width, unsigned height)
{
    namespace at = settingsLayout;
    const unsigned cx = width / 2;
    title.setPosition(static_cast<float>(cx) - title.getGlobalBounds().width * 0.5f, at::titleTop);
    dropdownBox.setPosition(offset(cx, at::resolutionBox.left), at::resolutionBox.top);
    // The label ends just before the box, on the line of the box's text.
    const sf::FloatRect label = resolutionLabel.getLocalBounds();
    resolutionLabel.setPosition(offset(cx, at::resolutionBox.left) - at::labelGap -
                                    (label.left + label.width),
                                at::boxTextTop);
    dropdownText.setPosition(offset(cx, at::boxTextLeft), at::boxTextTop);
    // Rebuilt rather than moved, so both come back white until the mouse moves.
    fullscreenButton = makeButton(
        fullscreenLabel(), {offset(cx, at::fullscreenLeft), static_cast<float>(at::fullscreenTop)});
    applyBox.setPosition(offset(cx, at::applyBox.left), at::applyBox.top);
    applyButton.setPosition(
        {static_cast<float>(cx) - applyButton.getText().getGlobalBounds().width * 0.5f,
         at::applyTextTop});
    backButton = makeButton(
        "Назад (Esc)", {static_cast<float>(at::backLeft), offset(height, -at::backAboveBottom)});
    list.layout(cx);

    // Everything moved under the pointer: nothing shows hover until the next
    // event, and only a focus the keys gave stays.
    focus = itemPointer.drop(focus);
    showFocus();
}

bool SettingsPanel::handleEvent(const sf::Event& event, const sf::Vector2f& mousePosition,
                                bool leftButtonDown)
{
    // Hover colours follow the events, not the frames.
    lastMouse = mousePosition;
    leftDown = leftButtonDown;
    if (event.type == sf::Event::MouseMoved || isLeftPress(event))
    {
        itemPointer.moved();
        list.pointerMoved();
    }
    // Nothing beneath the open list lights up.
    const bool overList = list.covers(mousePosition);
    focus = itemPointer.follow(mousePosition, overList ? std::nullopt : hoverItemAt(mousePosition),
                               focus);
    list.follow(mousePosition);

    bool close = false;
    if (isLeftPress(event))
        close = click(mousePosition);
    else if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape)
        close = handleCommand(MenuCommand::Back);
    showFocus();
    return close;
}

bool SettingsPanel::handleCommand(MenuCommand command)
{
    if (command == MenuCommand::None)
        return false;
    if (list.isOpen())
    {
        // The list has the keys until it closes, with or without a pick.
        if (const std::optional<sf::Vector2u> picked = list.obey(command))
            choose(*picked);
    }
    else if (command == MenuCommand::Back)
    {
        return true;
    }
    else if (command != MenuCommand::Choose)
    {
        focus = stepFocus(focus, command, itemCount);
    }
    else if (focus)
    {
        if (activate(*focus))
            return true;
        // Opened by a key, the list starts on the first entry when none is chosen.
        if (list.isOpen() && !list.getFocus())
            list.focus(0);
    }
    showFocus();
    return false;
}

void SettingsPanel::focusFirstItem()
{
    focus = ResolutionBoxItem;
    showFocus();
}

void SettingsPanel::setFullscreen(bool on)
{
    fullscreen = on;
    fullscreenButton = makeButton(fullscreenLabel(), fullscreenButton.getText().getPosition());
    showFocus();
}

bool SettingsPanel::click(const sf::Vector2f& mouse)
{
    // The press event is the click itself: a tap whose release arrives in the
    // same frame counts too. What is drawn on top takes the click, so the open
    // list shields whatever lies beneath it.
    if (list.covers(mouse))
    {
        if (const std::optional<std::size_t> entry = list.entryAt(mouse))
            choose(list.pick(*entry));
        return false;
    }
    if (fullscreenButton.contains(mouse))
        return activate(FullscreenItem);
    if (dropdownBox.getGlobalBounds().contains(mouse))
        return activate(ResolutionBoxItem);
    if (applyBox.getGlobalBounds().contains(mouse))
        return activate(ApplyItem);
    return backButton.contains(mouse) && activate(BackItem);
}

std::optional<std::size_t> SettingsPanel::hoverItemAt(const sf::Vector2f& mouse) const
{
    // The box does not light up under the mouse; the others do.
    if (fullscreenButton.contains(mouse))
        return FullscreenItem;
    if (applyBox.getGlobalBounds().contains(mouse))
        return ApplyItem;
    if (backButton.contains(mouse))
        return BackItem;
    return std::nullopt;
}

bool SettingsPanel::activate(std::size_t item)
{
    switch (item)
    {
    case ResolutionBoxItem:
        if (list.isOpen())
            list.close();
        else
            list.open();
        return false;
    case FullscreenItem:
        setFullscreen(!fullscreen);
        return false;
    default:
        // Every choice is applied as it is made: both only leave.
        return true;
    }
}

void SettingsPanel::choose(sf::Vector2u resolution)
{
    selectedResolution = resolution;
    dropdownText.setString(fromUtf8(formatResolution(selectedResolution)));
}

void SettingsPanel::showFocus()
{
    const auto show = [this](MenuButton& button, std::size_t item, bool underMouse)
    { button.setState(shownState(item, focus, itemPointer.getHovered(), leftDown && underMouse)); };
    show(fullscreenButton, FullscreenItem, fullscreenButton.contains(lastMouse));
    show(applyButton, ApplyItem, applyBox.getGlobalBounds().contains(lastMouse));
    show(backButton, BackItem, backButton.contains(lastMouse));
    dropdownText.setFillColor(focus == ResolutionBoxItem ? sf::Color::Green : sf::Color::White);
    list.showFocus();
}

void SettingsPanel::draw(sf::RenderTarget& target) const
{
    target.draw(title);
    backButton.draw(target);
    fullscreenButton.draw(target);
    target.draw(resolutionLabel);
    target.draw(dropdownBox);
    target.draw(dropdownText);
    target.draw(applyBox);
    applyButton.draw(target);
    // Last, over everything it covers.
    list.draw(target);
}
