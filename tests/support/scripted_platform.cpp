#include "support/scripted_platform.h"

namespace vorbexia {

bool ScriptedPlatform::Step(const std::string& name) {
  const bool ok = failing.count(name) == 0;
  log.push_back(ok ? name : name + " failed");
  return ok;
}

BoxAnswer ScriptedPlatform::ShowBox(const Box& box) {
  boxes.push_back(box);
  log.push_back("Box " + box.caption + ": " + box.text);
  if (on_box) on_box(boxes.back());
  if (answers.empty()) {
    return box.buttons == BoxButtons::kYesNo ? BoxAnswer::kNo : BoxAnswer::kOk;
  }
  const BoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedPlatform::Build(WindowStep step, const WindowRequest& request) {
  switch (step) {
    case WindowStep::kOpenDisplay: return Step("OpenDisplay");
    case WindowStep::kCreateWindow:
      return Step(request.fullscreen ? "CreateWindow fullscreen" : "CreateWindow windowed");
    case WindowStep::kGetDrawable: return Step("GetDrawable");
    case WindowStep::kChoosePixelFormat: return Step("ChoosePixelFormat");
    case WindowStep::kSetPixelFormat: return Step("SetPixelFormat");
    case WindowStep::kCreateContext: return Step("CreateContext");
    case WindowStep::kMakeCurrent:
      if (!Step("MakeCurrent")) return false;
      context_current = true;
      return true;
  }
  return false;
}

bool ScriptedPlatform::Release(WindowStep step) {
  switch (step) {
    case WindowStep::kMakeCurrent:
      if (!Step("DetachContext")) return false;
      context_current = false;
      return true;
    case WindowStep::kCreateContext: return Step("DeleteContext");
    case WindowStep::kGetDrawable: return Step("ReleaseDrawable");
    case WindowStep::kCreateWindow: return Step("DestroyWindow");
    case WindowStep::kOpenDisplay: return Step("CloseDisplay");
    case WindowStep::kChoosePixelFormat:
    case WindowStep::kSetPixelFormat: break;
  }
  return Step("Release of a step without one");
}

bool ScriptedPlatform::EnterFullscreen(int width, int height, int bits) {
  return Step("EnterFullscreen " + std::to_string(width) + "x" + std::to_string(height) +
              "x" + std::to_string(bits));
}

void ScriptedPlatform::PumpEvents() {
  for (const Event& event : events) Post(event);
  events.clear();
}

void ScriptedPlatform::SwapBuffers() {
  log.push_back("SwapBuffers");
  ++swaps;
  if (on_swap) on_swap(swaps);
}

bool ScriptedRenderer::InitGL() {
  platform_.log.push_back(init_gl_result ? "InitGL" : "InitGL failed");
  return init_gl_result;
}

bool ScriptedRenderer::BuildModels() {
  platform_.log.push_back(build_models_result ? "BuildModels" : "BuildModels failed");
  return build_models_result;
}

void ScriptedRenderer::DrawScene(const GameState&, const RobotFlashes& drawn_flashes) {
  platform_.log.push_back("DrawScene");
  flashes = drawn_flashes;
  ++draws;
  if (on_draw) on_draw();
}

void ScriptedRenderer::SetViewport(int width, int height, double aspect, int x,
                                   int y) {
  std::string entry = "SetViewport " + std::to_string(width) + "x" + std::to_string(height);
  if (x != 0 || y != 0) entry += " at " + std::to_string(x) + "," + std::to_string(y);
  platform_.log.push_back(entry);
  viewports.push_back(Viewport{width, height, aspect});
}

}  // namespace vorbexia
