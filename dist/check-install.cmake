# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DSTAGE=... -DEXPECTED=a,b,... [-DAPPSTREAMCLI=...] -P check-install.cmake
# Installs BUILD_DIR with the prefix STAGE/usr and fails unless exactly the
# EXPECTED files (relative to the prefix) arrive; then lets appstreamcli check
# the tree as a software centre would see it.
set(PREFIX ${STAGE}/usr)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}): ${err}")
endif()

string(REPLACE "," ";" expected "${EXPECTED}")
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT expected)
list(SORT found)
set(missing ${expected})
list(REMOVE_ITEM missing ${found})
set(extra ${found})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
  message(FATAL_ERROR "installed files differ\n  missing: ${missing}\n  not expected: ${extra}")
endif()
foreach(f ${found})
  file(SIZE ${PREFIX}/${f} size)
  if(size EQUAL 0)
    message(FATAL_ERROR "${f} is empty")
  endif()
endforeach()
file(READ ${PREFIX}/bin/kolomaf magic LIMIT 4 HEX)
execute_process(COMMAND test -x ${PREFIX}/bin/kolomaf RESULT_VARIABLE rc)
if(NOT magic STREQUAL "7f454c46" OR NOT rc EQUAL 0)
  message(FATAL_ERROR "bin/kolomaf is not an executable program")
endif()
list(LENGTH found count)
message(STATUS "${PREFIX}: the ${count} expected files")

if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --pedantic ${STAGE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${out}")
  if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EWIP]: ")
    message(FATAL_ERROR "appstreamcli validate-tree found problems")
  endif()
else()
  message(STATUS "appstreamcli is not installed: tree not validated")
endif()
file(REMOVE_RECURSE ${STAGE})
