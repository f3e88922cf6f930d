# Instrumented builds. ZVK_SANITIZE builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report; ZVK_FUZZ does the
# same and adds libFuzzer's coverage hooks (clang only).
if(ZVK_SANITIZE OR ZVK_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ZVK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZVK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
