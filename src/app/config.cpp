#include "app/config.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "app/script.h"

namespace kelmora {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The name of a `name = value` line, or empty for a blank line, a comment or a line without '='.
std::string_view NameOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == '#') return {};
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {};
  return Trim(trimmed.substr(0, equals));
}

std::string YesNo(bool value) {
  return value ? "yes" : "no";
}

// One known name: how its value is read from the file and written back.
struct Entry {
  std::string_view name;
  // Sets the value from text; false when the text is not a value of this name. The message then
  // says what the name takes.
  std::function<bool(std::string_view, Config*)> read;
  std::function<std::string(const Config&)> write;
  std::string_view takes;
};

bool ReadYesNo(std::string_view text, bool* out) {
  if (text == "yes") {
    *out = true;
    return true;
  }
  if (text == "no") {
    *out = false;
    return true;
  }
  return false;
}

bool ReadNumber(std::string_view text, std::int64_t low, std::int64_t high, std::int32_t* out) {
  std::int64_t number = 0;
  if (!ParseWholeNumber(text, false, low, high, &number)) return false;
  *out = static_cast<std::int32_t>(number);
  return true;
}

std::vector<Entry> MakeEntries() {
  std::vector<Entry> entries = {
      {"fullscreen", [](std::string_view t, Config* c) { return ReadYesNo(t, &c->fullscreen); },
       [](const Config& c) { return YesNo(c.fullscreen); }, "yes or no"},
      {"scale",
       [](std::string_view t, Config* c) {
         if (t != "fit" && t != "integer") return false;
         c->integerScale = t == "integer";
         return true;
       },
       [](const Config& c) { return std::string(c.integerScale ? "integer" : "fit"); },
       "fit or integer"},
      {"display", [](std::string_view t, Config* c) { return ReadNumber(t, 0, 255, &c->display); },
       [](const Config& c) { return std::to_string(c.display); }, "a display number, 0 to 255"},
      {"enemies",
       [](std::string_view t, Config* c) { return ReadNumber(t, 1, 125, &c->options.enemies); },
       [](const Config& c) { return std::to_string(c.options.enemies); }, "1 to 125"},
      {"particles",
       [](std::string_view t, Config* c) { return ReadNumber(t, 10, 5000, &c->options.particles); },
       [](const Config& c) { return std::to_string(c.options.particles); }, "10 to 5000"},
      {"pickups",
       [](std::string_view t, Config* c) { return ReadNumber(t, 100, 1500, &c->options.pickups); },
       [](const Config& c) { return std::to_string(c.options.pickups); }, "100 to 1500"},
      {"jitter", [](std::string_view t, Config* c) { return ReadYesNo(t, &c->options.jitter); },
       [](const Config& c) { return YesNo(c.options.jitter); }, "yes or no"},
      {"sound",
       [](std::string_view t, Config* c) {
         if (t != "on" && t != "off") return false;
         c->sound = t == "on";
         return true;
       },
       [](const Config& c) { return std::string(c.sound ? "on" : "off"); }, "on or off"},
      {"volume", [](std::string_view t, Config* c) { return ReadNumber(t, 0, 100, &c->volume); },
       [](const Config& c) { return std::to_string(c.volume); }, "0 to 100"},
  };
  for (int a = 0; a < kKeyActionCount; ++a) {
    const auto slot = static_cast<std::size_t>(a);
    entries.push_back(Entry{kKeyActionNames[slot].entry,
                            [slot](std::string_view t, Config* c) {
                              if (t.empty()) return false;
                              c->keys[slot] = std::string(t);
                              return true;
                            },
                            [slot](const Config& c) { return c.keys[slot]; }, "a key's name"});
  }
  entries.push_back(Entry{"screenshots",
                          [](std::string_view t, Config* c) {
                            if (t.empty()) return false;
                            c->screenshots = std::string(t);
                            return true;
                          },
                          [](const Config& c) { return c.screenshots; }, "a folder"});
  return entries;
}

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = MakeEntries();
  return entries;
}

