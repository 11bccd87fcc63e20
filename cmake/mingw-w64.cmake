# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread):
#   cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#     -DZAHLIX_GUI=OFF -DZAHLIX_BENCH=OFF
# The programs are linked statically, so a single .exe runs on any Windows without the
# compiler's DLLs. Where Wine is installed, tests and build steps run the .exe files with it,
# in a Wine prefix of their own inside the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZAHLIX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAHLIX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAHLIX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAHLIX_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZAHLIX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(ZAHLIX_WINE wine)
if(ZAHLIX_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_CURRENT_LIST_DIR}/wine-lauf.sh ${CMAKE_BINARY_DIR}/wine)
endif()
