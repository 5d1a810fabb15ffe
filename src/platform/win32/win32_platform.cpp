#include "platform/win32/win32_platform.h"

#include <vector>

#include "platform/common/box_log.h"
#include "platform/common/display_mode_choice.h"
#include "platform/common/frame_pacer.h"
#include "platform/win32/win32_console.h"
#include "platform/win32/win32_gamepad.h"
#include "platform/win32/win32_messages.h"
#include "platform/win32/win32_quit_signal.h"

// After the game's own headers, so that windows.h's many macros (min, max,
// the A/W names of its functions) cannot reach into them.
#include <windows.h>

namespace vorbexia {
namespace {

constexpr char kClassName[] = "Vorbexia";
// The game's icon in the executable's resources (dist/windows/vorbexia.rc.in).
constexpr WORD kIconId = 1;

constexpr DWORD kWindowedExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kFullscreenExStyle = WS_EX_APPWINDOW;
constexpr DWORD kFullscreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Double-buffered RGBA for OpenGL in a window, the given colour bits and a
// 16-bit depth buffer; no alpha, accumulation, stencil or auxiliary buffers.
PIXELFORMATDESCRIPTOR PixelFormatRequest(int color_bits) {
  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.nVersion = 1;
  request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = static_cast<BYTE>(color_bits);
  request.cDepthBits = 16;
  request.iLayerType = PFD_MAIN_PLANE;
  return request;
}

// The depth to ask for width x height: `bits` where the display lists it,
// else the display's own depth where that is listed, else `bits`.
int OfferedDepth(int width, int height, int bits) {
  std::vector<DisplayModeOffer> offered;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
    offered.push_back({int(mode.dmPelsWidth), int(mode.dmPelsHeight), int(mode.dmBitsPerPel)});
  }
  DEVMODEA current{};
  current.dmSize = sizeof current;
  const int desktop_bits =
      EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current) ? int(current.dmBitsPerPel) : 0;
  const int chosen = ChooseFullscreenMode(offered, width, height, bits, desktop_bits);
  return chosen >= 0 ? offered[size_t(chosen)].bits : bits;
}

// A temporary change for this run only: width x height at `bits` per pixel,
// or at the display's own depth where the display offers no mode of that
// depth (Windows 8 and later offer no 16-bit mode, and the game would never
// fill the screen there). A mode the display does not list is still asked for.
bool ChangeDisplayMode(int width, int height, int bits) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = static_cast<DWORD>(width);
  mode.dmPelsHeight = static_cast<DWORD>(height);
  mode.dmBitsPerPel = static_cast<DWORD>(OfferedDepth(width, height, bits));
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

// The answer of a box that is not shown: No, or OK where it is the only
// button.
BoxAnswer Refusal(const Box& box) {
  return box.buttons == BoxButtons::kYesNo ? BoxAnswer::kNo : BoxAnswer::kOk;
}

// A box nobody is there to answer: its words as a line, and its refusal.
BoxAnswer RefuseAsLine(const Box& box, std::ostream& lines) {
  lines << box.caption << ": " << box.text << '\n' << std::flush;
  return Refusal(box);
}

// The game's icon at the size Windows asks for (`width_metric`: SM_CXICON
// for the taskbar and Alt+Tab, SM_CXSMICON for the caption), scaled from
// the nearest picture of the file; Windows' own where the program has none
// (the tests' programs).
HICON GameIcon(HINSTANCE instance, int width_metric, int height_metric) {
  const int width = GetSystemMetrics(width_metric), height = GetSystemMetrics(height_metric);
  // Shared: Windows keeps the one copy and frees it with the program.
  HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON, width, height,
                           LR_DEFAULTCOLOR | LR_SHARED);
  return icon != nullptr ? static_cast<HICON>(icon) : LoadIconA(nullptr, IDI_WINLOGO);
}

// The window's outer rectangle for a client area of width x height at
// (left, top) in the overlapped style.
RECT WindowedRect(int left, int top, int width, int height) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, kWindowedStyle, FALSE, kWindowedExStyle);
  OffsetRect(&outer, left - outer.left, top - outer.top);
  return outer;
}

uint64_t NowNs() {
  LARGE_INTEGER counter{}, frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  const uint64_t ticks = uint64_t(counter.QuadPart), per_second = uint64_t(frequency.QuadPart);
  return ticks / per_second * 1'000'000'000ull + ticks % per_second * 1'000'000'000ull / per_second;
}

