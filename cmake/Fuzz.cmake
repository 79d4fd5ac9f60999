# libFuzzer targets need clang. With another compiler they are skipped; a ThreadSanitizer build
# turns them off, as TSan cannot join their AddressSanitizer.
option(ORYN7PX_FUZZ "Build the libFuzzer targets and their short runs" ON)
if(ORYN7PX_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(ORYN7PX_FUZZ OFF)
  message(STATUS "Fuzz targets skipped: they need clang (scripts/test uses clang++-14)")
endif()

# Adds a libFuzzer target over the core sources compiled with coverage and sanitizers,
# and a short fixed-seed run of it to the test suite.
# Sources after the first are further files of the target (outside the core) it needs.
function(oryn7px_add_fuzzer name source)
  if(NOT ORYN7PX_FUZZ)
    return()
  endif()
  add_executable(${name} ${source} ${ARGN})
  target_link_libraries(${name} PRIVATE oryn7px_core_fuzz)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  # libFuzzer adds what it finds to the first corpus folder: keep that one in the build tree.
  set(found ${CMAKE_BINARY_DIR}/fuzz/corpus-${name})
  file(MAKE_DIRECTORY ${found})
  set(args -seed=1 -runs=4000 -max_len=65536 ${found})
  if(EXISTS ${corpus})
    list(APPEND args ${corpus})
  endif()
  add_test(NAME fuzz.${name} COMMAND ${name} ${args})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz)
endfunction()
