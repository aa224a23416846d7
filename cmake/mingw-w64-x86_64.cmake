# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 and runs the
# resulting programs (tests, benchmark) under Wine:
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KMQ_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix thread model: std::thread and std::mutex work as on Linux.
set(CMAKE_C_COMPILER ${KMQ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KMQ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KMQ_MINGW_TRIPLET}-windres)

# Libraries, headers and CMake packages come from the MinGW tree and from
# the prefixes named in CMAKE_PREFIX_PATH (Qt built for Windows), never from
# the host's Linux ones; programs (tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KMQ_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, so each .exe runs on its own
# with no MinGW DLLs to find; Windows' own DLLs stay dynamic.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine stands in for Windows wherever CMake runs a built program: CTest and
# GoogleTest's test discovery. The prefix lives in the build folder, so a
# build never touches the user's own ~/.wine.
set(KMQ_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix that runs the built programs")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${KMQ_WINEPREFIX}")
