# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads variant, which
# has std::thread and friends). Builds the core, the command-line tool and their tests as
# Windows executables; CTest runs them under Wine through the emulator below.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows programs run here under Wine, each in the build folder's own Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine_run.sh")

# The editor's static Qt and libjpeg for Windows, built by scripts/build_windows_qt.sh into a
# prefix outside the clone. Qt's tools (moc, rcc, uic) are the build machine's own.
set(BEDITOR_WINDOWS_PREFIX "" CACHE PATH "Static Qt and libjpeg for Windows (scripts/build_windows_qt.sh)")
if(BEDITOR_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${BEDITOR_WINDOWS_PREFIX}")
  list(APPEND CMAKE_PREFIX_PATH "${BEDITOR_WINDOWS_PREFIX}")
  set(QT_HOST_PATH "/usr" CACHE PATH "The build machine's Qt, whose tools the cross build runs")
  set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/x86_64-linux-gnu/cmake" CACHE PATH "")
endif()
# The roster's workbook libraries (zlib, minizip, expat, libxlsxwriter), static, built by
# scripts/build_windows_libraries.sh into a prefix of their own.
set(BEDITOR_WINDOWS_LIBRARIES "" CACHE PATH "Static workbook libraries for Windows (scripts/build_windows_libraries.sh)")
if(BEDITOR_WINDOWS_LIBRARIES)
  list(APPEND CMAKE_FIND_ROOT_PATH "${BEDITOR_WINDOWS_LIBRARIES}")
  list(APPEND CMAKE_PREFIX_PATH "${BEDITOR_WINDOWS_LIBRARIES}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BEDITOR_WINDOWS_PREFIX BEDITOR_WINDOWS_LIBRARIES)
