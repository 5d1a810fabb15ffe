#include "controls/mouse_turn.h"

#include <algorithm>

namespace vorbexia {

void AddMouseMotion(MouseTurn& turn, int dx) {
  turn.owed = std::clamp(turn.owed + dx * turn.sensitivity, -kMaxTurnBacklog, kMaxTurnBacklog);
}

void TakeTurnStep(MouseTurn& turn, FrameKeys& keys) {
  if (turn.owed >= static_cast<double>(kPlayerTurn)) {
    keys.right = true;
    turn.owed -= static_cast<double>(kPlayerTurn);
  } else if (turn.owed <= -static_cast<double>(kPlayerTurn)) {
    keys.left = true;
    turn.owed += static_cast<double>(kPlayerTurn);
  }
}

}  // namespace vorbexia
