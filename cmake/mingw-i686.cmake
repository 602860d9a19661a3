# Cross toolchain: 32-bit Windows (the product) through mingw-w64, run under
# Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELMORA_MINGW_TRIPLET i686-w64-mingw32)
set(VELMORA_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
