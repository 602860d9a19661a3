# Folder-driven targets: a source file dropped into a folder joins its target
# without editing any CMakeLists (CONFIGURE_DEPENDS re-globs on every build).

# velmora_library(NAME DIR [DEPS ...]): every .cpp under DIR (recursively) is
# one static library; a folder with no sources yet gives an interface library.
function(velmora_library name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# velmora_subdirs(OUT DIR): the immediate sub-folders of DIR.
function(velmora_subdirs out dir)
  file(GLOB children RELATIVE ${dir} ${dir}/*)
  set(result)
  foreach(child ${children})
    if(IS_DIRECTORY ${dir}/${child})
      list(APPEND result ${child})
    endif()
  endforeach()
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# velmora_form_with_skins(TARGET FORM OUT): a custom target TARGET that writes
# OUT, the stored form description FORM with both stored skins packed into it
# (a skin store and a skin data component starting with the yellow skin).
# The native skintool packs them: a Windows build cannot run its own tools.
function(velmora_form_with_skins target form out)
  set(resources ${PROJECT_SOURCE_DIR}/src/app/resources)
  get_filename_component(dir ${out} DIRECTORY)
  file(GLOB skin_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/skins/blue/*
       ${PROJECT_SOURCE_DIR}/skins/yellow/*)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${VELMORA_SKINTOOL} pack ${PROJECT_SOURCE_DIR}/skins/blue ${dir}/blue.skn
    COMMAND ${VELMORA_SKINTOOL} pack ${PROJECT_SOURCE_DIR}/skins/yellow ${dir}/yellow.skn
    COMMAND ${CMAKE_COMMAND} -DFORM=${form} -DTEMPLATE=${resources}/skin_components.dfm.in
            -DBLUE=${dir}/blue.skn -DYELLOW=${dir}/yellow.skn -DOUT=${out}
            -P ${resources}/embed_skins.cmake
    DEPENDS ${skin_sources} ${form} ${resources}/skin_components.dfm.in
            ${resources}/embed_skins.cmake
    COMMENT "Packing the stored skins into ${out}"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${out})
endfunction()

# velmora_resource_scripts(RC... [FORM file]): the resource compiler reports
# no dependencies, so a resource script is rebuilt only when it changes
# itself. Make each one depend on every file a script can pull in: the
# program's resources (manifest, icon, glyph pictures, included scripts) and,
# when given, the generated form description with the packed skins.
function(velmora_resource_scripts)
  cmake_parse_arguments(arg "" "FORM" "" ${ARGN})
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/resources/*.rc
       ${PROJECT_SOURCE_DIR}/src/app/resources/*.manifest ${PROJECT_SOURCE_DIR}/src/app/resources/*.ico
       ${PROJECT_SOURCE_DIR}/src/app/resources/*.bmp ${PROJECT_SOURCE_DIR}/src/app/resources/*.dfm)
  if(arg_FORM)
    list(APPEND inputs ${arg_FORM})
  endif()
  set_source_files_properties(${arg_UNPARSED_ARGUMENTS} PROPERTIES OBJECT_DEPENDS "${inputs}")
endfunction()
