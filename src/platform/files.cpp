#include "platform/files.h"

#include <filesystem>
#include <system_error>

namespace kelmora::platform {

namespace fs = std::filesystem;

bool IsRegularFile(std::string_view path) {
  std::error_code error;
  return fs::is_regular_file(fs::path(path), error);
}

bool SameFile(std::string_view a, std::string_view b) {
  const fs::path first(a);
  const fs::path second(b);
  std::error_code error;
  const bool firstExists = fs::exists(first, error);
  const bool secondExists = fs::exists(second, error);
  if (firstExists && secondExists) {
    const bool same = fs::equivalent(first, second, error);
    return !error && same;
  }
  if (firstExists != secondExists) return false;
  // Neither exists yet: compared by the place each would be written to.
  auto place = [&error](const fs::path& path) {
    const fs::path whole = fs::absolute(path, error);
    if (error) return path.lexically_normal();
    const fs::path resolved = fs::weakly_canonical(whole, error);
    return error ? whole.lexically_normal() : resolved.lexically_normal();
  };
  return place(first) == place(second);
}

std::string FileClash(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs) {
  auto told = [](const NamedFile& file) { return file.option + " '" + file.path + "'"; };
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const NamedFile& output = outputs[i];
    if (output.path == "-") continue;
    for (const NamedFile& input : inputs) {
      if (input.path != "-" && SameFile(output.path, input.path)) {
        return told(output) + " is the same file as " + told(input);
      }
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (outputs[j].path != "-" && SameFile(output.path, outputs[j].path)) {
        return told(output) + " is the same file as " + told(outputs[j]);
      }
    }
  }
  return {};
}

}  // namespace kelmora::platform
