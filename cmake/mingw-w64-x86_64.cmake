# Cross build for 64-bit Windows with Debian's mingw-w64 (POSIX thread model),
# its programs run under Wine: ctest starts every test program through
# CMAKE_CROSSCOMPILING_EMULATOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Headers and libraries come from the mingw-w64 tree only, never from the
# build machine's /usr/include or /usr/lib.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The .exe files stand alone: libgcc, libstdc++ and winpthread are linked in,
# so neither Wine nor a Windows machine needs the compiler's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A release .exe carries no symbols (half its size).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# CLI11 and nlohmann-json are header-only: the cross build takes Debian's
# headers through small package files of its own (cmake/cross/), which add
# those two folders and nothing else of /usr/include.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/cross)
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross)

# Wine runs the test programs without a display, in a prefix of the build
# folder, quietly. scripts/test.sh creates that prefix before the tests.
set(KELVARA_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix"
    CACHE PATH "Wine prefix in which the tests run")
set(CMAKE_CROSSCOMPILING_EMULATOR
    env -u DISPLAY WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    WINEPREFIX=${KELVARA_WINEPREFIX} wine)
