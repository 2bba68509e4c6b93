// The main menu's loop. The buttons, their slide-in and the fades to the other screens come with the
// main-menu work; this is the frame loop they will live in.
#include "app/TGame.h"

#include "app/TMoreGames.h"
#include "audio/TSongManager.h"
#include "core/Screen.h"
#include "core/TDeltaTime.h"
#include "core/TMouse.h"
#include "cutting/TRozcinacz.h"
#include "platform/Draw.h"
#include "platform/Graphics.h"
#include "platform/Input.h"

std::shared_ptr<TGame> game;

void TGame::setup() {
    fadeTarget = 0;
    fadeAlpha = 0;
    songManager->loadSong("sfx/puzzle.ogg", 1);
}

void TGame::start() {
    muzyka = playMusicStream("sfx/puzzle.ogg", 1, 1);
    quit = 0;
    fadeAlpha = 0;
    fadeTarget = 0;
    fadeAction = 0;
    mainLoop();
}

void TGame::update() {
    if (fadeAlpha < fadeTarget) {
        fadeAlpha += 0.05f * delta;
        if (fadeAlpha > fadeTarget) fadeAlpha = fadeTarget;
    }
    if (fadeAlpha > fadeTarget) {
        fadeAlpha -= 0.05f * delta;
        if (fadeAlpha < fadeTarget) fadeAlpha = fadeTarget;
    }
}

void TGame::draw() {
    platform::setColour(255, 255, 255);
    platform::drawImage(background, 0, 0);
    platform::setScale(1, 1);
    platform::setColour(0, 0, 0);
    platform::setAlpha(fadeAlpha);
    platform::drawRect(0, 0, static_cast<float>(screenX), static_cast<float>(screenY));
}

void TGame::mainLoop() {
    // Warm-up: the first real frame measures only the time since here, not since start-up.
    for (int i = 0; i < 11; ++i) {
        deltatime->Update();
        delta = deltatime->CurrDelta();
    }
    while (quit == 0) {
        platform::cls();
        deltatime->Update();
        delta = deltatime->CurrDelta();
        mouse->fetchState();
        update();
        draw();
        mouse->Draw();
        platform::flip();
        if (platform::keyHits(platform::Key::Escape) > 0) quit = 1;
        if (fadeAlpha == 1 && fadeTarget == 1 && fadeAction == 0) quit = 1;
        globalMusicUpdate();
    }
    moreGames();
}

void TGame::moreGames() {
    moreGamesWindow->start();
    fadeTarget = 0;
    fadeAction = 0;
}
