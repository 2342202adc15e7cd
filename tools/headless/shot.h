// Screenshots of the presented frame for the headless runner.
#pragma once

#include <string>

namespace kelmora::headless {

// Writes the front buffer as the player would see it (640x480, palette applied) to a PNG file;
// a black frame while no front buffer exists. False, with `error` set, when the file cannot be
// written.
bool WriteShot(const std::string& path, std::string* error);

}  // namespace kelmora::headless
