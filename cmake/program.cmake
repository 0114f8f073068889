# tarvolt_program(<target> <windows file name without .exe> <sources...>)
# One definition of a program for both builds: on Windows it links the real system libraries
# named by LIBS, on Linux it links the simulated machine instead and carries its Windows name.
function(tarvolt_program target winname)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;WINLIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${winname} SUFFIX ".exe"
                        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  if(WIN32)
    target_link_libraries(${target} PRIVATE ${ARG_WINLIBS})
  else()
    target_link_libraries(${target} PRIVATE winsim_platform)
  endif()
endfunction()
