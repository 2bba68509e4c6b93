// The game's entry point: runs the game and turns any error that stops it into a message.
#include "app/StartUp.h"
#include "core/Messages.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/System.h"

#include <exception>

int main() {
    int status = 0;
    try {
        status = tessaroMain();
    } catch (const platform::QuitRequested&) {
        status = 0; // the window was closed
    } catch (const std::exception& error) {
        platform::messageBox(messageTitle, error.what());
        status = 1;
    }
    platform::showSystemCursor(true);
    platform::closeGraphics();
    return status;
}
