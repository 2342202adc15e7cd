// What the game asks of the file system before it reads or writes a file it was given by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelmora::platform {

// True when `path` names a regular file (symbolic links followed). The game reads nothing else:
// a directory, a device or a FIFO (whose open may wait for ever) is treated as a missing file.
bool IsRegularFile(std::string_view path);

// True when the two names stand for the same file: by device and inode where both exist,
// otherwise by their place once every folder and link on the way is resolved ("./x" and "x"
// are the same file before either is written).
bool SameFile(std::string_view a, std::string_view b);

// A file named on a command line, with the option that names it.
struct NamedFile {
  std::string option;  // "--trace"
  std::string path;    // "-" stands for a standard stream, never a file
};

// The first output that is the same file as an input or as an earlier output, told as
// "--trace 'x' is the same file as --script './x'"; empty when every file stands apart.
std::string FileClash(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs);

}  // namespace kelmora::platform
