// What the game asks of the operating system: home folder, web pages, messages, time.
#pragma once

#include <functional>
#include <string>

namespace platform {

// The current user's home folder, or "" when it cannot be found.
std::string homeDir();
// Opens a web page in the default browser; false when that failed.
bool openUrl(const std::string& url);
// A message for the player: a dialog over the window, or stderr when there is no display.
void messageBox(const std::string& title, const std::string& text);
// Routes messages elsewhere (tests record them); an empty function restores the default.
void setMessageSink(std::function<void(const std::string& title, const std::string& text)> sink);

// Milliseconds since start from a monotonic clock (or the virtual clock under test).
int millisecs();
void sleepMs(int ms);

} // namespace platform
