# Shared build helpers: warnings as errors on our own targets only.
function(zvk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One static, position-independent library per subsystem folder.
function(zvk_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  zvk_warnings(${name})
endfunction()

# One test executable per source file: zvk_test(tests/log/add_qso_test.cc LIBS zvk_log).
function(zvk_test source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zvk_test_support GTest::gtest_main)
  zvk_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  set_property(GLOBAL APPEND PROPERTY ZVK_TEST_PROGRAMS ${name})
endfunction()
