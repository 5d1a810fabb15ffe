#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/common/box_log.h"
#include "platform/common/display_mode_choice.h"
#include "platform/sdl/glx_pixel_format.h"
#include "platform/sdl/key_map.h"
#include "platform/sdl/quit_signal.h"
#include "platform/sdl/window_icon.h"

namespace vorbexia {
namespace {

constexpr int kDepthBits = 16;

// The buttons of the two kinds of box: Return answers Yes (or OK), Escape
// answers No (or OK). Each button's id is its answer; a question's two are
// named by the box.
constexpr SDL_MessageBoxButtonData kOkButton[] = {
    {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
     static_cast<int>(BoxAnswer::kOk), "OK"},
};

// SDL's boxes have no question icon; a question gets the information one.
Uint32 SdlBoxFlags(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kStop: return SDL_MESSAGEBOX_ERROR;
    case BoxIcon::kWarning: return SDL_MESSAGEBOX_WARNING;
    case BoxIcon::kInformation: return SDL_MESSAGEBOX_INFORMATION;
    case BoxIcon::kQuestion: return SDL_MESSAGEBOX_INFORMATION;
    case BoxIcon::kNone: break;
  }
  return 0;
}

// The answer to a box without a chosen button: No, or OK where that is all
// the box offers.
BoxAnswer Refusal(const Box& box) {
  return box.buttons == BoxButtons::kYesNo ? BoxAnswer::kNo : BoxAnswer::kOk;
}

// The answer of the button SDL reports; the refusal for anything else (the
// box closed without a button).
BoxAnswer AnswerOf(const SDL_MessageBoxData& data, int button_id, BoxAnswer refusal) {
  for (int i = 0; i < data.numbuttons; ++i) {
    if (data.buttons[i].buttonid == button_id) return static_cast<BoxAnswer>(button_id);
  }
  return refusal;
}

SDL_MessageBoxData MessageBoxData(const Box& box, SDL_Window* owner,
                                  SDL_MessageBoxButtonData (&yes_no_buttons)[2]) {
  const bool yes_no = box.buttons == BoxButtons::kYesNo;
  yes_no_buttons[0] = {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, static_cast<int>(BoxAnswer::kYes),
                       box.yes.c_str()};
  yes_no_buttons[1] = {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, static_cast<int>(BoxAnswer::kNo),
                       box.no.c_str()};
  SDL_MessageBoxData data{};
  data.flags = SdlBoxFlags(box.icon) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  data.window = owner;
  data.title = box.caption.c_str();
  data.message = box.text.c_str();
  data.numbuttons = yes_no ? 2 : 1;
  data.buttons = yes_no ? yes_no_buttons : kOkButton;
  return data;
}

uint64_t NowNs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(
          std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

// The pixel format: double-buffered RGB with at least 5/6/5 colour bits, a
// 16-bit depth buffer and nothing else; a compatibility context for the
// fixed-function pipeline.
void RequestPixelFormat() {
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 6);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK,
                      SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

// An X server may refuse a new connection now and then (Xvfb drops a few in
// a hundred under load), and every SDL start and every box opens one. A few
// tries cost nothing where there is no display at all: each fails at once.
template <typename Attempt>
bool TryAFewTimes(Attempt attempt) {
  constexpr int kTries = 5;
  for (int tries = 0; tries < kTries; ++tries) {
    if (attempt()) return true;
  }
  return false;
}

// Without a display SDL falls back to drivers that draw where nobody can see
// (offscreen, dummy); the game would then run on unseen and never end. Such a
// driver serves only when it was asked for by name.
bool HasVisibleDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  const std::string name = driver;
  if (name != "offscreen" && name != "dummy") return true;
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  return requested && name == requested;
}

// An OpenGL window where the display has a visual for it, else a plain one,
// so that the pixel-format steps find out and report what is missing.
SDL_Window* MakeWindow(const char* title, int width, int height, Uint32 flags) {
  SDL_Window* window =
      SDL_CreateWindow(title, 0, 0, width, height, flags | SDL_WINDOW_OPENGL);
  if (window) return window;
  return SDL_CreateWindow(title, 0, 0, width, height, flags);
}

// The display's own mode of width x height at `bits` bits per pixel, else at
// its own depth.
bool FindFullscreenMode(int width, int height, int bits, SDL_DisplayMode& mode) {
  std::vector<SDL_DisplayMode> modes(
      static_cast<size_t>(std::max(0, SDL_GetNumDisplayModes(0))));
  std::vector<DisplayModeOffer> offered;
  for (size_t i = 0; i < modes.size(); ++i) {
    SDL_GetDisplayMode(0, static_cast<int>(i), &modes[i]);
    offered.push_back({modes[i].w, modes[i].h,
                       static_cast<int>(SDL_BITSPERPIXEL(modes[i].format))});
  }
  SDL_DisplayMode desktop{};
  SDL_GetDesktopDisplayMode(0, &desktop);
  const int chosen = ChooseFullscreenMode(
      offered, width, height, bits,
      static_cast<int>(SDL_BITSPERPIXEL(desktop.format)));
  if (chosen < 0) return false;
  mode = modes[static_cast<size_t>(chosen)];
  return true;
}

bool StartVideoOnADisplay() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  if (HasVisibleDisplay()) return true;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return false;
}

}  // namespace

