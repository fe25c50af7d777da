# Shared part of the two MinGW-w64 toolchain files; VX_MINGW_TRIPLE names the target.
set(CMAKE_C_COMPILER ${VX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages: the MinGW root and the host's own prefixes (CMAKE_PREFIX_PATH), so that a host
# finds an unpacked SDK or an install folder by its prefix alone.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Only 64-bit programs can run on the build machines; ctest runs them through Wine, by a
# wrapper that starts once more a program whose start Wine lost.
if(VX_MINGW_TRIPLE STREQUAL "x86_64-w64-mingw32")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
endif()
