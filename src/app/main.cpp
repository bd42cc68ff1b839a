#include "app/Application.hpp"

#include <exception>
#include <iostream>

int main()
{
    // A missing font or image ends the game with its message, not an abort.
    try
    {
        Application app;
        app.run();
    }
    catch (const std::exception& error)
    {
        std::cerr << error.what() << std::endl;
        return 1;
    }
    return 0;
}
