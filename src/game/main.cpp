#include "app/Application.hpp"
#include "game/GameScreens.hpp"
#include "platform/BeforeStaticTeardown.hpp"
#include "platform/DisplayProbe.hpp"
#include "platform/ErrorBox.hpp"
#include "platform/LeakCheck.hpp"
#include "resources/TextureCache.hpp"

#include <exception>
#include <iostream>

int main()
{
    // Without a display SFML would abort; say why and end cleanly instead. The
    // probe stays open while the game runs (see DisplayProbe).
    const DisplayProbe display;
    if (!display.found())
    {
        std::cerr << "Невозможно открыть окно без дисплея" << std::endl;
        return 1;
    }
    [[maybe_unused]] const LeakCheck leakCheck; // first, so it checks after the game is gone
    const BeforeStaticTeardown cachedTextures(TextureCache::clear);
    int status = 0;
    // A missing font or image ends the game with its message, not an abort.
    try
    {
        Application app(registerGameScreens);
        app.run();
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << std::endl;
        showErrorBox(error.what());
        status = 1;
    }
    return status;
}
