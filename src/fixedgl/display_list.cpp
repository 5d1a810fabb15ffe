#include "fixedgl/display_list.h"

#include <utility>

namespace fixedgl {

GLuint DisplayLists::Generate(GLsizei range) {
  if (range <= 0) return 0;
  GLuint first = 1;
  // The first run of `range` free names.
  for (auto it = lists_.lower_bound(first); it != lists_.end() && it->first < first + range;
       it = lists_.lower_bound(first)) {
    first = it->first + 1;
  }
  for (GLsizei i = 0; i < range; ++i) lists_[first + i];  // reserved, empty
  return first;
}

void DisplayLists::Open(GLuint list, GLenum mode) {
  if (list == 0 || compiling_ != 0) return;
  if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) return;
  compiling_ = list;
  compile_mode_ = mode;
  compiled_.clear();
}

void DisplayLists::Close() {
  if (compiling_ == 0) return;
  lists_[compiling_] = std::move(compiled_);
  compiled_.clear();
  compiling_ = 0;
}

bool DisplayLists::Callable(GLuint list) const {
  return depth_ < kNesting && lists_.count(list) > 0;
}

}  // namespace fixedgl
