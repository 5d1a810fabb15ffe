#include "shell/game_window.h"

namespace vorbexia {
namespace {

constexpr const char* kErrorCaption = "ERROR";
constexpr const char* kShutdownCaption = "SHUTDOWN ERROR";

void ShowStartupError(Platform& platform, const char* text,
                      unsigned type = MB_ICONEXCLAMATION) {
  platform.ShowMessageBox(BoxOwner::kNone, text, kErrorCaption, type);
}

void ShowShutdownError(Platform& platform, const char* text) {
  platform.ShowMessageBox(BoxOwner::kNone, text, kShutdownCaption,
                          MB_ICONINFORMATION);
}

// A failure after the window exists: tear down first, then tell the player.
bool FailAfterTeardown(GameWindow& window, GameState& state, const char* text) {
  DestroyGameWindow(window, state);
  ShowStartupError(window.platform, text);
  return false;
}

// Asks for the temporary full-screen mode. False only when it was refused
// and the player declined to play in a window.
bool EnterFullscreen(Platform& platform, GameState& state, int width,
                     int height, int bits) {
  if (platform.ChangeDisplayMode(width, height, bits)) {
    platform.ShowCursor(false);
    return true;
  }
  const int answer = platform.ShowMessageBox(
      BoxOwner::kNone,
      "Karta graficzna nie zadziala w pelnym ekranie.\nCzy uruchomic w oknie?",
      "OpenGL", MB_YESNO | MB_ICONEXCLAMATION);
  if (answer == IDYES) {
    state.fullscreen = false;
    return true;
  }
  ShowStartupError(platform, "Nastapi wyjscie z programu.", MB_ICONSTOP);
  return false;
}

// A Space, Esc or Tab let go before any frame saw it (pressed and released
// between two frames, common at low frame rates) stays set for the next
// frame, which fires or quits once: the game used to lose such a tap. A
// frame that sees either key clears Space or ends the game, so an entry
// still set at its key-up always belongs to an unseen press.
bool KeepsTap(const GameState& state, uint32_t key) {
  return (key == kKeySpace || key == kKeyEscape || key == kKeyTab) &&
         state.keys[key] != 0;
}

}  // namespace

bool CreateGameWindow(GameWindow& window, GameState& state,
                      const std::string& title, int width, int height,
                      int bits, bool fullscreen) {
  Platform& platform = window.platform;
  state.fullscreen = fullscreen;
  if (!platform.RegisterWindowClass()) {
    ShowStartupError(platform, "Blad rejastracji klasy okna!");
    return false;
  }
  if (state.fullscreen &&
      !EnterFullscreen(platform, state, width, height, bits)) {
    return false;
  }
  window.has_window =
      platform.CreateWindow(title, width, height, state.fullscreen);
  if (!window.has_window) {
    return FailAfterTeardown(window, state, "Blad tworzenia okna.");
  }
  window.has_device_context = platform.GetDeviceContext();
  if (!window.has_device_context) {
    return FailAfterTeardown(window, state, "Nie mozna utworzyc GDI.");
  }
  if (!platform.ChoosePixelFormat(bits)) {
    return FailAfterTeardown(window, state,
                             "Nie mozna odnalezc formatu piksli.");
  }
  if (!platform.SetPixelFormat()) {
    return FailAfterTeardown(window, state,
                             "Nie mozna ustawic formatu piksli.");
  }
  window.has_context = platform.CreateContext();
  if (!window.has_context) {
    return FailAfterTeardown(window, state, "Nie mozna podczepic OGL pod GDI.");
  }
  if (!platform.MakeContextCurrent()) {
    return FailAfterTeardown(window, state, "Nieudana aktywacja RC.");
  }
  platform.ShowWindow();
  // The requested size, whatever client area the window got; the next size
  // event brings the real one.
  ResizeViewport(window, width, height);
  if (!window.renderer.InitGL(state)) {
    return FailAfterTeardown(window, state, "Blad w procedurze InitGL.");
  }
  return true;
}

void DestroyGameWindow(GameWindow& window, GameState& state) {
  Platform& platform = window.platform;
  if (state.fullscreen) {
    platform.RestoreDisplayMode();
    platform.ShowCursor(true);
  }
  if (window.has_context) {
    if (!platform.DetachContext()) {
      ShowShutdownError(platform, "Nieudane zwolnienie DC i RC.");
    }
    if (!platform.DeleteContext()) {
      ShowShutdownError(platform, "Nieudane usuniecie RC.");
    }
    window.has_context = false;
  }
  if (window.has_device_context) {
    if (!platform.ReleaseDeviceContext()) {
      ShowShutdownError(platform, "Nieudane zwolnienie GDI.");
    }
    window.has_device_context = false;
  }
  if (window.has_window) {
    if (!platform.DestroyWindow()) {
      ShowShutdownError(platform, "Nie zwolniono handlera.");
    }
    window.has_window = false;
  }
  if (!platform.UnregisterWindowClass()) {
    ShowShutdownError(platform, "Nie odrejestrowano okna.");
  }
}

uint32_t GameWindowProc(GameWindow& window, GameState& state,
                        const Event& event) {
  switch (event.code) {
    case EventCode::kActivate:
      // Only the minimised state counts: a window that merely loses the
      // focus keeps drawing.
      state.window_active = HighWord(event.wparam) == 0;
      return 0;
    case EventCode::kSysCommand:
      // Screen saver and monitor power saving are refused; other system
      // commands are the platform's business.
      return 0;
    case EventCode::kClose:
      window.platform.PostQuit();
      return 0;
    case EventCode::kKeyDown:
      if (event.wparam < state.keys.size()) state.keys[event.wparam] = 1;
      return 0;
    case EventCode::kKeyUp:
      if (event.wparam < state.keys.size() && !KeepsTap(state, event.wparam)) {
        state.keys[event.wparam] = 0;
      }
      return 0;
    case EventCode::kSize:
      ResizeViewport(window, static_cast<int>(LowWord(event.lparam)),
                     static_cast<int>(HighWord(event.lparam)));
      return 0;
    case EventCode::kQuit:
    case EventCode::kOther:
      break;
  }
  return 0;
}

void ResizeViewport(GameWindow& window, int width, int height) {
  // Size events can arrive before the context is current or after the
  // teardown has detached it; with no context there is nothing to set.
  if (!window.platform.HasCurrentContext()) return;
  if (height == 0) height = 1;
  // The two pixel counts divided in single precision, handed on as a double.
  const float aspect = static_cast<float>(width) / static_cast<float>(height);
  window.renderer.SetViewport(width, height, aspect);
}

}  // namespace vorbexia
