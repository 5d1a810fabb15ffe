#include "platform/web/web_platform.h"

#include <emscripten/em_js.h>

#include <csignal>
#include <cstdio>
#include <string_view>
#include <utility>

#include "fixedgl/api.h"
#include "platform/common/box_log.h"
#include "platform/web/key_map.h"
#include "platform/web/web_touch.h"

// The page (page/vorbexia-page.js) draws the boxes, makes the canvas and
// asks for full screen; each call below waits for its answer while the
// browser runs on.

// The answer to a box: 0 OK, 1 Yes, 2 No (BoxAnswer's values); -1 where
// the page has no dialogs.
EM_ASYNC_JS(int, AskPageBox, (const char* caption, const char* text, int yes_no, int icon,
                              const char* yes, const char* no), {
  if (!Module.vorbexiaShowBox) return -1;
  return await Module.vorbexiaShowBox(UTF8ToString(caption), UTF8ToString(text), yes_no != 0,
                                      icon, UTF8ToString(yes), UTF8ToString(no));
});

EM_ASYNC_JS(int, AskPageFullscreen, (), {
  return Module.vorbexiaEnterFullscreen ? await Module.vorbexiaEnterFullscreen() : 0;
});

EM_ASYNC_JS(void, LeavePageFullscreen, (), {
  if (Module.vorbexiaLeaveFullscreen) await Module.vorbexiaLeaveFullscreen();
});

// 1 when the stage is now full screen as `on` asks, 0 when the browser
// refused (no fresh gesture of the player's, or not allowed in this page).
EM_ASYNC_JS(int, SetPageFullscreen, (int on), {
  if (!Module.vorbexiaEnterFullscreen || !Module.vorbexiaLeaveFullscreen) return 0;
  if (on) return await Module.vorbexiaEnterFullscreen();
  await Module.vorbexiaLeaveFullscreen();
  return document.fullscreenElement ? 0 : 1;
});

EM_JS(void, CapturePageMouse, (int on), {
  if (Module.vorbexiaCaptureMouse) Module.vorbexiaCaptureMouse(on != 0);
});

// The time of the next animation frame, in milliseconds.
EM_ASYNC_JS(double, AwaitAnimationFrame, (), {
  return await new Promise(resolve => requestAnimationFrame(resolve));
});

// Lets the browser handle what is waiting (events, drawing) and comes back
// at once: a message to ourselves, which no timer clamps.
EM_ASYNC_JS(void, YieldToBrowser, (), {
  await new Promise(resolve => {
    const channel = new MessageChannel();
    channel.port1.onmessage = resolve;
    channel.port2.postMessage(0);
  });
});

// A new canvas #canvas of width x height pixels in the page, not yet shown;
// each game gets a canvas, and with it a WebGL context, of its own.
EM_JS(int, MakePageCanvas, (int width, int height), {
  return Module.vorbexiaCreateCanvas ? Module.vorbexiaCreateCanvas(width, height) : 0;
});

EM_JS(int, RemovePageCanvas, (), {
  return Module.vorbexiaRemoveCanvas ? Module.vorbexiaRemoveCanvas() : 0;
});

EM_JS(void, ShowPageCanvas, (), {
  if (Module.vorbexiaShowCanvas) Module.vorbexiaShowCanvas();
});

EM_JS(int, PageEndsGame, (), { return Module.vorbexiaEndRequested ? 1 : 0; });

EM_JS(int, PageIsFullscreen, (), { return document.fullscreenElement ? 1 : 0; });

