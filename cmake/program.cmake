# tarvolt_program(<target> <windows file name without .exe> <sources...>)
# One definition of a program for both builds: on Windows it links the real system libraries
# named by LIBS, on Linux it links the simulated machine instead and carries its Windows name.
# ENTRY wWinMain or wmain names a wide entry point: the Windows build takes it from the C runtime
# (wWinMain makes a GUI program), the Linux build compiles the platform's start for it.
function(tarvolt_program target winname)
  cmake_parse_arguments(ARG "" "ENTRY" "SOURCES;LIBS;WINLIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${winname} SUFFIX ".exe"
                        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  if(WIN32)
    target_link_libraries(${target} PRIVATE ${ARG_WINLIBS})
  else()
    target_link_libraries(${target} PRIVATE platform)
  endif()
  if(ARG_ENTRY)
    if(WIN32)
      target_link_options(${target} PRIVATE -municode)
      if(ARG_ENTRY STREQUAL "wWinMain")
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE TRUE)
      endif()
    else()
      string(TOLOWER ${ARG_ENTRY} entry)
      target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/entry/${entry}_entry.cpp)
    endif()
  endif()
endfunction()
