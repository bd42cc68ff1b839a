#pragma once

/// Whether the display the game would draw on can be reached. SFML aborts the
/// program when it cannot open one, so the game asks first.
bool canOpenDisplay();
