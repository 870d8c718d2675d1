# Cross build for 64-bit Windows with Debian's mingw-w64 compilers, tests run under Wine.
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
#         -DMERIVOX_GUI=OFF -DMERIVOX_BENCH=OFF
#
# scripts/test-windows does this, prepares the Wine prefix and runs ctest.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MERIVOX_MINGW_TRIPLE x86_64-w64-mingw32)

# The "-posix" compilers use the winpthreads thread model; the default "-win32" ones have no
# std::thread, std::mutex or std::condition_variable, which the serial core needs.
find_program(CMAKE_C_COMPILER NAMES ${MERIVOX_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${MERIVOX_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${MERIVOX_MINGW_TRIPLE}-windres windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MERIVOX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static programs (libgcc, libstdc++, winpthread): each .exe runs on its own, under Wine
# or copied to a Windows machine, without looking for the compiler's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs every test program through scripts/wine-run, which uses a private Wine prefix in the
# build folder (never the user's ~/.wine) whose COM ports all lead to pseudo-terminals.
if(NOT DEFINED MERIVOX_WINE_DIR)
  set(MERIVOX_WINE_DIR "${CMAKE_BINARY_DIR}/wine" CACHE PATH
      "Private Wine folder of this build: prefix, COM port links, logs")
endif()
get_filename_component(_merivox_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_merivox_root}/scripts/wine-run;${MERIVOX_WINE_DIR};--tests")
