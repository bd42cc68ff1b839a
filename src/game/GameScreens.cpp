#include "game/GameScreens.hpp"

#include "app/Application.hpp"
#include "menu/MenuState.hpp"
#include "settings_screen/SettingsState.hpp"
#include "world/GameState.hpp"

#include <memory>

void registerGameScreens(Application& app)
{
    StateStack& states = app.getStates();
    states.registerScreen(ScreenId::Menu, [&app](sf::Vector2u windowSize, StartFocus)
                          { return std::make_unique<MenuState>(app.getFont(), windowSize, app); });
    states.registerScreen(ScreenId::Settings,
                          [&app](sf::Vector2u windowSize, StartFocus focus)
                          {
                              auto settings =
                                  std::make_unique<SettingsState>(app.getFont(), windowSize, app);
                              if (focus == StartFocus::FirstItem)
                                  settings->focusFirstItem();
                              return settings;
                          });
    states.registerScreen(ScreenId::Play,
                          [&app](sf::Vector2u windowSize, StartFocus) {
                              return std::make_unique<GameState>(app.getFont(), windowSize,
                                                                 app.getInput(), app.getAudio());
                          });
}
