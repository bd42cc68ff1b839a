#pragma once

class Application;

/// Registers the game's three screens with the application's stack: the main
/// menu, the graphics settings and play. The one place that knows them all.
void registerGameScreens(Application& app);
