# The day-file reader's fuzzer (this folder's own project) built for the host
# beside the cross build, and run for a minute as the test day_records_fuzz.
include(ExternalProject)

find_program(HOST_CLANGXX NAMES clang++ REQUIRED
             DOC "the host's clang, for the day-file reader's fuzzer (scripts/setup installs it)")
set(fuzz_build ${CMAKE_CURRENT_BINARY_DIR}/fuzz)
ExternalProject_Add(day_records_fuzzer
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${HOST_CLANGXX} -DCMAKE_BUILD_TYPE=
  INSTALL_COMMAND ""
  # The sources live outside the sub-build's sight of changes: ask it each time.
  BUILD_ALWAYS ON)

add_test(NAME day_records_fuzz
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/run ${fuzz_build}/day_records_fuzzer
                 ${fuzz_build}/run 60)
set_tests_properties(day_records_fuzz PROPERTIES LABELS fuzz TIMEOUT 300)
