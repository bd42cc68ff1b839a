#include "app/Application.hpp"
#include "app/Display.hpp"
#include "app/LeakCheck.hpp"

#include <exception>
#include <iostream>

int main()
{
    // Without a display SFML would abort; say why and end cleanly instead.
    if (!canOpenDisplay())
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
        status = 1;
    }
    return status;
}
