# Cross toolchain: 64-bit Windows through mingw-w64, run under Wine's 64-bit
# loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(VELMORA_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
