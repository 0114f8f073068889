# platform_area(<area> [AREAS <areas it stands on>...] [LIBS <host libraries>...])
# One area of the simulated machine: platform/<area>/*.cpp as the static library platform_<area>.
#
# Areas are linked whole: each registers what it adds to the machine (its tables, its built-in
# DLLs, its hooks into the areas below) from static objects, which a program must carry even
# though it calls nothing in them. Two checks keep the layers:
# - an internal header of an area the area does not stand on may not be included
#   (platform_<area>_include_check, at every build);
# - platform_<area>_layer_check links the area alone, with only the areas it stands on, so that a
#   call into an area above it is an undefined reference.
function(platform_area area)
  cmake_parse_arguments(ARG "" "" "AREAS;LIBS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/platform)
  set(target platform_${area})

  # machine/ holds the machine's own interfaces, which the areas implement.
  set(allowed ${area} machine)
  foreach(below IN LISTS ARG_AREAS)
    if(NOT TARGET platform_${below})
      message(FATAL_ERROR "platform area ${area} stands on ${below}, which is not defined before it")
    endif()
    get_property(closure GLOBAL PROPERTY PLATFORM_AREA_CLOSURE_${below})
    list(APPEND allowed ${below} ${closure})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY PLATFORM_AREA_CLOSURE_${area} ${allowed})

  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/${area}/*.cpp)
  # A target of its own, out of date at every build, so that the check sees the files as they are.
  add_custom_target(${target}_include_check ALL
    COMMAND ${CMAKE_COMMAND} -DAREA=${area} "-DALLOWED=${allowed}" -DDIR=${dir}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_area_includes.cmake
    VERBATIM)

  add_library(${target} STATIC ${sources})
  add_dependencies(${target} ${target}_include_check)
  target_include_directories(${target} PUBLIC ${dir}/include PRIVATE ${dir})
  foreach(below IN LISTS ARG_AREAS)
    target_link_libraries(${target} PUBLIC "$<LINK_LIBRARY:WHOLE_ARCHIVE,platform_${below}>")
  endforeach()
  if(ARG_LIBS)
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  endif()

  set(check_source ${PROJECT_BINARY_DIR}/layer_check/main.cpp)
  if(NOT EXISTS ${check_source})
    file(WRITE ${check_source} "int main() { return 0; }\n")
  endif()
  add_executable(${target}_layer_check ${check_source})
  target_link_libraries(${target}_layer_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  set_target_properties(${target}_layer_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/layer_check)

  set(PLATFORM_AREA_LINKS ${PLATFORM_AREA_LINKS} "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>" PARENT_SCOPE)
endfunction()
