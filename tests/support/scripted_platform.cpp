#include "support/scripted_platform.h"

namespace vorbexia {

bool ScriptedPlatform::Step(const std::string& name) {
  const bool ok = failing.count(name) == 0;
  log.push_back(ok ? name : name + " failed");
  return ok;
}

int ScriptedPlatform::ShowMessageBox(BoxOwner owner, const std::string& text,
                                     const std::string& caption,
                                     unsigned type) {
  boxes.push_back(ShownBox{owner, text, caption, type});
  log.push_back("Box " + caption + ": " + text);
  if (on_box) on_box(boxes.back());
  const bool yes_no = (type & kBoxButtonMask) == MB_YESNO;
  if (answers.empty()) return yes_no ? IDNO : IDOK;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedPlatform::ChangeDisplayMode(int width, int height, int bits) {
  return Step("ChangeDisplayMode " + std::to_string(width) + "x" +
              std::to_string(height) + "x" + std::to_string(bits));
}

void ScriptedPlatform::ShowCursor(bool show) {
  log.push_back(show ? "ShowCursor true" : "ShowCursor false");
}

bool ScriptedPlatform::CreateWindow(const std::string& title, int width,
                                    int height, bool fullscreen) {
  (void)title;
  (void)width;
  (void)height;
  return Step(fullscreen ? "CreateWindow fullscreen" : "CreateWindow windowed");
}

bool ScriptedPlatform::ChoosePixelFormat(int color_bits) {
  (void)color_bits;
  return Step("ChoosePixelFormat");
}

bool ScriptedPlatform::MakeContextCurrent() {
  const bool ok = Step("MakeContextCurrent");
  if (ok) context_current = true;
  return ok;
}

bool ScriptedPlatform::DetachContext() {
  const bool ok = Step("DetachContext");
  if (ok) context_current = false;
  return ok;
}

bool ScriptedPlatform::PeekEvent(Event& event) {
  if (!events.empty()) {
    event = events.front();
    events.pop_front();
    return true;
  }
  if (quit_posted_) {
    quit_posted_ = false;
    event = Event{EventCode::kQuit, 0, 0};
    return true;
  }
  return false;
}

void ScriptedPlatform::PostQuit() {
  log.push_back("PostQuit");
  quit_posted_ = true;
}

void ScriptedPlatform::SwapBuffers() {
  log.push_back("SwapBuffers");
  ++swaps;
  if (on_swap) on_swap(swaps);
}

bool ScriptedRenderer::InitGL(GameState& state) {
  platform_.log.push_back(init_gl_result ? "InitGL" : "InitGL failed");
  if (init_gl_result) SetupLevel(state);
  return init_gl_result;
}

bool ScriptedRenderer::BuildModels(GameState&) {
  platform_.log.push_back(build_models_result ? "BuildModels"
                                              : "BuildModels failed");
  return build_models_result;
}

bool ScriptedRenderer::DrawScene(GameState& state, Random& random) {
  platform_.log.push_back("DrawScene");
  ++draws;
  AdvanceWorld(state, random);
  if (on_draw) on_draw(state);
  return draw_result;
}

void ScriptedRenderer::SetViewport(int width, int height, double aspect) {
  platform_.log.push_back("SetViewport " + std::to_string(width) + "x" +
                          std::to_string(height));
  viewports.push_back(Viewport{width, height, aspect});
}

}  // namespace vorbexia
