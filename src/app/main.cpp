#include "app/Application.hpp"
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
    int status = 0;
    // A missing font or image ends the game with its message, not an abort.
    try
    {
        Application app;
        app.run();
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << std::endl;
        showErrorBox(error.what());
        status = 1;
    }
    // The cached textures go now, while SFML can still make a GL context to
    // delete them: linked statically, as on Windows, SFML's own globals may
    // be gone before this program's are destroyed.
    TextureCache::clear();
    return status;
}