namespace vorbexia {
namespace {

constexpr const char* kCanvas = "#canvas";  // the canvas's selector
constexpr std::string_view kCanvasId = "canvas";

BoxAnswer Refusal(const Box& box) {
  return box.buttons == BoxButtons::kYesNo ? BoxAnswer::kNo : BoxAnswer::kOk;
}

// What a keyboard event of the browser is to the game; false for none.
bool TranslateKey(int type, const EmscriptenKeyboardEvent& key, Event& event) {
  const int vk = VirtualKeyFromDomCode(key.code);
  if (vk < 0) return false;
  const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
  event = Event{.code = down ? EventCode::kKeyDown : EventCode::kKeyUp,
                .key = static_cast<uint32_t>(vk),
                .alt = down && key.altKey};
  return true;
}

}  // namespace

WebPlatform::~WebPlatform() {
  if (context_) DeleteContext();
  if (canvas_) RemoveCanvas();
}

BoxAnswer WebPlatform::ShowBox(const Box& box) {
  const BoxAnswer refusal = Refusal(box);
  if (QuitSignal()) return refusal;
  LogBox(box.caption, box.text);
  const int answer = boxes_ ? AskPageBox(box.caption.c_str(), box.text.c_str(),
                                         box.buttons == BoxButtons::kYesNo,
                                         static_cast<int>(box.icon), box.yes.c_str(),
                                         box.no.c_str())
                            : -1;
  if (QuitSignal()) return refusal;  // the page closed it to end the game
  if (answer < 0) {
    std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
    std::fflush(stderr);
    return refusal;
  }
  return static_cast<BoxAnswer>(answer) == BoxAnswer::kYes && box.buttons == BoxButtons::kYesNo
             ? BoxAnswer::kYes
             : refusal;
}

bool WebPlatform::HasStep(WindowStep step) const {
  return step == WindowStep::kCreateWindow || step == WindowStep::kCreateContext ||
         step == WindowStep::kMakeCurrent;
}

bool WebPlatform::Build(WindowStep step, const WindowRequest& request) {
  switch (step) {
    case WindowStep::kCreateWindow: return CreateCanvas(request);
    case WindowStep::kCreateContext: return CreateContext();
    case WindowStep::kMakeCurrent: return MakeCurrent();
    default: return false;
  }
}

bool WebPlatform::Release(WindowStep step) {
  switch (step) {
    case WindowStep::kCreateWindow: return RemoveCanvas();
    case WindowStep::kCreateContext: return DeleteContext();
    case WindowStep::kMakeCurrent: return DetachContext();
    default: return false;
  }
}

// The drawing buffer is always width x height (800 x 600); the page scales
// the canvas to fit, its shape kept, so no size event ever comes.
bool WebPlatform::CreateCanvas(const WindowRequest& request) {
  width_ = request.width;
  height_ = request.height;
  canvas_ = MakePageCanvas(width_, height_) != 0;
  if (canvas_) Listen(true);
  return canvas_;
}

bool WebPlatform::RemoveCanvas() {
  if (!canvas_) return false;
  Listen(false);
  canvas_ = false;
  return RemovePageCanvas() != 0;
}

// Double-buffered RGB with a depth buffer and nothing else: no alpha (the
// page would show through), no stencil, no multisampling.
bool WebPlatform::CreateContext() {
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.alpha = EM_FALSE;
  attributes.depth = EM_TRUE;
  attributes.stencil = EM_FALSE;
  attributes.antialias = EM_FALSE;
  attributes.preserveDrawingBuffer = EM_FALSE;
  attributes.majorVersion = 1;
  context_ = emscripten_webgl_create_context(kCanvas, &attributes);
  if (context_ <= 0) {
    context_ = 0;
    return false;
  }
  gl_ = std::make_unique<fixedgl::Context>(width_, height_);
  return true;
}

bool WebPlatform::MakeCurrent() {
  if (emscripten_webgl_make_context_current(context_) != EMSCRIPTEN_RESULT_SUCCESS) return false;
  fixedgl::MakeCurrent(gl_.get());
  return true;
}

bool WebPlatform::DetachContext() {
  fixedgl::MakeCurrent(nullptr);
  return emscripten_webgl_make_context_current(0) == EMSCRIPTEN_RESULT_SUCCESS;
}

// The layer's WebGL objects go first, with their context current.
bool WebPlatform::DeleteContext() {
  if (!context_) return false;
  if (fixedgl::CurrentContext() == gl_.get()) fixedgl::MakeCurrent(nullptr);
  emscripten_webgl_make_context_current(context_);
  gl_.reset();
  emscripten_webgl_make_context_current(0);
  const bool deleted = emscripten_webgl_destroy_context(context_) == EMSCRIPTEN_RESULT_SUCCESS;
  context_ = 0;
  return deleted;
}

bool WebPlatform::HasCurrentContext() {
  return context_ && emscripten_webgl_get_current_context() == context_ &&
         fixedgl::CurrentContext() == gl_.get();
}

void WebPlatform::ShowWindow() {
  if (canvas_) ShowPageCanvas();  // shown and given the keyboard focus
}

void WebPlatform::Listen(bool on) {
  void* self = on ? this : nullptr;
  emscripten_set_keydown_callback(kCanvas, self, EM_TRUE, on ? OnKey : nullptr);
  emscripten_set_keyup_callback(kCanvas, self, EM_TRUE, on ? OnKey : nullptr);
  emscripten_set_focus_callback(kCanvas, self, EM_TRUE, on ? OnFocus : nullptr);
  emscripten_set_blur_callback(kCanvas, self, EM_TRUE, on ? OnFocus : nullptr);
  emscripten_set_visibilitychange_callback(self, EM_TRUE, on ? OnVisibility : nullptr);
  emscripten_set_mousemove_callback(kCanvas, self, EM_TRUE, on ? OnMouseMove : nullptr);
  emscripten_set_mousedown_callback(kCanvas, self, EM_TRUE, on ? OnMouseDown : nullptr);
  emscripten_set_pointerlockchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, self, EM_TRUE,
                                            on ? OnPointerLock : nullptr);
}

