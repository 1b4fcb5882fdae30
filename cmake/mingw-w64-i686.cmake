# The product: 32-bit Windows, default (win32 thread model) compilers, so the
# runtime imports nothing that Windows XP lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Size: every function and datum in its own section, so that the linker can
# drop what nothing uses, and the program optimised as a whole at link time
# (-Os comes with the MinSizeRel build type).
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
# A self-contained program for Windows XP to 11: the C++ runtime linked in
# (-static), subsystem version 5.01 so that XP's loader accepts it, ASLR and
# DEP (--dynamicbase keeps the relocations ASLR needs), unused sections
# dropped and the symbols stripped.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-flto -static -Wl,--subsystem,windows:5.01 -Wl,--major-os-version,5 -Wl,--minor-os-version,1 -Wl,--dynamicbase -Wl,--nxcompat -Wl,--gc-sections -s")
