# cmake -DAREA=<area> -DALLOWED=<areas> -DDIR=<platform folder> -P check_area_includes.cmake
# Fails when a file of platform/<area> includes an internal header of a platform folder outside
# ALLOWED (the area itself and the areas it stands on).
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE files ${DIR}/${AREA}/*.cpp ${DIR}/${AREA}/*.h)
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${DIR} ${DIR}/*)
set(failed FALSE)
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" prefix "${line}")
    if(prefix IN_LIST folders AND NOT prefix IN_LIST ALLOWED)
      file(RELATIVE_PATH shown ${DIR} ${file})
      message(SEND_ERROR "platform/${shown} includes ${prefix}/, an area ${AREA} does not stand on")
      set(failed TRUE)
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "the platform's layers are broken")
endif()
