#include "app/script.h"

#include <array>
#include <charconv>
#include <limits>
#include <sstream>
#include <string_view>

#include "platform/backend.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

// A whole number, decimal or 0x hex, optionally negative where `allowNegative`, within
// [low, high].
bool ParseWholeNumber(std::string_view text, bool allowNegative, std::int64_t low,
                      std::int64_t high, std::int64_t* out) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    if (!allowNegative) return false;
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  std::uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, status] = std::from_chars(text.data(), end, magnitude, base);
  if (status != std::errc{} || stop != end) return false;
  if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    return false;
  }
  const auto value =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (value < low || value > high) return false;
  *out = value;
  return true;
}

namespace {

using platform::Fault;

// The keys a script names: the keys the game reads, by their scan code, and the virtual-key code
// of those that the window procedure acts on (0: none).
struct KeyName {
  std::string_view name;
  std::int32_t scanCode;
  std::int32_t virtualKey;
};

constexpr std::int32_t kNoVirtualKey = 0;
constexpr std::array<KeyName, 10> kKeyNames = {{
    {"ESCAPE", platform::DIK_ESCAPE, platform::VK_ESCAPE},
    {"P", platform::DIK_P, kNoVirtualKey},
    {"LMENU", platform::DIK_LMENU, kNoVirtualKey},
    {"SPACE", platform::DIK_SPACE, kNoVirtualKey},
    {"F1", platform::DIK_F1, platform::VK_F1},
    {"F12", platform::DIK_F12, platform::VK_F12},
    {"UP", platform::DIK_UP, kNoVirtualKey},
    {"LEFT", platform::DIK_LEFT, kNoVirtualKey},
    {"RIGHT", platform::DIK_RIGHT, kNoVirtualKey},
    {"DOWN", platform::DIK_DOWN, kNoVirtualKey},
}};

const KeyName* FindKey(std::string_view name) {
  for (const KeyName& key : kKeyNames) {
    if (key.name == name) return &key;
  }
  return nullptr;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    const std::size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
    if (at > start) fields.push_back(line.substr(start, at - start));
  }
  return fields;
}

// A piece of a line as a message quotes it: at most `most` bytes, every byte that is not
// printable ASCII written as \xNN, so that nothing the file holds reaches a terminal raw.
std::string Printable(std::string_view text, std::size_t most) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < most; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      out += static_cast<char>(byte);
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  if (text.size() > most) out += "...";
  return out;
}

std::string Excerpt(std::string_view field) {
  return Printable(field, kQuotedBytes);
}

bool TakesCount(Fault fault) {
  return fault == Fault::kFlipBusy || fault == Fault::kBlitBusy;
}

