// Display lists: the calls made between glNewList and glEndList, recorded
// as commands, and their replay by glCallList. The context decides which
// calls are recorded and runs each replayed command as the call it was.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "fixedgl/api.h"

namespace fixedgl {

class DisplayLists {
 public:
  enum class Op : uint8_t {
    kBegin, kEnd, kVertex, kNormal, kTexCoord, kColor, kMatrixMode, kLoadIdentity,
    kPushMatrix, kPopMatrix, kTranslate, kRotate, kScale, kCallList, kBindTexture,
    kEnable, kDisable,
  };
  struct Command {
    Op op;
    GLenum name;
    std::array<float, 4> values;
  };

  // While a list is compiled: records the command and says whether to
  // leave it unexecuted (GL_COMPILE).
  bool Record(Op op, GLenum name = 0, float a = 0, float b = 0, float c = 0, float d = 0) {
    if (compiling_ == 0) return false;
    compiled_.push_back(Command{op, name, {a, b, c, d}});
    return compile_mode_ == GL_COMPILE;
  }

  // glGenLists: the first of `range` free names, reserved; 0 for none.
  GLuint Generate(GLsizei range);
  // glNewList and glEndList; a list compiled anew replaces the old.
  void Open(GLuint list, GLenum mode);
  void Close();

  // Whether the list exists and may run here (lists nest 64 deep at most).
  bool Callable(GLuint list) const;
  // Runs each command of a callable list through run(command).
  template <typename Run>
  void Replay(GLuint list, Run run) {
    const auto it = lists_.find(list);
    if (it == lists_.end() || depth_ >= kNesting) return;
    ++depth_;
    // A copy: a list may be compiled anew while this one runs.
    const std::vector<Command> commands = it->second;
    for (const Command& command : commands) run(command);
    --depth_;
  }

 private:
  static constexpr int kNesting = 64;

  std::map<GLuint, std::vector<Command>> lists_;
  GLuint compiling_ = 0;  // the list being compiled, 0 for none
  GLenum compile_mode_ = 0;
  std::vector<Command> compiled_;
  int depth_ = 0;  // lists being executed, one inside the other
};

}  // namespace fixedgl
