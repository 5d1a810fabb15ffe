#include "platform/win32/win32_console.h"

#include <iostream>
#include <sstream>
#include <streambuf>

// After the game's headers (see win32_platform.cpp).
#include <windows.h>
#include <shellapi.h>

namespace vorbexia {
namespace {

// A handle that leads somewhere: a file, a pipe or a console. A GUI
// program started without redirection has none (or one that is no file).
bool LeadsSomewhere(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// The console of the program that started the game, where it has one (a
// command prompt), or the game's own where it was given one. Null where
// there is none.
HANDLE OpenStartersConsole() {
  // Refused as "access denied" where the game has a console already.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
    return nullptr;
  }
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

// Text to a console, in UTF-16: UTF-8 bytes written through the C library
// would show in the console's code page. Written at each flush.
class ConsoleBuffer final : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      pending_ += traits_type::to_char_type(c);
    }
    return traits_type::not_eof(c);
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<size_t>(count));
    return count;
  }

  int sync() override {
    const std::wstring text = WideFromUtf8(pending_);
    pending_.clear();
    if (text.empty()) return 0;
    DWORD written = 0;
    return WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()), &written,
                         nullptr)
               ? 0
               : -1;
  }

 private:
  HANDLE console_;
  std::string pending_;
};

}  // namespace

// Where one of the two streams goes: the C library's stream, a console, or
// nowhere (kept).
class TextOutlets::Outlet {
 public:
  explicit Outlet(std::ostream& standard) : stream_(&standard) {}

  // `handle`: the stream's own; `starters`: the starter's console, or null.
  void Connect(HANDLE handle, HANDLE starters) {
    if (LeadsSomewhere(handle)) {
      if (IsConsole(handle)) ToConsole(handle);
    } else if (starters != nullptr) {
      ToConsole(starters);
    } else {
      stream_ = &unseen_;
    }
  }

  std::ostream& stream() { return *stream_; }
  std::string unseen() const { return unseen_.str(); }

 private:
  void ToConsole(HANDLE console) {
    console_buffer_ = std::make_unique<ConsoleBuffer>(console);
    console_.rdbuf(console_buffer_.get());
    stream_ = &console_;
  }

  std::unique_ptr<ConsoleBuffer> console_buffer_;
  std::ostream console_{nullptr};
  std::ostringstream unseen_;
  std::ostream* stream_;
};

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), units);
  return wide;
}

std::vector<std::string> Utf8Arguments(const wchar_t* command_line) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(command_line, &count);
  std::vector<std::string> arguments;
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(words[i]));
  LocalFree(words);
  return arguments;
}

TextOutlets::TextOutlets()
    : out_(std::make_unique<Outlet>(std::cout)), err_(std::make_unique<Outlet>(std::cerr)) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  // Opened once for the run, and left to Windows to close at its end.
  const HANDLE starters =
      LeadsSomewhere(out) && LeadsSomewhere(err) ? nullptr : OpenStartersConsole();
  out_->Connect(out, starters);
  err_->Connect(err, starters);
}

TextOutlets::~TextOutlets() = default;

std::ostream& TextOutlets::out() { return out_->stream(); }
std::ostream& TextOutlets::err() { return err_->stream(); }
std::string TextOutlets::unseen_out() const { return out_->unseen(); }
std::string TextOutlets::unseen_err() const { return err_->unseen(); }

}  // namespace vorbexia
