# Third-party libraries, all from Debian's packages.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)
# The desktop's window system: whether a window manager takes full-screen requests.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
find_package(JPEG REQUIRED)
find_package(Threads REQUIRED)
find_package(GTest REQUIRED)