const Entry* FindEntry(std::string_view name) {
  for (const Entry& entry : Entries()) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::array<std::string, kKeyActionCount> Config::DefaultKeys() {
  std::array<std::string, kKeyActionCount> keys;
  for (std::size_t a = 0; a < keys.size(); ++a) keys[a] = kKeyActionNames[a].defaultName;
  return keys;
}

bool Config::SameSettings(const Config& other) const {
  return fullscreen == other.fullscreen && integerScale == other.integerScale &&
         display == other.display && options == other.options && sound == other.sound &&
         volume == other.volume && keys == other.keys && screenshots == other.screenshots;
}

void ParseConfig(std::string_view text, ConfigFile* file, std::vector<std::string>* warnings) {
  file->config = Config{};
  file->lines = SplitLines(text);
  const Config defaults;
  for (std::size_t i = 0; i < file->lines.size(); ++i) {
    const std::string_view line = Trim(file->lines[i]);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = file->path + ":" + std::to_string(i + 1) + ": ";
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      warnings->push_back(where + "not a 'name = value' line");
      continue;
    }
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    const Entry* entry = FindEntry(name);
    if (entry == nullptr) continue;  // a name of another version: kept, not read
    // A bad value leaves the default, whatever an earlier line of the same name said.
    Config attempt = file->config;
    if (entry->read(value, &attempt)) {
      file->config = attempt;
    } else {
      entry->read(entry->write(defaults), &file->config);
      warnings->push_back(where + std::string(name) + " takes " + std::string(entry->takes) +
                          ", not '" + std::string(value) + "'; the default " +
                          entry->write(defaults) + " is used");
      continue;
    }
    for (int a = 0; a < kKeyActionCount; ++a) {
      if (kKeyActionNames[static_cast<std::size_t>(a)].entry == name) {
        file->config.keyLines[static_cast<std::size_t>(a)] = static_cast<int>(i + 1);
      }
    }
  }
}

void ReadConfig(const std::string& path, ConfigFile* file, std::vector<std::string>* warnings) {
  file->path = path;
  file->config = Config{};
  file->lines.clear();
  std::error_code code;
  if (path.empty() || !std::filesystem::exists(path, code)) return;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad() || std::filesystem::is_directory(path, code)) {
    warnings->push_back(path + ": cannot be read (" + std::strerror(errno != 0 ? errno : EIO) +
                        "); the defaults are used");
    return;
  }
  ParseConfig(text.str(), file, warnings);
}

std::string FormatConfig(const Config& config, const std::vector<std::string>& lines) {
  std::string out;
  std::vector<bool> written(Entries().size(), false);
  if (lines.empty()) out += "# Kelmora's settings, kept by the game between runs.\n";
  for (const std::string& line : lines) {
    const std::string_view name = NameOf(line);
    const Entry* entry = name.empty() ? nullptr : FindEntry(name);
    if (entry == nullptr) {
      out += line;
    } else {
      out += std::string(name) + " = " + entry->write(config);
      written[static_cast<std::size_t>(entry - Entries().data())] = true;
    }
    out += '\n';
  }
  for (std::size_t e = 0; e < Entries().size(); ++e) {
    if (written[e]) continue;
    const Entry& entry = Entries()[e];
    const std::string value = entry.write(config);
    if (value.empty()) continue;  // no folder chosen: the default stays implicit
    out += std::string(entry.name) + " = " + value + '\n';
  }
  return out;
}

bool WriteFileAtomically(const std::string& path, std::string_view text, std::string* error) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  std::error_code code;
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), code);
    if (code) {
      *error = "cannot make the folder " + target.parent_path().string() + ": " + code.message();
      return false;
    }
  }
  const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) {
    *error = "cannot write " + temporary + ": " + std::strerror(errno);
    return false;
  }
  bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  written = std::fflush(out) == 0 && written;
  written = ::fsync(::fileno(out)) == 0 && written;
  const int writeErrno = errno;
  written = std::fclose(out) == 0 && written;
  if (!written) {
    *error = "cannot write " + temporary + ": " + std::strerror(writeErrno);
    std::remove(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    *error = "cannot replace " + path + ": " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

namespace {

// An environment variable that names an absolute folder; empty otherwise (a relative one is
// ignored, as the desktop's conventions say).
std::string AbsoluteFolder(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

}  // namespace

std::string DefaultConfigPath() {
  std::string base = AbsoluteFolder("XDG_CONFIG_HOME");
  if (base.empty()) {
    const std::string home = AbsoluteFolder("HOME");
    if (home.empty()) return {};
    base = home + "/.config";
  }
  return base + "/kelmora/kelmora.cfg";
}

std::string DefaultScreenshotFolder() {
  std::string base = AbsoluteFolder("XDG_PICTURES_DIR");
  if (base.empty()) {
    const std::string home = AbsoluteFolder("HOME");
    if (home.empty()) return "Kelmora";
    base = home + "/Pictures";
  }
  return base + "/Kelmora";
}

}  // namespace kelmora
