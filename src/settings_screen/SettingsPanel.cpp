#include "settings_screen/SettingsPanel.hpp"

#include "app/Utf8.hpp"

namespace
{
constexpr unsigned titleSize = 40;
constexpr unsigned buttonSize = 30;
constexpr unsigned labelSize = 24;
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
      fullscreenButton(makeButton("Полноэкранный", {})),
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
    applyText = sf::Text(fromUtf8("Применить"), font, buttonSize);
    applyText.setFillColor(sf::Color::White);

    layout(windowSize.x, windowSize.y);

    // A size outside the list (the first 800x600 window) lights nothing.
    for (ResolutionOption& option : resolutionOptions)
        if (option.resolution() == currentResolution)
        {
            option.setSelected(true);
            break;
        }
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
    resolutionLabel.setPosition(offset(cx, -220), 155);
    dropdownBox.setPosition(offset(cx, -100), 150);
    dropdownText.setPosition(offset(cx, -90), 155);
    dropdownList.setPosition(offset(cx, -110), 180);
    // Rebuilt rather than moved, so both come back white until the mouse moves.
    fullscreenButton = makeButton(fullscreenLabel(), {offset(cx, -150), 220});
    applyBox.setPosition(offset(cx, -100), 300);
    applyText.setPosition(static_cast<float>(cx) - applyText.getGlobalBounds().width * 0.5f, 310);
    backButton = makeButton("Назад (Esc)", {50, offset(height, -100)});
    for (std::size_t i = 0; i < resolutionOptions.size(); ++i)
    {
        sf::Text& text = resolutionOptions[i].text;
        text.setPosition(static_cast<float>(cx) - text.getGlobalBounds().width * 0.5f,
                         180.f + 30.f * static_cast<float>(i));
    }
}

bool SettingsPanel::handleEvent(const sf::Event& event, const sf::Vector2f& mousePosition,
                                bool leftButtonDown)
{
    // Hover colours follow the events, not the frames.
    backButton.updateHover(mousePosition, leftButtonDown);
    fullscreenButton.updateHover(mousePosition, leftButtonDown);

    if (isLeftPress(event))
        return click(mousePosition);
    return event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape;
}

bool SettingsPanel::click(const sf::Vector2f& mouse)
{
    // The press event is the click itself: a tap whose release arrives in the
    // same frame counts too. What is drawn on top takes the click, so the open
    // list shields the full-screen switch beneath it.
    const bool onOpenList = dropdownOpen && dropdownList.getGlobalBounds().contains(mouse);
    if (ResolutionOption* option = optionAt(mouse))
    {
        pick(*option);
    }
    else if (!onOpenList && fullscreenButton.contains(mouse))
    {
        fullscreen = !fullscreen;
        fullscreenButton = makeButton(fullscreenLabel(), fullscreenButton.getText().getPosition());
        return false;
    }
    else if (dropdownBox.getGlobalBounds().contains(mouse))
    {
        // Only opens or closes: the entries were hidden when the click came.
        dropdownOpen = !dropdownOpen;
    }
    return applyBox.getGlobalBounds().contains(mouse) || backButton.contains(mouse);
}

ResolutionOption* SettingsPanel::optionAt(const sf::Vector2f& mouse)
{
    if (!dropdownOpen)
        return nullptr;
    for (ResolutionOption& option : resolutionOptions)
        if (option.text.getGlobalBounds().contains(mouse))
            return &option;
    return nullptr;
}

void SettingsPanel::pick(ResolutionOption& option)
{
    for (ResolutionOption& other : resolutionOptions)
        other.setSelected(false);
    option.setSelected(true);
    selectedResolution = option.resolution();
    dropdownText.setString(fromUtf8(formatResolution(selectedResolution)));
    dropdownOpen = false;
}

void SettingsPanel::draw(sf::RenderTarget& target) const
{
    target.draw(title);
    backButton.draw(target);
    fullscreenButton.draw(target);
    target.draw(resolutionLabel);
    target.draw(dropdownBox);
    target.draw(dropdownText);
    if (dropdownOpen)
    {
        target.draw(dropdownList);
        for (const ResolutionOption& option : resolutionOptions)
            target.draw(option.text);
    }
    target.draw(applyBox);
    target.draw(applyText);
}
