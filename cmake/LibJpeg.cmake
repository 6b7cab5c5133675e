# libjpeg-turbo for the target. In a cross build it is built from Debian's
# source package into the build folder (once; later configures reuse it), or
# into the folder LIBJPEG_ROOT names, so that another build of the same
# sources can share it. On Windows itself the toolchain's own package is
# found the usual way.
if(CMAKE_CROSSCOMPILING)
  set(LIBJPEG_ROOT ${CMAKE_BINARY_DIR}/third_party/libjpeg CACHE PATH
      "libjpeg-turbo built for the target (built there when missing)")
  # Only the script knows whether its build there is complete; when it is,
  # the script returns at once.
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-libjpeg ${LIBJPEG_ROOT}
                  RESULT_VARIABLE libjpeg_result)
  if(NOT libjpeg_result EQUAL 0)
    message(FATAL_ERROR "Could not build libjpeg-turbo (scripts/build-libjpeg)")
  endif()
  add_library(libjpeg STATIC IMPORTED GLOBAL)
  set_target_properties(libjpeg PROPERTIES
    IMPORTED_LOCATION ${LIBJPEG_ROOT}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${LIBJPEG_ROOT}/include)
else()
  find_package(JPEG REQUIRED)
  add_library(libjpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(libjpeg INTERFACE JPEG::JPEG)
endif()
