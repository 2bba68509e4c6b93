#include "core/Messages.h"

#include "platform/System.h"

void tellCannotLoadImage(const std::string& path) {
    platform::messageBox(messageTitle, "Nie mozna zaladowac obrazka: " + path);
}
