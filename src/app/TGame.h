// The main menu: the outermost frame loop of the game, from which every other screen is entered.
#pragma once

#include "platform/Image.h"

#include <memory>

class TGame {
  public:
    int quit = 0;
    platform::ImagePtr background; // the menu picture, loaded by startGame for the loading screen
    float fadeAlpha = 0;
    float fadeTarget = 0;
    int fadeAction = 0;

    void setup();
    // Starts the menu music and runs the menu until the player leaves the game.
    void start();
    void update();
    void draw();
    void mainLoop();
    void moreGames();
};

extern std::shared_ptr<TGame> game;
