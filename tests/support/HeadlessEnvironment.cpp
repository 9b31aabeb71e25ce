// Tests run without a screen or a sound card: SDL's offscreen video driver with
// the OpenGL renderer, and the silent audio driver. Set before any test runs;
// a value already in the environment wins, so a person can override it.
#include <cstdlib>

namespace {
struct THeadlessEnvironment {
    THeadlessEnvironment() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_RENDER_DRIVER", "opengl", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
};
const THeadlessEnvironment Environment;
}  // namespace
