# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers. The "posix" variants
# are the ones whose C++ library has std::thread and std::mutex, which the toolkit needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSSARION_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OSSARION_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSSARION_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OSSARION_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the Windows side only; programs run here.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${OSSARION_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program carries the C++ runtime inside, as the toolkit does: nothing to install beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
