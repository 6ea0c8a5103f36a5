# Builds the fuzz targets with clang beside the main build, and runs each for a
# short, bounded time as a test of the main build.
find_program(CLANGXX clang++)
if(NOT CLANGXX)
  message(WARNING "clang++ not found: the fuzz targets are not built or run")
  return()
endif()

set(VIREO_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs in the test suite")
set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz-build)

include(ExternalProject)
ExternalProject_Add(fuzz_build
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${fuzz_dir}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DVIREO_FUZZ=ON -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${fuzz_dir} -j2
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

include(${PROJECT_SOURCE_DIR}/fuzz/targets.cmake)
foreach(name IN LISTS VIREO_FUZZ_TARGETS)
  set(corpus ${fuzz_dir}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME fuzz.${name}
    COMMAND ${fuzz_dir}/fuzz/${name} -max_total_time=${VIREO_FUZZ_SECONDS} -timeout=10
            -rss_limit_mb=2048 -print_final_stats=1 ${corpus})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
endforeach()
