// The command line and the text lines of the game on Windows. The game is a
// GUI program: Windows hands it its command line as one UTF-16 string and
// starts it without a console, so --help, --version, the timedemo's figures
// and a bad argument's line need somewhere to go.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vorbexia {

// UTF-16 text as UTF-8, and back.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

// The arguments after the program's name in a Windows command line, split
// as CommandLineToArgvW splits it (quotes, backslashes), each in UTF-8.
std::vector<std::string> Utf8Arguments(const wchar_t* command_line);

// Standard output and standard error of the game, as streams of UTF-8 text.
// A stream the game was given redirected to a file or a pipe stays there; a
// console, its own or else the one of the program that started it (a
// command prompt), shows the text in UTF-16, whatever its code page. With
// neither (started from a shortcut) the text is kept for a box.
class TextOutlets {
 public:
  TextOutlets();
  ~TextOutlets();
  TextOutlets(const TextOutlets&) = delete;
  TextOutlets& operator=(const TextOutlets&) = delete;

  std::ostream& out();
  std::ostream& err();
  // What was written where nobody sees it.
  std::string unseen_out() const;
  std::string unseen_err() const;

 private:
  class Outlet;
  std::unique_ptr<Outlet> out_;
  std::unique_ptr<Outlet> err_;
};

}  // namespace vorbexia
