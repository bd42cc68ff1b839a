#pragma once

#include <string>

/// Shows an error the player must see in a box of the system's, and waits
/// until it is dismissed (OK or Enter). Only a Windows build does: it is a
/// program without a console, whose standard error no one sees. Elsewhere the
/// game is started from a terminal or a launcher that keeps what it writes,
/// and this does nothing. It could go if the game showed such errors itself.
void showErrorBox(const std::string& utf8Message);
