// GLU quadrics for the models. They are made once and never deleted: like
// the display lists they end with the process.
#pragma once

struct GLUquadric;

namespace vorbexia {

// A new quadric with the GLU defaults, or empty when GLU has no memory for
// it. It is also kept on a list of the game's quadrics that lives until the
// process ends, so that an object that is never deleted is never unowned
// either (leak checkers see it as reachable).
GLUquadric* NewKeptQuadric();

}  // namespace vorbexia
