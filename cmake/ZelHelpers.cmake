# Helpers shared by both builds.

# zel_windows_test_program(<name> SOURCES ...  LIBS ...)
# A console program built only in the Windows build, linked with GoogleTest
# (built from Debian's sources with MinGW), written to the common bin folder.
function(zel_windows_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ZEL_WINDOWS_BUILD)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
endfunction()

# zel_wine_test(<name> <program.exe> [ARGS ...])
# Registered in the host build: runs a Windows program of the Windows build
# under Wine (tools/wine-run.sh prepares a fresh prefix and Xvfb if the caller
# has not) and labels it `wine`.
function(zel_wine_test name program)
  cmake_parse_arguments(ARG "" "TIMEOUT" "ARGS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine-run.sh ${ZEL_WIN_BIN_DIR}/${program} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "ZEL_WIN_BIN_DIR=${ZEL_WIN_BIN_DIR}")
endfunction()

# Adds every direct subfolder of the current source folder that has a
# CMakeLists.txt: test and benchmark areas register themselves this way.
macro(zel_add_area_folders)
  file(GLOB _zel_areas LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_zel_area ${_zel_areas})
    if(IS_DIRECTORY ${_zel_area} AND EXISTS ${_zel_area}/CMakeLists.txt)
      add_subdirectory(${_zel_area})
    endif()
  endforeach()
endmacro()
