#pragma once

#include "settings_screen/ResolutionOption.hpp"
#include "widgets/MenuControls.hpp"
#include "widgets/PointerFocus.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <optional>
#include <vector>

/// The settings screen's drop-down list of resolutions: its entries, the one
/// chosen, and, while it is open, the entry the keys or the pointer light.
class ResolutionList
{
public:
    explicit ResolutionList(const sf::Font& font);

    /// Places the list under the resolution box of a window whose centre is
    /// at x `centreX`. Everything moved under the pointer: an entry the pointer
    /// lit is let go.
    void layout(unsigned centreX);

    /// Shows `resolution` as the chosen entry; a size not in the list (the
    /// first 800x600 window) shows none.
    void showChosen(sf::Vector2u resolution);

    /// Opens the list on the chosen entry. It appears under the pointer:
    /// resting there, the pointer takes neither the hover nor the focus.
    void open();
    void close();
    bool isOpen() const { return opened; }

    /// Whether the open list is drawn over this point, hiding what lies beneath.
    bool covers(const sf::Vector2f& point) const;

    /// The entry of the open list at this point, or none.
    std::optional<std::size_t> entryAt(const sf::Vector2f& point) const;

    /// Makes entry `index` the choice and closes the list; returns its resolution.
    sf::Vector2u pick(std::size_t index);

    /// The pointer moved or clicked: it counts from now on.
    void pointerMoved() { pointer.moved(); }

    /// The pointer is seen at `point`: the entry under it lights up and takes
    /// the focus.
    void follow(const sf::Vector2f& point);

    /// A command of the keys or the gamepad while the list is open: Back
    /// closes it, Choose picks the focused entry (which it returns), Up and
    /// Down move the focus.
    std::optional<sf::Vector2u> obey(MenuCommand command);

    /// Puts the focus on entry `index`.
    void focus(std::size_t index) { entryFocus = index; }

    /// Colours the entries: in the open list the focused one green, else the
    /// one under the pointer, else the chosen one.
    void showFocus();

    /// Draws the open list; nothing when it is closed.
    void draw(sf::RenderTarget& target) const;

    const std::vector<ResolutionOption>& getEntries() const { return entries; }
    const sf::RectangleShape& getBox() const { return box; }
    /// The entry shown in the hover colour, which Enter would pick.
    std::optional<std::size_t> getFocus() const { return entryFocus; }

private:
    /// The entry of the chosen resolution, or none.
    std::optional<std::size_t> chosenEntry() const;

    std::vector<ResolutionOption> entries;
    sf::RectangleShape box;
    bool opened = false;
    std::optional<std::size_t> entryFocus;
    PointerFocus<std::size_t> pointer;
};
