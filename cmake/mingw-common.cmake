# What both Windows toolchains share; the including file sets
# VELMORA_MINGW_TRIPLET (the compiler prefix), CMAKE_SYSTEM_PROCESSOR and
# VELMORA_WINE_ARCH (the Wine prefix the programs run in). The posix threads
# model makes std::thread work; everything is linked statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs the test programs under Wine through the one launcher that
# knows each architecture's loader and prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec ${VELMORA_WINE_ARCH})
