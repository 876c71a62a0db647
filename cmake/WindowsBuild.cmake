# Drives the MinGW-w64 i686 build of the Windows programs from the host build.
include(ExternalProject)

find_program(ZEL_MINGW_CXX i686-w64-mingw32-g++-posix)
option(ZEL_WITH_WINDOWS "Also build the Windows programs with MinGW-w64" ON)

set(ZEL_WIN_BUILD_DIR ${CMAKE_BINARY_DIR}/win)
set(ZEL_WIN_BIN_DIR ${ZEL_WIN_BUILD_DIR}/bin)

if(ZEL_WITH_WINDOWS AND ZEL_MINGW_CXX)
  ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${ZEL_WIN_BUILD_DIR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
      -DCMAKE_BUILD_TYPE=Release
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  set(ZEL_HAVE_WINDOWS_BUILD ON)
else()
  message(STATUS "MinGW-w64 i686 not found: Windows programs and Wine tests skipped")
  set(ZEL_HAVE_WINDOWS_BUILD OFF)
endif()

# Wine tests are registered here, after all subdirectories, because they need
# the Windows build's output folder.
if(ZEL_HAVE_WINDOWS_BUILD)
  add_subdirectory(tests/wine ${CMAKE_BINARY_DIR}/tests/wine-host)
endif()