class Win32Platform final : public Platform {
 public:
  Win32Platform(bool paced, std::ostream* box_lines) : paced_(paced), box_lines_(box_lines) {
    // Sleep's default tick is 15.6 ms, too coarse for 1/60 s deadlines.
    if (paced_) timeBeginPeriod(1);
  }
  ~Win32Platform() override {
    if (paced_) timeEndPeriod(1);
  }

  BoxAnswer ShowBox(const Box& box) override {
    // Once the game is asked to end from the console, no box is shown.
    if (QuitSignal()) return Refusal(box);
    LogBox(box.caption, box.text);
    if (box_lines_ != nullptr) return RefuseAsLine(box, *box_lines_);
    HWND owner = box.owner == BoxOwner::kFocusWindow ? GetFocus() : nullptr;
    // The game's texts are UTF-8 (a demo's name may hold any letter): the
    // wide box shows them whatever the system's code page.
    const int answer = MessageBoxW(owner, WideFromUtf8(box.text).c_str(),
                                   WideFromUtf8(box.caption).c_str(), MessageBoxType(box));
    return AnswerOfMessageBox(answer, box.buttons);
  }

  bool Build(WindowStep step, const WindowRequest& request) override {
    switch (step) {
      case WindowStep::kOpenDisplay: return RegisterWindowClass();
      case WindowStep::kCreateWindow: return CreateTheWindow(request);
      case WindowStep::kGetDrawable: return GetDeviceContext();
      case WindowStep::kChoosePixelFormat: return ChooseFormat(request.bits);
      case WindowStep::kSetPixelFormat:
        return SetPixelFormat(device_context_, pixel_format_, &pixel_format_request_) != FALSE;
      case WindowStep::kCreateContext: return CreateRenderingContext();
      case WindowStep::kMakeCurrent: return MakeContextCurrent();
    }
    return false;
  }

  // The pixel format stays with the window; choosing and setting it leave
  // nothing of their own to release.
  bool Release(WindowStep step) override {
    switch (step) {
      case WindowStep::kOpenDisplay: return UnregisterClassA(kClassName, instance_) != 0;
      case WindowStep::kCreateWindow: return DestroyTheWindow();
      case WindowStep::kGetDrawable: return ReleaseDeviceContext();
      case WindowStep::kChoosePixelFormat:
      case WindowStep::kSetPixelFormat: return true;
      case WindowStep::kCreateContext: return DeleteRenderingContext();
      case WindowStep::kMakeCurrent: return wglMakeCurrent(nullptr, nullptr) != FALSE;
    }
    return false;
  }

  void ShowWindow() override {
    ::ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
  }

  bool HasCurrentContext() override { return wglGetCurrentContext() != nullptr; }

  bool EnterFullscreen(int width, int height, int bits) override {
    if (!ChangeDisplayMode(width, height, bits)) return false;
    ShowCursor(FALSE);
    return true;
  }

  void LeaveFullscreen() override {
    ChangeDisplaySettingsA(nullptr, 0);
    ShowCursor(TRUE);
  }

  // On: a popup over the whole monitor the window is on, at the monitor's
  // own resolution. Off: the overlapped window with the requested client
  // area again, where the window stood before. The style changes first, so
  // that the one move brings a WM_SIZE of the final client area.
  bool SetDesktopFullscreen(bool on) override {
    if (window_ == nullptr) return false;
    if (on == desktop_fullscreen_) return true;
    const size_t queued = messages_.events.size();
    const bool done = on ? CoverMonitor() : BackToWindow();
    if (!done) return false;
    desktop_fullscreen_ = on;
    // A window already that size gets no WM_SIZE; the shell hears of it all
    // the same.
    if (messages_.events.size() == queued) QueueClientSize();
    return true;
  }

  void CaptureMouse(bool on) override {
    capture_wanted_ = on;
    FollowCapture();
  }

  int QuitSignal() override { return ConsoleQuitSignal(); }

  void SwapBuffers() override {
    ::SwapBuffers(device_context_);
    if (paced_) WaitForFrameDeadline();
  }

