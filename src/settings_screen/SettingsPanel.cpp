#include "settings_screen/SettingsPanel.hpp"

#include "app/Utf8.hpp"

namespace
{
constexpr unsigned titleSize = 40;
constexpr unsigned buttonSize = 30;
constexpr unsigned labelSize = 24;
constexpr std::size_t itemCount = 4;
constexpr float labelGap = 10.f; // between "Разрешение:" and the box
const sf::Color boxFill(70, 70, 70, 255);
const sf::Color listFill(50, 50, 80, 255);

struct Preset
{
    unsigned width;
    unsigned height;
};
constexpr Preset presets[] = {{1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080}};

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
      currentResolution(applied.width, applied.height), selectedResolution(currentResolution),
      fullscreen(applied.fullscreen)
{
    title = sf::Text(fromUtf8("Настройки графики"), font, titleSize);

    dropdownBox.setSize({200, 40});
    dropdownBox.setFillColor(boxFill);
    dropdownBox.setOutlineThickness(1);
    dropdownBox.setOutlineColor(sf::Color::White);

    resolutionLabel = sf::Text(fromUtf8("Разрешение:"), font, labelSize);
    resolutionLabel.setFillColor(sf::Color::White);
    // The resolution in the file, not the window's size: in full screen the
    // window takes the desktop's, and the choice must start where it stands.
    dropdownText = sf::Text(fromUtf8(formatResolution(selectedResolution)), font, labelSize);
    dropdownText.setFillColor(sf::Color::White);

    dropdownList.setSize({220, 150});
    dropdownList.setFillColor(listFill);
    dropdownList.setOutlineThickness(1);
    dropdownList.setOutlineColor(sf::Color::White);

    for (const Preset& preset : presets)
        resolutionOptions.emplace_back(font, formatResolution({preset.width, preset.height}),
                                       preset.width, preset.height, 0.f, 0.f);

    applyBox.setSize({200, 50});
    applyBox.setFillColor(boxFill);

    layout(windowSize.x, windowSize.y);

    // A size outside the list (the first 800x600 window) lights nothing.
    if (const std::optional<std::size_t> entry = selectedEntry())
        resolutionOptions[*entry].setSelected(true);
}

MenuButton SettingsPanel::makeButton(const char* label, const sf::Vector2f& position) const
{
    return MenuButton(label, *font, buttonSize, position, sf::Color::White, sf::Color::Green,
                      sf::Color::Yellow);
}

const char* SettingsPanel::fullscreenLabel() const
{
    return fullscreen ? "Полноэкранный: ВКЛ" : "Полноэкранный: ВЫКЛ";
}

void SettingsPanel::layout(unsigned width, unsigned height)
{
    const unsigned cx = width / 2;
    title.setPosition(static_cast<float>(cx) - title.getGlobalBounds().width * 0.5f, 50);
    dropdownBox.setPosition(offset(cx, -100), 150);
    // The label ends just before the box, on the line of the box's text.
    const sf::FloatRect label = resolutionLabel.getLocalBounds();
    resolutionLabel.setPosition(offset(cx, -100) - labelGap - (label.left + label.width), 155);
    dropdownText.setPosition(offset(cx, -90), 155);
    dropdownList.setPosition(offset(cx, -110), 180);
    // Rebuilt rather than moved, so both come back white until the mouse moves.
    fullscreenButton = makeButton(fullscreenLabel(), {offset(cx, -150), 220});
    applyBox.setPosition(offset(cx, -100), 300);
    applyButton.setPosition(
        {static_cast<float>(cx) - applyButton.getText().getGlobalBounds().width * 0.5f, 310});
    backButton = makeButton("Назад (Esc)", {50, offset(height, -100)});
    for (std::size_t i = 0; i < resolutionOptions.size(); ++i)
    {
        sf::Text& text = resolutionOptions[i].text;
        text.setPosition(static_cast<float>(cx) - text.getGlobalBounds().width * 0.5f,
                         180.f + 30.f * static_cast<float>(i));
    }

    // Everything moved under the pointer: nothing shows hover until the next
    // event, and only a focus the keys gave stays.
    hovered.reset();
    hoveredEntry.reset();
    setFocus(itemPointer.drop(focus));
    setEntryFocus(entryPointer.drop(entryFocus));
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
        entryPointer.moved();
    }
    // Nothing beneath the open list lights up.
    const bool overList = listCovers(mousePosition);
    setFocus(itemPointer.follow(mousePosition, overList ? std::nullopt : hoverItemAt(mousePosition),
                                focus));
    setEntryFocus(entryPointer.follow(
        mousePosition, overList ? entryAt(mousePosition) : std::nullopt, entryFocus));
    hovered = itemPointer.getHovered();
    hoveredEntry = entryPointer.getHovered();

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
    if (dropdownOpen)
    {
        // The list has the keys until it closes, with or without a pick.
        if (command == MenuCommand::Back)
            closeList();
        else if (command == MenuCommand::Choose && entryFocus)
            pick(*entryFocus);
        else
            setEntryFocus(stepFocus(entryFocus, command, resolutionOptions.size()));
    }
    else if (command == MenuCommand::Back)
    {
        return true;
    }
    else if (command != MenuCommand::Choose)
    {
        setFocus(stepFocus(focus, command, itemCount));
    }
    else if (focus)
    {
        if (activate(*focus))
            return true;
        // Opened by a key, the list starts on the first entry when none is chosen.
        if (dropdownOpen && !entryFocus)
            setEntryFocus(0);
    }
    showFocus();
    return false;
}

