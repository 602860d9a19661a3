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
