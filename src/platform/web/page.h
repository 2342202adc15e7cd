// What the backend asks of the page around the canvas (page.cpp, over Emscripten; the tests put
// a stand-in of their own in its place).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/pad_mapping.h"

namespace kelmora::platform {

class WebBackend;

void PageSetTitle(std::string_view title);
// Registers the page's keyboard, mouse, focus, visibility and pointer-lock events with `backend`.
bool PageStartInput(WebBackend* backend);
// Draws a width x height frame of RGBA bytes on the canvas.
void PageDrawFrame(const std::uint8_t* rgba, int width, int height);
// A dialog over the canvas with the caption, the text and OK.
void PageShowDialog(std::string_view caption, std::string_view text);
// In and out of full screen (the page holds the pointer while full screen).
void PageToggleFullscreen();
// The controllers plugged in, as the Gamepad API reports them now.
void PageReadPads(std::vector<PadState>* pads);

}  // namespace kelmora::platform
