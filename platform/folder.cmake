# The GUI stand-in draws its fonts through fontconfig (released at exit) and loads bitmaps with
# stb_image from Debian's libstb-dev (header only, included as <stb/stb_image.h>).
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(splice_platform PUBLIC PkgConfig::FONTCONFIG)
# The printer writes its PDF files itself: the print fonts' files through FreeType, the page
# streams compressed with zlib (both come with cairo's development package).
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
target_link_libraries(splice_platform PUBLIC PkgConfig::FREETYPE PkgConfig::ZLIB)

# The program that draws our bitmap strips, and the build step that writes them into the example
# host folder (environment/exec/splice/bitmaps; files are rewritten only when they change, and
# replaced whole as the program replaces its files, with the runtime's safe files).
add_executable(draw_bitmaps ${CMAKE_SOURCE_DIR}/tools/bitmaps/draw_bitmaps.cpp
               ${CMAKE_SOURCE_DIR}/platform/runtime_safe.cpp ${CMAKE_SOURCE_DIR}/platform/runtime.cpp)
target_include_directories(draw_bitmaps PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(draw_bitmaps PRIVATE PkgConfig::CAIRO PkgConfig::FONTCONFIG)
# The tool runs with the leak check of the sanitizer build on: it releases cairo's and
# fontconfig's caches at its end, so a leak of its own would stop the build.
add_custom_target(bitmaps ALL
  COMMAND $<TARGET_FILE:draw_bitmaps> ${CMAKE_SOURCE_DIR}/environment
  DEPENDS draw_bitmaps
  COMMENT "Drawing the bitmap strips of the example host folder")
# The window watches its connection to the X server (Xlib's I/O error handler); libX11 comes with
# SDL's development package.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
target_link_libraries(splice_platform PUBLIC PkgConfig::X11)
