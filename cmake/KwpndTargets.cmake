# kwpnd_folder_library(NAME DEPS...): a static library made of every source file
# of the calling folder. Folders list their files by glob so that adding a file
# never means editing a build script.
#
# A folder's headers are its own: its files include one another by bare name
# (its folder is a PRIVATE include directory). Other folders see one header
# of it, its facade <folder>_api.h, and nothing else: the PUBLIC include
# directory is a generated directory holding a one-line header that includes
# the facade by its absolute path. Quote includes inside the facade resolve
# beside it, in the folder, so the facade can pull in the siblings it shares
# while a file of another folder cannot name them.
function(kwpnd_folder_library name)
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(facade "${CMAKE_CURRENT_SOURCE_DIR}/${folder}_api.h")
  if(NOT EXISTS "${facade}")
    message(FATAL_ERROR "src/${folder} has no facade ${folder}_api.h")
  endif()
  set(facade_dir "${PROJECT_BINARY_DIR}/facades/${folder}")
  file(CONFIGURE OUTPUT "${facade_dir}/${folder}_api.h"
    CONTENT "#pragma once\n#include \"@facade@\"\n" @ONLY)

  file(GLOB sources CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name}
    PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}"
    PUBLIC "${PROJECT_SOURCE_DIR}/include" "${facade_dir}")
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# kwpnd_see_private(TARGET FOLDERS...): lets a test, benchmark or fuzz program
# include the private headers of the named src/ folders by bare name (they
# are white-box programs of those folders).
function(kwpnd_see_private target)
  foreach(folder IN LISTS ARGN)
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}/src/${folder}")
  endforeach()
endfunction()

# kwpnd_test(NAME LIBS...): one GoogleTest executable of every *_test.cpp in
# the calling folder, run by CTest on Qt's off-screen platform. It sees the
# private headers of the src/ folder of the same name.
function(kwpnd_test name)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp"
    "${PROJECT_SOURCE_DIR}/tests/support/test_support.cpp")
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  kwpnd_see_private(${name} ${folder})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock Qt6::Test)
  target_compile_definitions(${name} PRIVATE
    KWPND_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    KWPND_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KWPND_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC"
    TIMEOUT 300)
endfunction()