 protected:
  // The window procedure only queues the game's events, and the loop hands
  // them to GameWindowProc: the one shared window logic runs on the loop's
  // side on every platform. Events that arrive inside a window operation
  // (creation, showing, a message box) are thus handled a moment later, once
  // the operation is over. Queued events come first; then the pads are read
  // (their events queued); then the thread's message queue is dispatched
  // until an event turns up or it is empty.
  void PumpEvents() override {
    if (messages_.events.empty()) gamepads_.Poll(messages_, GetTickCount64());
    MSG message;
    while (messages_.events.empty() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuit();
        break;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    for (const Event& event : messages_.events) Post(event);
    messages_.events.clear();
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    const bool taken = TakeWindowMessage(self->messages_, message, wparam, lparam);
    self->AfterMessage(message);
    return taken ? 0 : DefWindowProcA(window, message, wparam, lparam);
  }

  // The pointer is held only while the window has the keyboard focus: a
  // window that loses it (or goes) lets the pointer go at once, whatever the
  // shell asks next; one that gets it back holds it again if it was asked.
  void AfterMessage(UINT message) {
    switch (message) {
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        has_focus_ = message == WM_SETFOCUS;
        FollowCapture();
        break;
      case WM_ACTIVATE:
        FollowCapture();
        break;
      case WM_DESTROY:
        has_focus_ = false;
        FollowCapture();
        break;
      // The client area moved or changed its size: a new clip and centre.
      case WM_SIZE:
      case WM_MOVE:
        if (messages_.mouse.on) HoldPointer();
        break;
      case WM_MOUSEMOVE:
        if (messages_.mouse.moved) PointerToCentre();
        break;
      default:
        break;
    }
  }

  // Captured: the pointer hidden (ShowCursor counts, so the hiding of the
  // full-screen mode stays apart), held in the client area by ClipCursor and
  // put on its centre after every move. Windows has one clip rectangle for
  // the whole desktop, so it is let go the moment the capture ends.
  void FollowCapture() {
    const bool hold = capture_wanted_ && window_ != nullptr && has_focus_ && messages_.active;
    if (hold == messages_.mouse.on) return;
    messages_.mouse.on = hold;
    ShowCursor(hold ? FALSE : TRUE);
    if (hold) {
      HoldPointer();
    } else {
      ClipCursor(nullptr);
    }
  }

  void HoldPointer() {
    RECT client{};
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ClipCursor(&client);
    PointerToCentre();
  }

  // The centre of the client area, where the next move is measured from.
  void PointerToCentre() {
    RECT client{};
    GetClientRect(window_, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    messages_.mouse.centre_x = centre.x;
    messages_.mouse.centre_y = centre.y;
    messages_.mouse.moved = false;
    ClientToScreen(window_, &centre);
    SetCursorPos(centre.x, centre.y);
  }

  bool CoverMonitor() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
      return false;
    }
    RECT outer{};
    if (!GetWindowRect(window_, &outer)) return false;
    windowed_left_ = outer.left;
    windowed_top_ = outer.top;
    const RECT& screen = monitor.rcMonitor;
    return Restyle(kFullscreenStyle, kFullscreenExStyle, screen);
  }

  bool BackToWindow() {
    return Restyle(kWindowedStyle, kWindowedExStyle,
                   WindowedRect(windowed_left_, windowed_top_, windowed_width_, windowed_height_));
  }

  // The new style, then the new place and size in one move; SWP_FRAMECHANGED
  // has Windows take the new frame. The window stays shown.
  bool Restyle(DWORD style, DWORD ex_style, const RECT& outer) {
    SetWindowLongPtrA(window_, GWL_STYLE, LONG_PTR(style | WS_VISIBLE));
    SetWindowLongPtrA(window_, GWL_EXSTYLE, LONG_PTR(ex_style));
    return SetWindowPos(window_, HWND_TOP, outer.left, outer.top, outer.right - outer.left,
                        outer.bottom - outer.top,
                        SWP_FRAMECHANGED | SWP_NOOWNERZORDER | SWP_SHOWWINDOW) != FALSE;
  }

  void QueueClientSize() {
    RECT client{};
    GetClientRect(window_, &client);
    QueueEvent(messages_, Event{EventCode::kSize, 0, int(client.right), int(client.bottom)});
  }

  bool RegisterWindowClass() {
    instance_ = GetModuleHandleA(nullptr);
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    window_class.lpfnWndProc = &Win32Platform::WindowProc;
    window_class.hInstance = instance_;
    window_class.hIcon = GameIcon(instance_, SM_CXICON, SM_CYICON);
    window_class.hIconSm = GameIcon(instance_, SM_CXSMICON, SM_CYSMICON);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.lpszClassName = kClassName;
    return RegisterClassExA(&window_class) != 0;
  }

