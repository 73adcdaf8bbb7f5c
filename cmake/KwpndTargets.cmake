# kwpnd_folder_library(NAME DEPS...): a static library made of every source file
# of the calling folder. Folders list their files by glob so that adding a file
# never means editing a build script.
function(kwpnd_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name}
    PUBLIC "${PROJECT_SOURCE_DIR}/include" "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# kwpnd_test(NAME LIBS...): one GoogleTest executable of every *_test.cpp in
# the calling folder, run by CTest on Qt's off-screen platform.
function(kwpnd_test name)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp"
    "${PROJECT_SOURCE_DIR}/tests/support/test_support.cpp")
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
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
