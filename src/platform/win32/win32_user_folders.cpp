// The player's folders on Windows: the settings in the roaming application
// data (%APPDATA%\Vorbexia\vorbexia.conf), the screenshots in the user's
// Pictures folder (...\Pictures\Vorbexia). SHGetFolderPathW asks the same
// known folders as SHGetKnownFolderPath on every Windows since Vista, and
// needs no COM allocator (ole32) to free its answer.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/win32_user_folders.h"

namespace vorbexia {
namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return "";
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  utf8.resize(static_cast<size_t>(size) - 1);  // without the terminating null
  return utf8;
}

// The folder's path in UTF-8, without a trailing backslash; empty when the
// system has none for this user.
std::string KnownFolder(int csidl) {
  wchar_t path[MAX_PATH];
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return "";
  std::string folder = Utf8(path);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

UserFolders FindUserFolders() {
  UserFolders folders;
  const std::string application_data = KnownFolder(CSIDL_APPDATA);
  if (!application_data.empty()) {
    folders.settings_file = application_data + "\\Vorbexia\\vorbexia.conf";
    folders.data = application_data + "\\Vorbexia";
  }
  const std::string pictures = KnownFolder(CSIDL_MYPICTURES);
  if (!pictures.empty()) folders.pictures = pictures + "\\Vorbexia";
  return folders;
}

}  // namespace vorbexia