// True takes the browser's default away: the page does not scroll on the
// arrows or Space while the game has the focus.
EM_BOOL WebPlatform::OnKey(int type, const EmscriptenKeyboardEvent* key, void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  Event event;
  if (!TranslateKey(type, *key, event)) return EM_FALSE;
  // Full screen left before this key (the next Alt+Enter enters again).
  platform.NoticeFullscreenLeft();
  platform.Post(event);
  return GameTakesKey(static_cast<int>(event.key), key->altKey) ? EM_TRUE : EM_FALSE;
}

// The canvas losing the focus lets go of the keys held: their releases
// would go elsewhere.
EM_BOOL WebPlatform::OnFocus(int type, const EmscriptenFocusEvent*, void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  platform.focused_ = type == EMSCRIPTEN_EVENT_FOCUS;
  platform.Post(Event{.code = EventCode::kActivate, .minimised = platform.hidden_,
                                    .focus = platform.focused_});
  return EM_FALSE;
}

// A page that is not shown counts as a minimised window.
EM_BOOL WebPlatform::OnVisibility(int, const EmscriptenVisibilityChangeEvent* change,
                                  void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  platform.hidden_ = change->hidden != 0;
  platform.Post(Event{.code = EventCode::kActivate, .minimised = platform.hidden_,
                                    .focus = platform.focused_ && !platform.hidden_});
  return EM_FALSE;
}

namespace {

// The pointer over the canvas in the canvas's own pixels (the page scales
// the canvas): where it is over the menu.
Event PointerOverCanvas(const EmscriptenMouseEvent& mouse, PointerButton button) {
  double css_width = 0, css_height = 0;
  int width = 0, height = 0;
  emscripten_get_element_css_size(kCanvas, &css_width, &css_height);
  emscripten_get_canvas_element_size(kCanvas, &width, &height);
  const double x_scale = css_width > 0 ? width / css_width : 1.0;
  const double y_scale = css_height > 0 ? height / css_height : 1.0;
  return Event{.code = EventCode::kPointer, .x = static_cast<int>(mouse.targetX * x_scale),
               .y = static_cast<int>(mouse.targetY * y_scale), .button = button};
}

}  // namespace