// One line's command(s). Returns an empty string on success, or the reason the line is malformed.
std::string ParseCommand(std::int64_t tick, const std::vector<std::string_view>& fields,
                         std::vector<InputEvent>* out) {
  const std::string_view op = fields[1];
  const std::size_t count = fields.size();
  InputEvent command;
  command.tick = tick;
  auto arity = [&](std::size_t wanted) -> std::string {
    if (count == wanted) return {};
    return "'" + Excerpt(op) + "' takes " + std::to_string(wanted - 2) + " argument" +
           (wanted == 3 ? "" : "s");
  };
  auto downUp = [](std::string_view word, std::int32_t* value) {
    if (word == "down") {
      *value = 1;
      return true;
    }
    if (word == "up") {
      *value = 0;
      return true;
    }
    return false;
  };

  if (tick == 0 && op != "fail") return "tick 0 takes only start-up faults ('0 fail STEP')";

  if (op == "key" || op == "press") {
    const bool press = op == "press";
    if (auto bad = arity(press ? 3 : 4); !bad.empty()) return bad;
    const KeyName* key = FindKey(fields[2]);
    std::int64_t scanCode = 0;
    if (key != nullptr) {
      scanCode = key->scanCode;
    } else if (!ParseWholeNumber(fields[2], false, 0, 255, &scanCode)) {
      return "unknown key '" + Excerpt(fields[2]) + "'";
    }
    command.op = InputOp::kKey;
    command.code = static_cast<std::int32_t>(scanCode);
    if (press) {
      command.value = 1;
    } else if (!downUp(fields[3], &command.value)) {
      return "expected 'down' or 'up', not '" + Excerpt(fields[3]) + "'";
    }
    out->push_back(command);
    // A real key press gives both the device state and the window message.
    if (press && key != nullptr && key->virtualKey != kNoVirtualKey) {
      InputEvent message;
      message.tick = tick;
      message.op = InputOp::kVk;
      message.code = key->virtualKey;
      out->push_back(message);
    }
    return {};
  }
  if (op == "vk") {
    if (auto bad = arity(3); !bad.empty()) return bad;
    const KeyName* key = FindKey(fields[2]);
    std::int64_t virtualKey = 0;
    if (key != nullptr) {
      if (key->virtualKey == kNoVirtualKey) {
        return "'" + Excerpt(fields[2]) + "' has no virtual-key code (use 'key' or 'press')";
      }
      virtualKey = key->virtualKey;
    } else if (!ParseWholeNumber(fields[2], false, 0, 255, &virtualKey)) {
      return "unknown virtual key '" + Excerpt(fields[2]) + "'";
    }
    command.op = InputOp::kVk;
    command.code = static_cast<std::int32_t>(virtualKey);
    out->push_back(command);
    return {};
  }
  if (op == "mouse") {
    if (auto bad = arity(4); !bad.empty()) return bad;
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    if (!ParseWholeNumber(fields[2], true, kLow, kHigh, &dx) ||
        !ParseWholeNumber(fields[3], true, kLow, kHigh, &dy)) {
      return "mouse motion must be two whole numbers";
    }
    command.op = InputOp::kMouse;
    command.dx = static_cast<std::int32_t>(dx);
    command.dy = static_cast<std::int32_t>(dy);
    out->push_back(command);
    return {};
  }
  if (op == "button") {
    if (auto bad = arity(4); !bad.empty()) return bad;
    std::int64_t button = 0;
    if (!ParseWholeNumber(fields[2], false, 0, 3, &button)) {
      return "mouse button must be 0, 1, 2 or 3, not '" + Excerpt(fields[2]) + "'";
    }
    command.op = InputOp::kButton;
    command.code = static_cast<std::int32_t>(button);
    if (!downUp(fields[3], &command.value)) {
      return "expected 'down' or 'up', not '" + Excerpt(fields[3]) + "'";
    }
    out->push_back(command);
    return {};
  }
  if (op == "activate") {
    if (auto bad = arity(3); !bad.empty()) return bad;
    if (fields[2] != "0" && fields[2] != "1") return "'activate' takes 1 or 0";
    command.op = InputOp::kActivate;
    command.value = fields[2] == "1" ? 1 : 0;
    out->push_back(command);
    return {};
  }
  if (op == "close") {
    if (auto bad = arity(2); !bad.empty()) return bad;
    command.op = InputOp::kClose;
    out->push_back(command);
    return {};
  }
  if (op == "fail") {
    if (count < 3) return "'fail' needs the name of a fault";
    const auto fault = platform::FaultFromName(fields[2]);
    if (!fault || (!IsStartUpFault(*fault) && !IsPlayFault(*fault))) {
      return "unknown fault '" + Excerpt(fields[2]) + "'";
    }
    if (tick == 0 && !IsStartUpFault(*fault)) {
      return "tick 0 takes only start-up faults, not '" + Excerpt(fields[2]) + "'";
    }
    if (tick != 0 && !IsPlayFault(*fault)) {
      return "the start-up fault '" + Excerpt(fields[2]) + "' belongs to tick 0";
    }
    command.op = InputOp::kFail;
    command.fault = *fault;
    command.value = 1;
    if (TakesCount(*fault)) {
      if (count != 4) return "'fail " + Excerpt(fields[2]) + "' takes a count";
      std::int64_t times = 0;
      if (!ParseWholeNumber(fields[3], false, 1, kMaxBusyCount, &times)) {
        return "the count of '" + Excerpt(fields[2]) + "' must be a number from 1 to " +
               std::to_string(kMaxBusyCount);
      }
      command.value = static_cast<std::int32_t>(times);
    } else if (count != 3) {
      return "'fail " + Excerpt(fields[2]) + "' takes no count";
    }
    out->push_back(command);
    return {};
  }
  return "unknown command '" + Excerpt(op) + "'";
}

std::string KeyText(std::int32_t scanCode) {
  for (const KeyName& key : kKeyNames) {
    if (key.scanCode == scanCode) return std::string(key.name);
  }
  return std::to_string(scanCode);
}

std::string VirtualKeyText(std::int32_t virtualKey) {
  for (const KeyName& key : kKeyNames) {
    if (key.virtualKey != kNoVirtualKey && key.virtualKey == virtualKey)
      return std::string(key.name);
  }
  return std::to_string(virtualKey);
}

}  // namespace

bool IsStartUpFault(Fault fault) {
  return fault >= Fault::kWindow && fault <= Fault::kMouseAcquire;
}

bool IsPlayFault(Fault fault) {
  return fault >= Fault::kKeyboardRead && fault <= Fault::kBlitBusy;
}

