// Screenshots of the presented frame: the headless runner's --shot and the game's screenshot key.
#pragma once

#include <string>

namespace kelmora {

// Writes the front buffer as the player would see it (640x480, palette applied) to a PNG file;
// a black frame while no front buffer exists. False, with `error` set, when the file cannot be
// written.
bool WriteScreenshot(const std::string& path, std::string* error);

}  // namespace kelmora
