#include "shell/game_window.h"

#include <algorithm>
#include <cmath>

namespace vorbexia {
namespace {

// The picture's own size, kept in desktop full screen; pixels.
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

constexpr const char* kErrorCaption = "ERROR";
constexpr const char* kShutdownCaption = "SHUTDOWN ERROR";

// What the player is told when a step of building the window fails.
const char* StepFailureText(const Texts& texts, WindowStep step) {
  switch (step) {
    case WindowStep::kOpenDisplay: return texts.open_display;
    case WindowStep::kCreateWindow: return texts.create_window;
    case WindowStep::kGetDrawable: return texts.get_drawable;
    case WindowStep::kChoosePixelFormat: return texts.choose_pixel_format;
    case WindowStep::kSetPixelFormat: return texts.set_pixel_format;
    case WindowStep::kCreateContext: return texts.create_context;
    case WindowStep::kMakeCurrent: return texts.make_current;
  }
  return "";
}

// ... and when undoing one fails.
const char* ReleaseFailureText(const Texts& texts, WindowStep step) {
  switch (step) {
    case WindowStep::kMakeCurrent: return texts.release_current;
    case WindowStep::kCreateContext: return texts.delete_context;
    case WindowStep::kGetDrawable: return texts.release_drawable;
    case WindowStep::kCreateWindow: return texts.destroy_window;
    case WindowStep::kOpenDisplay: return texts.close_display;
    case WindowStep::kChoosePixelFormat:
    case WindowStep::kSetPixelFormat: break;
  }
  return "";
}

const Texts& TextsOf(const GameWindow& window) { return TextsIn(window.language); }

void ShowStartupError(Platform& platform, const char* text,
                      BoxIcon icon = BoxIcon::kWarning) {
  ShowGameBox(platform, text, kErrorCaption, icon);
}

// A failure after the window exists: tear down first, then tell the player.
bool FailAfterTeardown(GameWindow& window, WindowStep step) {
  DestroyGameWindow(window);
  ShowStartupError(window.platform, StepFailureText(TextsOf(window), step));
  return false;
}

// A step the window system does not have is no failure.
bool Take(GameWindow& window, WindowStep step, const WindowRequest& request) {
  return !window.platform.HasStep(step) || window.platform.Build(step, request);
}

void Undo(GameWindow& window, WindowStep step) {
  Platform& platform = window.platform;
  if (platform.HasStep(step) && !platform.Release(step)) {
    ShowGameBox(platform, ReleaseFailureText(TextsOf(window), step), kShutdownCaption,
                BoxIcon::kInformation);
  }
}

// Asks for the temporary full-screen mode. False only when it was refused
// and the player declined to play in a window.
bool EnterFullscreen(GameWindow& window, const WindowRequest& request) {
  Platform& platform = window.platform;
  if (platform.EnterFullscreen(request.width, request.height, request.bits)) return true;
  const Texts& texts = TextsOf(window);
  const BoxAnswer answer =
      AskGameBox(platform, texts, texts.no_fullscreen_question, "OpenGL", BoxIcon::kWarning);
  if (answer == BoxAnswer::kYes) {
    window.fullscreen = false;
    return true;
  }
  ShowStartupError(platform, texts.program_ends, BoxIcon::kStop);
  return false;
}

}  // namespace

BoxAnswer ShowGameBox(Platform& platform, const std::string& text,
                      const std::string& caption, BoxIcon icon, BoxButtons buttons) {
  return platform.ShowBox(Box{text, caption, buttons, icon, BoxOwner::kNone});
}

BoxAnswer AskGameBox(Platform& platform, const Texts& texts, const std::string& text,
                     const std::string& caption, BoxIcon icon) {
  Box box{text, caption, BoxButtons::kYesNo, icon, BoxOwner::kNone};
  box.yes = texts.yes;
  box.no = texts.no;
  return platform.ShowBox(box);
}

void ShowReaderBox(Platform& platform, const char* text) {
  platform.ShowBox(Box{text, "Error", BoxButtons::kOk, BoxIcon::kNone, BoxOwner::kFocusWindow});
}

bool CreateGameWindow(GameWindow& window, const WindowRequest& request) {
  window.fullscreen = request.fullscreen;
  if (!Take(window, WindowStep::kOpenDisplay, request)) {
    ShowStartupError(window.platform, StepFailureText(TextsOf(window), WindowStep::kOpenDisplay));
    return false;
  }
  window.has_display = true;
  if (window.fullscreen && !EnterFullscreen(window, request)) return false;

  WindowRequest built = request;
  built.fullscreen = window.fullscreen;
  window.has_window = Take(window, WindowStep::kCreateWindow, built);
  if (!window.has_window) return FailAfterTeardown(window, WindowStep::kCreateWindow);
  window.has_drawable = Take(window, WindowStep::kGetDrawable, built);
  if (!window.has_drawable) return FailAfterTeardown(window, WindowStep::kGetDrawable);
  for (const WindowStep step : {WindowStep::kChoosePixelFormat, WindowStep::kSetPixelFormat}) {
    if (!Take(window, step, built)) return FailAfterTeardown(window, step);
  }
  window.has_context = Take(window, WindowStep::kCreateContext, built);
  if (!window.has_context) return FailAfterTeardown(window, WindowStep::kCreateContext);
  if (!Take(window, WindowStep::kMakeCurrent, built)) {
    return FailAfterTeardown(window, WindowStep::kMakeCurrent);
  }
  window.platform.ShowWindow();
  // The requested size, whatever client area the window got; the next size
  // event brings the real one.
  ResizeViewport(window, request.width, request.height);
  if (!window.renderer.InitGL()) {
    DestroyGameWindow(window);
    ShowStartupError(window.platform, TextsOf(window).init_gl_failed);
    return false;
  }
  return true;
}

void DestroyGameWindow(GameWindow& window) {
  if (window.fullscreen) window.platform.LeaveFullscreen();
  if (window.has_context) {
    Undo(window, WindowStep::kMakeCurrent);
    Undo(window, WindowStep::kCreateContext);
    window.has_context = false;
  }
  if (window.has_drawable) {
    Undo(window, WindowStep::kGetDrawable);
    window.has_drawable = false;
  }
  if (window.has_window) {
    Undo(window, WindowStep::kCreateWindow);
    window.has_window = false;
  }
  if (window.has_display) {
    Undo(window, WindowStep::kOpenDisplay);
    window.has_display = false;
  }
}

void GameWindowProc(GameWindow& window, const Event& event) {
  switch (event.code) {
    case EventCode::kActivate:
      // Only the minimised state counts: a window that merely loses the
      // focus keeps drawing.
      window.active = !event.minimised;
      return;
    case EventCode::kClose:
      window.platform.PostQuit();
      return;
    case EventCode::kSize:
      ResizeViewport(window, event.width, event.height);
      return;
    case EventCode::kDesktopLeft:
      window.desktop = false;
      return;
    default:
      return;
  }
}

namespace {

void SetView(GameWindow& window, int client_height, int x, int y, int width, int height) {
  window.client_height = client_height;
  window.view_x = x, window.view_y = y, window.view_width = width, window.view_height = height;
}

}  // namespace

void ResizeViewport(GameWindow& window, int width, int height) {
  // Size events can arrive before the context is current or after the
  // teardown has detached it; with no context there is nothing to set.
  if (!window.platform.HasCurrentContext()) return;
  if (height == 0) height = 1;
  if (window.desktop) {
    const double scale = std::min(static_cast<double>(width) / kPictureWidth,
                                  static_cast<double>(height) / kPictureHeight);
    const int shown_width = static_cast<int>(std::lround(kPictureWidth * scale));
    const int shown_height = std::max(1, static_cast<int>(std::lround(kPictureHeight * scale)));
    const float aspect = static_cast<float>(kPictureWidth) / static_cast<float>(kPictureHeight);
    SetView(window, height, (width - shown_width) / 2, (height - shown_height) / 2, shown_width,
            shown_height);
    window.renderer.SetViewport(shown_width, shown_height, aspect, window.view_x, window.view_y);
    return;
  }
  SetView(window, height, 0, 0, width, height);
  // The two pixel counts divided in single precision, handed on as a double.
  const float aspect = static_cast<float>(width) / static_cast<float>(height);
  window.renderer.SetViewport(width, height, aspect);
}

void ToggleDesktopFullscreen(GameWindow& window) {
  if (window.fullscreen) return;
  if (window.platform.SetDesktopFullscreen(!window.desktop)) window.desktop = !window.desktop;
}

}  // namespace vorbexia
