// Start-up: finding the data tree, the per-user folders, the graphics mode, the loading screen and
// the order in which every screen loads its assets.
#pragma once

#include <string>

// The per-user folder (home + "/Library/Preferences/.tessaroPuzzleGame").
extern std::string myDocsFolder;
// False when the per-user folders could not be made: the game then runs on default settings.
extern bool userFolderReady;

// The whole run of the game; a second call returns 0 at once.
int tessaroMain();

// Finds the data tree (gfx/, sfx/, dane/) and makes it the current folder; false when none is found.
bool enterDataTree(std::string* searched = nullptr);
std::string HomeDir();
void GetDataFolders();
// Opens the 800 x 600 mode, full screen when `fullScreen` is non-zero, and hides the system cursor.
void openGraphics(int fullScreen);
void startGame();
void loadAll();
