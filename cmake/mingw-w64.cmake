# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Executables link statically, so they need no DLL beyond Windows' own. Programs built
# here run on this machine through wine (tests, test discovery, generators run as
# custom commands), each build tree with a wine prefix of its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WNL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WNL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WNL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WNL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WNL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)

# The emulator is a script made for this build tree: it fixes the tree's wine prefix
# and hands over to cmake/wine-run.sh. (try_compile projects read this file too; they
# run nothing, so they get no script.)
get_property(wnl_in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
if(NOT wnl_in_try_compile)
  file(WRITE ${CMAKE_BINARY_DIR}/wine-run
    "#!/bin/sh\n"
    "WINEPREFIX='${CMAKE_BINARY_DIR}/wineprefix' exec '${CMAKE_CURRENT_LIST_DIR}/wine-run.sh' \"$@\"\n")
  file(CHMOD ${CMAKE_BINARY_DIR}/wine-run
    PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                WORLD_READ WORLD_EXECUTE)
endif()
