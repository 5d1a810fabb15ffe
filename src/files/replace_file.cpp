#include "files/replace_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/file_descriptor.h"
#include "files/message_text.h"
#include "files/utf8_path.h"

namespace vorbexia {

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error) {
  std::error_code ignored;
  std::filesystem::path file = PathFromUtf8(path);
  if (std::filesystem::is_symlink(file, ignored)) {
    const std::filesystem::path target = std::filesystem::canonical(file, ignored);
    if (!target.empty()) file = target;
  }
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
  std::filesystem::path part = file;
  part += ".part";
  const int descriptor = CreateNewFile(part);
  if (descriptor < 0) {
    error = "cannot write '" + EscapeForMessage(Utf8FromPath(part)) + "': " + std::strerror(errno);
    return false;
  }
  const bool written = WriteAll(descriptor, bytes.data(), bytes.size());
  const int write_error = errno;
  const bool closed = CloseFile(descriptor);
  const int close_error = errno;
  std::error_code renamed;
  if (written && closed) std::filesystem::rename(part, file, renamed);
  if (written && closed && !renamed) return true;
  error = "cannot write '" + EscapeForMessage(path) + "': " +
          (!written ? std::strerror(write_error)
           : !closed ? std::strerror(close_error)
                     : renamed.message());
  std::filesystem::remove(part, ignored);
  return false;
}

}  // namespace vorbexia
