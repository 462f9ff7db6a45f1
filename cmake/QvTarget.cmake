# Helpers shared by the layers: one static library per layer from the sources of its folders.

function(qv_apply_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

function(qv_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    # Sub-folders belong to their layer's folder: a file is never left out for where it sits.
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  list(LENGTH sources count)
  if(count EQUAL 0)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  qv_apply_warnings(${name})
  if(QV_PCH)
    target_precompile_headers(${name} PRIVATE <QtWidgets> <QtGui> <QtCore>)
  endif()
endfunction()

# Every file below `folder` becomes a compiled-in resource, addressed as ":/<path below folder>".
# EXCLUDE names sub-folders another layer compiles in itself.
function(qv_resources target name folder)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*)
  list(FILTER files EXCLUDE REGEX "(^|/)\\.")
  foreach(sub IN LISTS ARG_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "^${folder}/${sub}/")
  endforeach()
  if(files)
    # Kept uncompressed: every start reads the designs, texts and pictures, and unpacking them cost more
    # time than the few hundred kilobytes it saves.
    qt_add_resources(${target} ${name} PREFIX "/" BASE ${folder}
      OPTIONS -no-compress
      FILES ${files})
  endif()
endfunction()