// Locked, the motion since the last event, in CSS pixels, turns the view;
// free, the pointer moves over the page and the menu follows it.
EM_BOOL WebPlatform::OnMouseMove(int, const EmscriptenMouseEvent* mouse, void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  if (!platform.capture_) {
    platform.Post(PointerOverCanvas(*mouse, PointerButton::kNone));
    return EM_FALSE;
  }
  if (!platform.locked_) return EM_FALSE;
  // Deliberately dropped: the browser measures the first move after a lock
  // from where the pointer was before it (or before a full-screen change
  // moved the canvas), a jump of hundreds of pixels the player never made.
  if (std::exchange(platform.lock_fresh_, false)) return EM_TRUE;
  platform.Post(Event{.code = EventCode::kMouseMove,
                                    .dx = static_cast<int>(mouse->movementX),
                                    .dy = static_cast<int>(mouse->movementY)});
  return EM_TRUE;
}

// A click while the mouse turns nothing: the left or right button, for the
// menu. (The page keeps the browser's own menu off the canvas.)
EM_BOOL WebPlatform::OnMouseDown(int, const EmscriptenMouseEvent* mouse, void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  if (platform.capture_ || (mouse->button != 0 && mouse->button != 2)) return EM_FALSE;
  platform.Post(
      PointerOverCanvas(*mouse, mouse->button == 0 ? PointerButton::kLeft : PointerButton::kRight));
  return EM_FALSE;
}

// The lock lost (Esc, another window) is capture lost: no motion comes
// until the player gives the page the lock again.
EM_BOOL WebPlatform::OnPointerLock(int, const EmscriptenPointerlockChangeEvent* change,
                                   void* self) {
  auto& platform = *static_cast<WebPlatform*>(self);
  platform.locked_ = change->isActive && change->id == kCanvasId;
  platform.lock_fresh_ = platform.locked_;
  return EM_FALSE;
}

void WebPlatform::SamplePads() {
  std::vector<Event> events;
  gamepads_.Sample(events);
  for (const Event& event : events) Post(event);
}

// The browser refuses full screen without a fresh gesture of the player's
// (the click on "Tak" is one) and where the page may not have it.
bool WebPlatform::EnterFullscreen(int, int, int) { return AskPageFullscreen() != 0; }

void WebPlatform::LeaveFullscreen() { LeavePageFullscreen(); }

// Alt+Enter is a key press of the player's, and the browser still counts
// it as a fresh gesture when the game takes it up a frame later.
bool WebPlatform::SetDesktopFullscreen(bool on) {
  if (!canvas_ || SetPageFullscreen(on ? 1 : 0) == 0) return false;
  desktop_ = on;
  return true;
}

void WebPlatform::CaptureMouse(bool on) {
  capture_ = on;
  CapturePageMouse(on ? 1 : 0);
}

// The browser leaves full screen at its own Esc or F11 and tells the page
// only; the game hears of it, before any key pressed after it, so that the
// next Alt+Enter enters again.
void WebPlatform::NoticeFullscreenLeft() {
  if (desktop_ && !PageIsFullscreen()) {
    desktop_ = false;
    Post(Event{.code = EventCode::kDesktopLeft});
  }
}

// The page's touch controls queue their presses; one is posted at a time,
// in the order the fingers made them.
void WebPlatform::PumpEvents() {
  NoticeFullscreenLeft();
  Event touch;
  if (TakePageTouch(touch)) Post(touch);
}

int WebPlatform::QuitSignal() { return PageEndsGame() ? SIGTERM : 0; }

// Waits for an animation frame at which a frame is due. The picture drawn
// is shown when control goes back to the browser; a frame due beyond the
// first at the same animation frame runs at once, and only the last of
// them is seen.
void WebPlatform::WaitForFramesDue() {
  if (frames_owed_ > 0) {
    --frames_owed_;
    return;
  }
  int due = 0;
  while (due == 0 && !QuitSignal()) {
    const double now_ms = AwaitAnimationFrame();
    due = FramesDueAtRefresh(pacer_, static_cast<uint64_t>(now_ms * 1e6));
  }
  frames_owed_ = due > 0 ? due - 1 : 0;
  SamplePads();
}

void WebPlatform::SwapBuffers() {
  if (!context_) return;
  fixedgl::Flush();  // the frame, whole, before the browser shows it
  if (paced_) {
    WaitForFramesDue();
  } else {
    YieldToBrowser();
    SamplePads();
  }
}

}  // namespace vorbexia
