# The release package's build (scripts/package hands this file to cmake -C):
# the development build's optimisation for speed, less what only costs size.
# Every function and datum in a section of its own, so that the linker drops
# whatever nothing calls; symbols stripped. No tests, no benchmarks.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(CMAKE_C_FLAGS "-ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_CXX_FLAGS "-ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-Wl,--gc-sections -s" CACHE STRING "")
set(CMAKE_SHARED_LINKER_FLAGS "-Wl,--gc-sections -s" CACHE STRING "")
set(BUILD_TESTING OFF CACHE BOOL "")