void SettingsPanel::focusFirstItem()
{
    setFocus(ResolutionBoxItem);
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
    if (listCovers(mouse))
    {
        if (const std::optional<std::size_t> entry = entryAt(mouse))
            pick(*entry);
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

bool SettingsPanel::listCovers(const sf::Vector2f& mouse) const
{
    return dropdownOpen && dropdownList.getGlobalBounds().contains(mouse);
}

std::optional<std::size_t> SettingsPanel::entryAt(const sf::Vector2f& mouse) const
{
    if (!dropdownOpen)
        return std::nullopt;
    for (std::size_t i = 0; i < resolutionOptions.size(); ++i)
        if (resolutionOptions[i].text.getGlobalBounds().contains(mouse))
            return i;
    return std::nullopt;
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

std::optional<std::size_t> SettingsPanel::selectedEntry() const
{
    for (std::size_t i = 0; i < resolutionOptions.size(); ++i)
        if (resolutionOptions[i].resolution() == selectedResolution)
            return i;
    return std::nullopt;
}

void SettingsPanel::setFocus(std::optional<std::size_t> item)
{
    focus = item;
}

void SettingsPanel::setEntryFocus(std::optional<std::size_t> entry)
{
    entryFocus = entry;
}

bool SettingsPanel::activate(std::size_t item)
{
    switch (item)
    {
    case ResolutionBoxItem:
        if (dropdownOpen)
        {
            closeList();
        }
        else
        {
            // The list appears under the pointer: resting there, it takes
            // neither the hover nor the focus from the chosen entry.
            dropdownOpen = true;
            entryPointer.drop(std::nullopt);
            hoveredEntry.reset();
            setEntryFocus(selectedEntry());
        }
        return false;
    case FullscreenItem:
        setFullscreen(!fullscreen);
        return false;
    default:
        // Every choice is applied as it is made: both only leave.
        return true;
    }
}

void SettingsPanel::pick(std::size_t index)
{
    for (ResolutionOption& option : resolutionOptions)
        option.setSelected(false);
    resolutionOptions[index].setSelected(true);
    selectedResolution = resolutionOptions[index].resolution();
    dropdownText.setString(fromUtf8(formatResolution(selectedResolution)));
    closeList();
}

void SettingsPanel::closeList()
{
    dropdownOpen = false;
    setEntryFocus(std::nullopt);
}

void SettingsPanel::showFocus()
{
    // One item shows in the hover colour: the focused one, else the one under
    // the mouse; pressed while the left button is held on it.
    const std::optional<std::size_t> lit = focus ? focus : hovered;
    const auto stateOf = [this, lit](std::size_t item, bool underMouse)
    {
        if (lit != item)
            return ButtonState::Normal;
        return leftDown && underMouse ? ButtonState::Pressed : ButtonState::Hovered;
    };
    fullscreenButton.setState(stateOf(FullscreenItem, fullscreenButton.contains(lastMouse)));
    applyButton.setState(stateOf(ApplyItem, applyBox.getGlobalBounds().contains(lastMouse)));
    backButton.setState(stateOf(BackItem, backButton.contains(lastMouse)));
    dropdownText.setFillColor(focus == ResolutionBoxItem ? sf::Color::Green : sf::Color::White);

    // In the open list one entry shows: the focused one, else the one under
    // the mouse, else the chosen one.
    const std::optional<std::size_t> litEntry = entryFocus ? entryFocus : hoveredEntry;
    for (std::size_t i = 0; i < resolutionOptions.size(); ++i)
    {
        const bool green = dropdownOpen && litEntry ? litEntry == i : resolutionOptions[i].selected;
        resolutionOptions[i].text.setFillColor(green ? sf::Color::Green : sf::Color::White);
    }
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
    if (dropdownOpen)
    {
        target.draw(dropdownList);
        for (const ResolutionOption& option : resolutionOptions)
            target.draw(option.text);
    }
}
