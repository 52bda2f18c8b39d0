# Fails when a file of one subsystem includes a subsystem it may not use, one
# above it or beside it: the layers point one way only.
#   cmake -DNAME=scene -DALLOWED=scene,rider,... -DSUBSYSTEMS=common,... -DFILES=a.cpp,b.h -DSTAMP=file -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
foreach(list ALLOWED SUBSYSTEMS FILES)
  string(REPLACE "," ";" ${list} "${${list}}")
endforeach()
foreach(file IN LISTS FILES)
  file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" layer "${line}")
    if(layer IN_LIST SUBSYSTEMS AND NOT layer IN_LIST ALLOWED)
      message(FATAL_ERROR "${file}: ${NAME} may not include ${layer}/ (it uses only ${ALLOWED})")
    endif()
  endforeach()
endforeach()
get_filename_component(folder ${STAMP} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(TOUCH ${STAMP})