namespace {

enum class LineRead {
  kLine,     // a line with its line end
  kCutOff,   // the last line, without its line end
  kTooLong,  // more than kMaxLineBytes before the line end
  kEnd,      // nothing more
};

// One line, without its line end, never more than kMaxLineBytes of it kept.
LineRead ReadLine(std::istream& in, std::string* line) {
  line->clear();
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr) return LineRead::kEnd;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      return line->empty() ? LineRead::kEnd : LineRead::kCutOff;
    }
    if (c == '\n') return LineRead::kLine;
    if (line->size() >= kMaxLineBytes) return LineRead::kTooLong;
    line->push_back(static_cast<char>(c));
  }
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool ParseScript(std::istream& in, const std::string& fileName, Script* script,
                 std::string* error) {
  *script = Script{};
  std::string line;
  std::int64_t lineNumber = 0;
  bool anyLine = false;     // a seed, a setting or a command has been read
  bool anyCommand = false;  // a command has been read
  std::int64_t lastTick = 0;
  LineRead read = LineRead::kLine;
  auto fail = [&](const std::string& reason) {
    const std::string where = fileName + ":" + std::to_string(lineNumber) + ": ";
    if (read == LineRead::kCutOff) {
      // The mark of a file cut off while it was written: what came before it still replays.
      script->warnings.push_back(where + "the last line has no line end and is skipped (" +
                                 Printable(reason, 4 * kQuotedBytes) + ")");
      return true;
    }
    *error = where + Printable(reason, 4 * kQuotedBytes);
    return false;
  };
  for (;;) {
    read = ReadLine(in, &line);
    if (read == LineRead::kEnd) break;
    ++lineNumber;
    if (read == LineRead::kTooLong) {
      return fail("a line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    }
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    // A file written on another system may end its lines with a carriage return.
    for (char& c : line) {
      if (c == '\r') c = ' ';
    }
    std::string_view text = line;
    if (const auto hash = text.find('#'); hash != std::string_view::npos) {
      text = text.substr(0, hash);
    }
    const auto fields = Fields(text);
    if (fields.empty()) continue;

    if (fields[0] == "seed") {
      if (anyLine) return fail("'seed' may only stand before every other line");
      std::int64_t seed = 0;
      if (fields.size() != 2 ||
          !ParseWholeNumber(fields[1], false, 0, std::numeric_limits<std::uint32_t>::max(),
                            &seed)) {
        return fail("'seed' takes one unsigned 32-bit number");
      }
      script->seed = static_cast<std::uint32_t>(seed);
      anyLine = true;
      continue;
    }
    if (fields[0] == "set") {
      if (anyCommand) return fail("'set' may only stand before every command");
      std::string reason;
      const auto setting =
          fields.size() == 2 ? ParseStartSetting(fields[1], &reason) : std::nullopt;
      if (!setting) return fail(fields.size() == 2 ? "'set' " + reason : "'set' takes NAME=VALUE");
      script->settings.push_back(*setting);
      anyLine = true;
      continue;
    }
    std::int64_t tick = 0;
    if (!ParseWholeNumber(fields[0], false, 0, std::numeric_limits<std::int64_t>::max(), &tick)) {
      return fail("a line starts with its tick, not '" + Excerpt(fields[0]) + "'");
    }
    if (tick < lastTick) {
      return fail("tick " + std::to_string(tick) + " comes after tick " + std::to_string(lastTick) +
                  ": ticks never decrease");
    }
    if (fields.size() < 2) return fail("tick " + std::to_string(tick) + " has no command");
    const std::string reason = ParseCommand(tick, fields, &script->commands);
    if (!reason.empty()) return fail(reason);
    lastTick = tick;
    anyLine = true;
    anyCommand = true;
  }
  if (in.bad()) {
    lineNumber += 1;
    return fail("cannot be read");
  }
  return true;
}

void WriteScriptCommand(std::ostream& out, const InputEvent& command) {
  std::ostringstream line;
  line << command.tick << ' ';
  switch (command.op) {
    case InputOp::kKey:
      line << "key " << KeyText(command.code) << (command.value != 0 ? " down" : " up");
      break;
    case InputOp::kVk:
      line << "vk " << VirtualKeyText(command.code);
      break;
    case InputOp::kMouse:
      line << "mouse " << command.dx << ' ' << command.dy;
      break;
    case InputOp::kButton:
      line << "button " << command.code << (command.value != 0 ? " down" : " up");
      break;
    case InputOp::kActivate:
      line << "activate " << (command.value != 0 ? 1 : 0);
      break;
    case InputOp::kClose:
      line << "close";
      break;
    case InputOp::kFail:
      line << "fail " << platform::FaultName(command.fault);
      if (TakesCount(command.fault)) line << ' ' << command.value;
      break;
  }
  line << '\n';
  out << line.str();
}

void WriteScriptSeed(std::ostream& out, std::uint32_t seed) {
  out << "seed " << seed << '\n';
}

void ApplyScriptCommand(platform::DeviceState& devices, const InputEvent& command) {
  platform::ApplyInputEvent(devices, appState.mainWindow, command);
}

}  // namespace kelmora
