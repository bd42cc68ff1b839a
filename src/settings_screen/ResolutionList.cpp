#include "settings_screen/ResolutionList.hpp"

#include "settings_screen/SettingsLayout.hpp"

namespace
{
const sf::Color listFill(50, 50, 80, 255);

struct Preset
{
    unsigned width;
    unsigned height;
};
constexpr Preset presets[] = {{1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080}};
} // namespace

ResolutionList::ResolutionList(const sf::Font& font)
{
    box.setSize({settingsLayout::list.width, settingsLayout::list.height});
    box.setFillColor(listFill);
    box.setOutlineThickness(1);
    box.setOutlineColor(sf::Color::White);
    for (const Preset& preset : presets)
        entries.emplace_back(font, formatResolution({preset.width, preset.height}), preset.width,
                             preset.height, 0.f, 0.f);
}

void ResolutionList::layout(unsigned centreX)
{
    const float cx = static_cast<float>(centreX);
    box.setPosition(cx + settingsLayout::list.left, settingsLayout::list.top);
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        sf::Text& text = entries[i].text;
        text.setPosition(cx - text.getGlobalBounds().width * 0.5f,
                         settingsLayout::entryTop +
                             settingsLayout::entryStep * static_cast<float>(i));
    }
    entryFocus = pointer.drop(entryFocus);
}

void ResolutionList::showChosen(sf::Vector2u resolution)
{
    for (ResolutionOption& entry : entries)
        entry.setSelected(entry.resolution() == resolution);
}

std::optional<std::size_t> ResolutionList::chosenEntry() const
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].selected)
            return i;
    return std::nullopt;
}

void ResolutionList::open()
{
    opened = true;
    pointer.drop(std::nullopt);
    entryFocus = chosenEntry();
}

void ResolutionList::close()
{
    opened = false;
    entryFocus.reset();
}

bool ResolutionList::covers(const sf::Vector2f& point) const
{
    return opened && box.getGlobalBounds().contains(point);
}

std::optional<std::size_t> ResolutionList::entryAt(const sf::Vector2f& point) const
{
    if (!opened)
        return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text.getGlobalBounds().contains(point))
            return i;
    return std::nullopt;
}

sf::Vector2u ResolutionList::pick(std::size_t index)
{
    showChosen(entries[index].resolution());
    close();
    return entries[index].resolution();
}

void ResolutionList::follow(const sf::Vector2f& point)
{
    entryFocus = pointer.follow(point, covers(point) ? entryAt(point) : std::nullopt, entryFocus);
}

std::optional<sf::Vector2u> ResolutionList::obey(MenuCommand command)
{
    if (command == MenuCommand::Back)
        close();
    else if (command == MenuCommand::Choose && entryFocus)
        return pick(*entryFocus);
    else
        entryFocus = stepFocus(entryFocus, command, entries.size());
    return std::nullopt;
}

void ResolutionList::showFocus()
{
    const std::optional<std::size_t> lit = entryFocus ? entryFocus : pointer.getHovered();
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const bool green = opened && lit ? lit == i : entries[i].selected;
        entries[i].text.setFillColor(green ? sf::Color::Green : sf::Color::White);
    }
}

void ResolutionList::draw(sf::RenderTarget& target) const
{
    if (!opened)
        return;
    target.draw(box);
    for (const ResolutionOption& entry : entries)
        target.draw(entry.text);
}
