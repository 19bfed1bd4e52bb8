#pragma once
// Every window class the library exports, as the host makes and runs it: one entry each. A session
// (UiSessionPlayer) plays on the entry its first byte chooses, so adding a window to the sessions
// is adding its entry to the table in UiWindowFactories.cpp.

#include <cstddef>
#include <string>
#include <vector>

class UiSessionPlayer;

struct UiWindowFactory {
    const char* name;       // short and file-name safe: the corpus folder's prefix, --window's value
    const char* className;
    // Makes the window with the player's host, clients and input, lets the player run it, takes it
    // down as the host does.
    void (*play)(UiSessionPlayer& player);
};

class UiWindowFactories {
public:
    static const std::vector<UiWindowFactory>& All();
    // Null when no window has that name.
    static const UiWindowFactory* Find(const std::string& name);
};
