// File names as the game keeps them: UTF-8 strings on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorbexia {

// A file's name in UTF-8 as a path, and back: on Windows a plain string
// would be taken in the ANSI code page, which lacks most names.
std::filesystem::path PathFromUtf8(std::string_view name);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace vorbexia
