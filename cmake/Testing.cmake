# GoogleTest for both builds, and the registration of test executables.

function(yanxi_setup_googletest)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    add_library(yanxi_gtest_main ALIAS gtest_main)
    # Every .exe runs through Wine in the build folder's own prefix (tools/wine-run).
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_SOURCE_DIR}/tools/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix
        CACHE STRING "" FORCE)
  else()
    find_package(GTest REQUIRED)
    add_library(yanxi_gtest_main ALIAS GTest::gtest_main)
  endif()
endfunction()

# yanxi_test(NAME name SOURCES ... LIBRARIES ...)
# One executable, registered as one ctest test. Under Wine every process start costs seconds, so
# a Windows test executable holds a whole subsystem's cases rather than one test per case.
function(yanxi_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} yanxi_gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()