SdlPlatform::SdlPlatform(bool paced) : paced_(paced) {
  SDL_SetMainReady();
  // SDL's own handlers would turn SIGINT and SIGTERM into a quit event that
  // nobody reads while a box is open; the game has its own (quit_signal.h).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Deliberately no compose table for X's input method: the game reads keys,
  // never text, and parsing the locale's table (thousands of lines) took
  // about 15 ms of every start. A table named in XCOMPOSEFILE is still used.
  setenv("XCOMPOSEFILE", "/dev/null", 0);
}

SdlPlatform::~SdlPlatform() {
  if (context_) SDL_GL_DeleteContext(context_);
  if (window_) SDL_DestroyWindow(window_);
  gamepads_.Stop();
  SDL_Quit();
}

// The window with the keyboard focus; where SDL has not yet heard of any
// focus, the game window, which ShowWindow gave the focus.
SDL_Window* SdlPlatform::FocusWindow() const {
  SDL_Window* focus = SDL_GetKeyboardFocus();
  return focus ? focus : window_;
}

BoxAnswer SdlPlatform::ShowBox(const Box& box) {
  const BoxAnswer refusal = Refusal(box);
  // Once the game is asked to end no box is shown, and a box ended by the
  // signal is refused, not shown again.
  if (QuitSignalled()) return refusal;
  LogBox(box.caption, box.text);
  SDL_MessageBoxButtonData yes_no_buttons[2];
  const SDL_MessageBoxData data = MessageBoxData(
      box, box.owner == BoxOwner::kFocusWindow ? FocusWindow() : nullptr, yes_no_buttons);
  int button_id = static_cast<int>(refusal);
  const bool shown = boxes_ && TryAFewTimes([&] {
    return SDL_ShowMessageBox(&data, &button_id) == 0 || QuitSignalled();
  });
  if (QuitSignalled()) return refusal;
  if (!shown) {
    // No box can be shown (no display): the player still gets the words.
    std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
    std::fflush(stderr);
    return refusal;
  }
  return AnswerOf(data, button_id, refusal);
}

bool SdlPlatform::HasStep(WindowStep step) const {
  return step != WindowStep::kGetDrawable && step != WindowStep::kSetPixelFormat;
}

bool SdlPlatform::Build(WindowStep step, const WindowRequest& request) {
  switch (step) {
    case WindowStep::kOpenDisplay: return OpenDisplay();
    case WindowStep::kCreateWindow: return MakeGameWindow(request);
    case WindowStep::kChoosePixelFormat: return ChoosePixelFormat(request.bits);
    case WindowStep::kCreateContext: return CreateContext();
    case WindowStep::kMakeCurrent: return MakeCurrent();
    case WindowStep::kGetDrawable:
    case WindowStep::kSetPixelFormat: break;
  }
  return false;
}

bool SdlPlatform::Release(WindowStep step) {
  switch (step) {
    case WindowStep::kOpenDisplay: return CloseDisplay();
    case WindowStep::kCreateWindow: return DestroyGameWindow();
    case WindowStep::kCreateContext: return DeleteContext();
    case WindowStep::kMakeCurrent: return DetachContext();
    case WindowStep::kChoosePixelFormat:
    case WindowStep::kGetDrawable:
    case WindowStep::kSetPixelFormat: break;
  }
  return false;
}

// SDL video on a display that can be seen, the pads, and the pixel format
// every window made from now on gets.
bool SdlPlatform::OpenDisplay() {
  if (!TryAFewTimes(StartVideoOnADisplay)) return false;
  video_ = true;
  gamepads_.Start();
  RequestPixelFormat();
  // SDL holds the screen saver off from its start; the game does so only
  // while its window is the active one (see TranslateWindowEvent).
  SDL_EnableScreenSaver();
  return true;
}

