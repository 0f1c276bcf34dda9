# Cross-compiles the toolkit-free half of the program (the date core, the
# version reader, morvane-verinfo.exe and their tests) for 64-bit Windows with
# Debian's mingw-w64 (g++-mingw-w64-x86-64-posix), and runs the tests through
# wine:
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
#   cmake --build build-windows
#   ctest --test-dir build-windows
#
# The windows need Qt, which this toolchain does not have: the root
# CMakeLists.txt refuses MORVANE_BUILD_UI here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix flavour: std::thread and friends as the tests' GoogleTest wants.
set(CMAKE_C_COMPILER ${MORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVANE_MINGW_TRIPLE}-windres)

# Libraries and headers come from the target's tree only; programs (wine,
# clang, lld-link for the test fixtures) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries are linked in, so that the executables start under
# wine (or on Windows) without mingw's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Every cross-built program that the build or CTest runs (the tests, and the
# resource extraction tool the test fixtures need) is started through wine,
# with a prefix of its own in the build folder and no display: no window
# opens, and the prompts to install wine's .NET and HTML engines are turned
# off. Without TZ the programs take the time zone from the system, as on
# Windows (the C runtime would read TZ in a format of its own). Debian
# installs the 64-bit loader outside PATH.
find_program(MORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED
             DOC "wine, which runs the cross-built programs")
set(MORVANE_WINE_ENV --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=TZ
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${MORVANE_WINE_ENV} ${MORVANE_WINE})
