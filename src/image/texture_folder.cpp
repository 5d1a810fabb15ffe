#include "image/texture_folder.h"

#include <filesystem>
#include <system_error>

namespace vorbexia {
namespace {

// Where `cmake --install` puts the pictures' folder, set by the Linux build
// (e.g. "/usr/share/games/vorbexia" for the Debian package); none on Windows.
#ifdef VORBEXIA_DATA_DIR
constexpr std::string_view kInstalledFolder = VORBEXIA_DATA_DIR;
#else
constexpr std::string_view kInstalledFolder;
#endif

}  // namespace

std::string TextureBase(bool has_textures_folder, std::string_view installed_folder) {
  if (has_textures_folder || installed_folder.empty()) return "";
  // Deliberate change: an installed game started elsewhere (menu, any folder) finds its pictures.
  return std::string(installed_folder) + "/";
}

std::string CurrentTextureBase() {
  std::error_code error;  // unreadable or absent: no folder
  return TextureBase(std::filesystem::is_directory("textures", error), kInstalledFolder);
}

}  // namespace vorbexia