bool SdlPlatform::CloseDisplay() {
  if (!video_) return false;
  gamepads_.Stop();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  video_ = false;
  return true;
}

bool SdlPlatform::EnterFullscreen(int width, int height, int bits) {
  if (!SwitchDisplayMode(width, height, bits)) return false;
  SDL_ShowCursor(SDL_DISABLE);
  return true;
}

void SdlPlatform::LeaveFullscreen() {
  if (window_) SDL_SetWindowFullscreen(window_, 0);
  SDL_ShowCursor(SDL_ENABLE);
}

// SDL's desktop full screen: a borderless window over the whole display at
// its own mode. Off, the window comes back at the size it had.
bool SdlPlatform::SetDesktopFullscreen(bool on) {
  if (!window_) return false;
  return SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
}

// SDL's relative mouse mode hides the pointer, holds it in the window and
// reports motion only; SDL itself lets it go while the window is unfocused.
void SdlPlatform::CaptureMouse(bool on) {
  SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
}

// SDL switches the display mode when a full-screen window is shown, so the
// switch is made with the game's window itself, which MakeGameWindow then
// takes over. Refused when the display offers no such mode, or when the
// display is not at that mode once the window is shown.
bool SdlPlatform::SwitchDisplayMode(int width, int height, int bits) {
  SDL_DisplayMode mode{};
  if (!FindFullscreenMode(width, height, bits, mode)) return false;
  window_ = MakeWindow("", width, height,
                       SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN);
  if (!window_) return false;
  SDL_SetWindowDisplayMode(window_, &mode);
  SDL_ShowWindow(window_);
  SDL_DisplayMode now{};
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  const bool switched = SDL_GetCurrentDisplayMode(0, &now) == 0 &&
                        now.w == width && now.h == height && w == width &&
                        h == height;
  if (!switched) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
  return switched;
}

bool SdlPlatform::MakeGameWindow(const WindowRequest& request) {
  if (request.fullscreen && window_) {
    SDL_SetWindowTitle(window_, request.title.c_str());
    return true;
  }
  // SDL sizes the client area, so the first viewport matches it. Sizable
  // and maximisable like any overlapped window; each size event brings the
  // new client size to the viewport.
  window_ = MakeWindow(request.title.c_str(), request.width, request.height,
                       SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  return window_ != nullptr;
}

bool SdlPlatform::DestroyGameWindow() {
  if (!window_) return false;
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  return true;
}

void SdlPlatform::ShowWindow() {
  if (!window_) return;
  SetWindowIcon(window_);
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  SDL_SetWindowInputFocus(window_);
  SDL_DisableScreenSaver();  // the window is now the active one
  // SDL learns of the focus from the events; the reader's boxes during
  // start-up need it. The events stay queued for the loop.
  SDL_PumpEvents();
}

// The window system is asked for a visual of the requested format.
bool SdlPlatform::ChoosePixelFormat(int color_bits) const {
  return DisplayHasPixelFormat(window_, color_bits, kDepthBits);
}

bool SdlPlatform::CreateContext() {
  context_ = SDL_GL_CreateContext(window_);
  return context_ != nullptr;
}

bool SdlPlatform::MakeCurrent() {
  if (SDL_GL_MakeCurrent(window_, context_) != 0) return false;
  ChoosePacing();
  return true;
}

// Vsync only where the display's refresh rate is a whole multiple of 60 Hz;
// elsewhere the swap must not wait for the display, and the clock paces.
void SdlPlatform::ChoosePacing() {
  SDL_DisplayMode mode{};
  const int display = SDL_GetWindowDisplayIndex(window_);
  const int refresh_hz =
      display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0
          ? mode.refresh_rate
          : 0;
  const int interval = paced_ ? SwapIntervalFor(refresh_hz) : 0;
  const bool vsync_set = SDL_GL_SetSwapInterval(interval) == 0 && interval > 0;
  if (interval > 0 && !vsync_set) SDL_GL_SetSwapInterval(0);
  pacer_ = PacerForDisplay(refresh_hz, vsync_set);
}

bool SdlPlatform::DetachContext() {
  return SDL_GL_MakeCurrent(window_, nullptr) == 0;
}

bool SdlPlatform::DeleteContext() {
  if (!context_) return false;
  SDL_GL_DeleteContext(context_);
  context_ = nullptr;
  return true;
}

bool SdlPlatform::HasCurrentContext() {
  return video_ && SDL_GL_GetCurrentContext() != nullptr;
}

Event SdlPlatform::ActivateEvent() const {
  const Uint32 flags = window_ ? SDL_GetWindowFlags(window_) : 0;
  return Event{.code = EventCode::kActivate,
               .minimised = (flags & SDL_WINDOW_MINIMIZED) != 0,
               .focus = (flags & SDL_WINDOW_INPUT_FOCUS) != 0};
}

// The drawable size in pixels, so that HiDPI displays get a whole viewport.
Event SdlPlatform::SizeEvent() const {
  Event event{.code = EventCode::kSize};
  SDL_GL_GetDrawableSize(window_, &event.width, &event.height);
  return event;
}

bool SdlPlatform::TranslateEvent(const SDL_Event& sdl_event, Event& event) {
  switch (sdl_event.type) {
    case SDL_QUIT:
      event = Event{.code = EventCode::kClose};
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int vk = VirtualKeyFromSdl(sdl_event.key.keysym.sym);
      if (vk < 0) return false;
      const bool down = sdl_event.type == SDL_KEYDOWN;
      event = Event{.code = down ? EventCode::kKeyDown : EventCode::kKeyUp,
                    .key = static_cast<uint32_t>(vk),
                    .alt = down && (sdl_event.key.keysym.mod & KMOD_ALT) != 0};
      return true;
    }
    case SDL_MOUSEMOTION:
      if (!SDL_GetRelativeMouseMode()) {
        event = Event{.code = EventCode::kPointer, .x = sdl_event.motion.x,
                      .y = sdl_event.motion.y};
        return true;
      }
      event = Event{.code = EventCode::kMouseMove,
                    .dx = sdl_event.motion.xrel,
                    .dy = sdl_event.motion.yrel};
      return true;
    case SDL_MOUSEBUTTONDOWN: {
      const Uint8 button = sdl_event.button.button;
      if (SDL_GetRelativeMouseMode() || (button != SDL_BUTTON_LEFT && button != SDL_BUTTON_RIGHT)) {
        return false;
      }
      event = Event{.code = EventCode::kPointer, .x = sdl_event.button.x, .y = sdl_event.button.y,
                    .button = button == SDL_BUTTON_LEFT ? PointerButton::kLeft
                                                        : PointerButton::kRight};
      return true;
    }
    case SDL_WINDOWEVENT:
      return TranslateWindowEvent(sdl_event.window, event);
    default:
      return false;
  }
}

