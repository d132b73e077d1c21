# The GUI stand-in draws its fonts through fontconfig (released at exit) and loads bitmaps with
# stb_image from Debian's libstb-dev (header only, included as <stb/stb_image.h>).
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(splice_platform PUBLIC PkgConfig::FONTCONFIG)
