// Input scripts: what the headless runner replays and what a recorded demo is. One command per
// line, each tagged with the tick it belongs to; an optional first line gives the seed, and `set`
// lines after it the compiled-in defaults the session started with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/start_settings.h"
#include "platform/backend.h"
#include "platform/faults.h"
#include "platform/input_event.h"

namespace kelmora {

using platform::InputEvent;
using platform::InputOp;

// The reader's limits. A line (its line end not counted) may hold at most kMaxLineBytes bytes; a
// longer one is malformed, and the reader stops there. A message quotes at most kQuotedBytes
// bytes of a word. A busy count (`fail flip-busy N`, `fail blit-busy N`) is at most
// kMaxBusyCount.
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr std::size_t kQuotedBytes = 32;
inline constexpr std::int64_t kMaxBusyCount = 1000;

struct Script {
  std::optional<std::uint32_t> seed;
  // The compiled-in defaults the session started with, where they differ: `set NAME=VALUE`
  // lines after the seed, before every command.
  std::vector<StartSetting> settings;
  std::vector<InputEvent> commands;  // in file order; ticks never decrease
  // What the reader passed over, each as "FILE:LINE: reason": a last line cut off (no line end)
  // that does not read as a line.
  std::vector<std::string> warnings;
};

// A whole number, decimal or 0x hex, optionally negative where `allowNegative`, within
// [low, high]: how scripts and command lines write their numbers.
bool ParseWholeNumber(std::string_view text, bool allowNegative, std::int64_t low,
                      std::int64_t high, std::int64_t* out);

// Reads a script. On a malformed line returns false with `error` set to "FILE:LINE: reason".
// A UTF-8 byte-order mark before the first line is skipped. A last line without its line end
// (a file cut off while it was written) that is malformed is skipped, with a warning.
// A `press` line gives two commands: the key going down and, where the key has a virtual-key
// code, its WM_KEYDOWN.
bool ParseScript(std::istream& in, const std::string& fileName, Script* script, std::string* error);

// Gives one command to the game: device state (to `devices`), a message posted to the window,
// or a fault armed.
void ApplyScriptCommand(platform::DeviceState& devices, const InputEvent& command);

// Writes one command as a script line (the form a recorded demo uses), with its newline. Reading
// the line back gives the same command.
void WriteScriptCommand(std::ostream& out, const InputEvent& command);
// Writes the seed line that opens a recorded demo, with its newline.
void WriteScriptSeed(std::ostream& out, std::uint32_t seed);

// The faults a script may arm: start-up steps at tick 0, calls during play after it.
bool IsStartUpFault(platform::Fault fault);
bool IsPlayFault(platform::Fault fault);

}  // namespace kelmora