// The screen saver is held off exactly while the window is the active one:
// SDL_DisableScreenSaver when it gains the focus, SDL_EnableScreenSaver when
// it loses it or is minimised.
bool SdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& window_event, Event& event) {
  switch (window_event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      event = Event{.code = EventCode::kClose};
      return true;
    case SDL_WINDOWEVENT_MINIMIZED:
      SDL_EnableScreenSaver();
      event = Event{.code = EventCode::kActivate, .minimised = true};
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      SDL_DisableScreenSaver();
      event = ActivateEvent();
      return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      SDL_EnableScreenSaver();
      // Lost, whatever the window's flags say by now: the keys held are to
      // be let go, as their releases go to another window.
      event = ActivateEvent();
      event.focus = false;
      return true;
    case SDL_WINDOWEVENT_RESTORED:
      event = ActivateEvent();
      return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      event = SizeEvent();
      return true;
    default:
      return false;
  }
}

void SdlPlatform::PumpEvents() {
  SDL_Event sdl_event;
  std::vector<Event> pad_events;
  Event event;
  bool posted = false;
  while (!posted && SDL_PollEvent(&sdl_event)) {
    if (gamepads_.TakeEvent(sdl_event, pad_events)) {
      for (const Event& pad_event : pad_events) Post(pad_event);
      posted = !pad_events.empty();
      pad_events.clear();
    } else if (TranslateEvent(sdl_event, event)) {
      Post(event);
      posted = true;
    }
  }
}

int SdlPlatform::QuitSignal() { return QuitSignalled(); }

void SdlPlatform::WaitForFrameDeadline() {
  const uint64_t wait_ns = NextFrameWait(pacer_, NowNs());
  if (wait_ns > 0) std::this_thread::sleep_for(std::chrono::nanoseconds(wait_ns));
}

void SdlPlatform::SwapBuffers() {
  if (!window_) return;
  SDL_GL_SwapWindow(window_);
  if (paced_) WaitForFrameDeadline();
}

}  // namespace vorbexia
