#include "platform/ErrorBox.hpp"

#if defined(_WIN32)
#include "platform/Utf8.hpp"

#include <windows.h>

void showErrorBox(const std::string& utf8Message)
{
    // On top and in front: the game's own window may be fullscreen.
    MessageBoxW(nullptr, fromUtf8(utf8Message).toWideString().c_str(), L"woodrun",
                MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}
#else
void showErrorBox(const std::string&) {}
#endif
