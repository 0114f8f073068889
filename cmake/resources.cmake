# tarvolt_resources(<target> <file.rc>... [DEPENDS <files>...])
# Compiles resource scripts with windres. The Windows build links the COFF objects into the
# program; the Linux build embeds the binary .res bytes, where the simulated machine finds them
# as the module's resources (several scripts are joined into one image).
# Dependencies: headers the script includes (a depfile from the preprocessor), every icon,
# bitmap, cursor and manifest beside the script, and the files named by DEPENDS.
# The Windows builds take their toolchain's windres (COFF of their architecture); the .res format
# the Linux build embeds is the same from either.
if(WIN32)
  find_program(TARVOLT_WINDRES NAMES ${CMAKE_RC_COMPILER} REQUIRED)
else()
  find_program(TARVOLT_WINDRES NAMES i686-w64-mingw32-windres x86_64-w64-mingw32-windres REQUIRED)
endif()
set(TARVOLT_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_resources.cmake)

function(tarvolt_resources target)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  if(NOT ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tarvolt_resources(${target}): no resource script")
  endif()
  get_target_property(done ${target} TARVOLT_HAS_RESOURCES)
  if(done)
    message(FATAL_ERROR "tarvolt_resources(${target}): already called; pass all scripts in one call")
  endif()
  set_target_properties(${target} PROPERTIES TARVOLT_HAS_RESOURCES TRUE)

  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  file(MAKE_DIRECTORY ${out_dir})
  if(WIN32)
    set(format coff)
    set(suffix .o)
  else()
    set(format res)
    set(suffix .res)
  endif()

  set(outputs)
  foreach(rc IN LISTS ARG_UNPARSED_ARGUMENTS)
    get_filename_component(rc ${rc} ABSOLUTE)
    get_filename_component(rc_dir ${rc} DIRECTORY)
    get_filename_component(rc_name ${rc} NAME_WE)
    set(out ${out_dir}/${rc_name}${suffix})
    file(GLOB assets CONFIGURE_DEPENDS
         ${rc_dir}/*.ico ${rc_dir}/*.bmp ${rc_dir}/*.cur ${rc_dir}/*.manifest ${rc_dir}/*.png)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${TARVOLT_WINDRES} -I ${rc_dir} -J rc -O ${format}
              --preprocessor-arg=-MMD --preprocessor-arg=-MF --preprocessor-arg=${out}.d
              --preprocessor-arg=-MT --preprocessor-arg=${out}
              -o ${out} ${rc}
      MAIN_DEPENDENCY ${rc}
      DEPENDS ${assets} ${ARG_DEPENDS}
      DEPFILE ${out}.d
      WORKING_DIRECTORY ${rc_dir}
      COMMENT "Compiling resources ${rc_name}.rc for ${target}"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()

  if(WIN32)
    set_source_files_properties(${outputs} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
    target_sources(${target} PRIVATE ${outputs})
  else()
    set(embedded ${out_dir}/embedded_resources.cpp)
    add_custom_command(
      OUTPUT ${embedded}
      COMMAND ${CMAKE_COMMAND} -DOUTPUT=${embedded} "-DINPUTS=${outputs}" -P ${TARVOLT_EMBED_SCRIPT}
      DEPENDS ${outputs} ${TARVOLT_EMBED_SCRIPT}
      COMMENT "Embedding resources of ${target}"
      VERBATIM)
    target_sources(${target} PRIVATE ${embedded})
  endif()
endfunction()
