# The clang + AddressSanitizer + UndefinedBehaviorSanitizer build (FIEFDOM_SANITIZE): every
# target is built with the sanitizers and with libFuzzer's coverage, and the fuzz targets,
# the soak and their CTest entries are added (cmake/fuzz.cmake, at the end of the
# directory, once the libraries exist). Any fault the sanitizers see ends the program.
if(NOT FIEFDOM_SANITIZE)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "FIEFDOM_SANITIZE needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
endif()
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
                    -fsanitize=fuzzer-no-link)
add_link_options(-fsanitize=address,undefined)
find_program(LLD_PROGRAM ld.lld)
if(LLD_PROGRAM)
  add_link_options(-fuse-ld=lld)
endif()
cmake_language(DEFER CALL include ${CMAKE_SOURCE_DIR}/cmake/fuzz.cmake)