  // The window at (0, 0), hidden until ShowWindow.
  bool CreateTheWindow(const WindowRequest& request) {
    const DWORD ex_style = request.fullscreen ? kFullscreenExStyle : kWindowedExStyle;
    const DWORD style = request.fullscreen ? kFullscreenStyle : kWindowedStyle;
    RECT outer{0, 0, request.width, request.height};
    // The frame and caption are added around the requested size, so the
    // picture is not squeezed into a smaller client area.
    if (!request.fullscreen) AdjustWindowRectEx(&outer, style, FALSE, ex_style);
    // The creation data lets the window procedure find this object.
    window_ = CreateWindowExA(ex_style, kClassName, request.title.c_str(), style, 0, 0,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr,
                              nullptr, instance_, this);
    if (window_ == nullptr) return false;
    // The window's own icons too, for whoever asks the window and not its
    // class (the X window manager's _NET_WM_ICON under Wine).
    SendMessageA(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(GameIcon(instance_, SM_CXICON, SM_CYICON)));
    SendMessageA(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(GameIcon(instance_, SM_CXSMICON, SM_CYSMICON)));
    // Desktop full screen comes back to this client area.
    windowed_width_ = request.width;
    windowed_height_ = request.height;
    desktop_fullscreen_ = false;
    return true;
  }

  bool DestroyTheWindow() {
    const bool destroyed = DestroyWindow(window_) != 0;
    window_ = nullptr;
    return destroyed;
  }

  bool GetDeviceContext() {
    device_context_ = GetDC(window_);
    return device_context_ != nullptr;
  }

  bool ReleaseDeviceContext() {
    const bool released = ReleaseDC(window_, device_context_) != 0;
    device_context_ = nullptr;
    return released;
  }

  bool ChooseFormat(int color_bits) {
    pixel_format_request_ = PixelFormatRequest(color_bits);
    pixel_format_ = ChoosePixelFormat(device_context_, &pixel_format_request_);
    return pixel_format_ != 0;
  }

  bool CreateRenderingContext() {
    context_ = wglCreateContext(device_context_);
    return context_ != nullptr;
  }

  bool DeleteRenderingContext() {
    const bool deleted = wglDeleteContext(context_) != FALSE;
    context_ = nullptr;
    return deleted;
  }

  bool MakeContextCurrent() {
    if (!wglMakeCurrent(device_context_, context_)) return false;
    ChoosePacing();
    return true;
  }

  // Every speed is a step per frame, so no more than 60 frames per second:
  // vsync only where the display's refresh rate is a whole multiple of 60 Hz
  // and the driver offers wglSwapIntervalEXT; elsewhere the clock paces.
  void ChoosePacing() {
    using SwapInterval = BOOL(WINAPI*)(int);
    // Through void(*)(): GCC's way of saying that the type is known.
    const auto set_interval = reinterpret_cast<SwapInterval>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    // 0 and 1 stand for the hardware's default rate, which nobody tells.
    const int reported_hz = GetDeviceCaps(device_context_, VREFRESH);
    const int refresh_hz = reported_hz > 1 ? reported_hz : 0;
    const int interval = paced_ ? SwapIntervalFor(refresh_hz) : 0;
    bool vsync_set = false;
    if (set_interval != nullptr) {
      vsync_set = set_interval(interval) != FALSE && interval > 0;
      if (interval > 0 && !vsync_set) set_interval(0);
    }
    pacer_ = PacerForDisplay(refresh_hz, vsync_set);
  }

  void WaitForFrameDeadline() {
    const uint64_t wait_ns = NextFrameWait(pacer_, NowNs());
    // Whole milliseconds, rounded up: never shown before the deadline.
    if (wait_ns > 0) Sleep(static_cast<DWORD>((wait_ns + 999'999) / 1'000'000));
  }

  bool paced_;
  std::ostream* box_lines_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HDC device_context_ = nullptr;
  HGLRC context_ = nullptr;
  PIXELFORMATDESCRIPTOR pixel_format_request_{};
  int pixel_format_ = 0;
  bool desktop_fullscreen_ = false;
  bool capture_wanted_ = false;  // as the shell asked; held only with the focus
  bool has_focus_ = false;       // between WM_SETFOCUS and WM_KILLFOCUS
  // The overlapped window desktop full screen comes back to: its client
  // size, and the outer rectangle's top left corner when it was left.
  int windowed_width_ = 0, windowed_height_ = 0;
  int windowed_left_ = 0, windowed_top_ = 0;
  WindowMessages messages_;
  XInputLibrary xinput_;
  Win32Gamepads gamepads_{xinput_.xinput()};
  FramePacer pacer_;
};

}  // namespace

std::unique_ptr<Platform> MakeWin32Platform(bool paced, std::ostream* box_lines) {
  return std::make_unique<Win32Platform>(paced, box_lines);
}

}  // namespace vorbexia
