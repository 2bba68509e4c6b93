// What the game tells the player in a message box: the title every box carries, and the message for
// a picture that cannot be loaded (the game then goes on without it).
#pragma once

#include <string>

inline constexpr const char* messageTitle = "Tessaro Puzzle Game";

// Shows "Nie mozna zaladowac obrazka: " + path.
void tellCannotLoadImage(const std::string& path);
