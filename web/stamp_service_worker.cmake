# Writes DIR/sw.js from TEMPLATE: @HASH@ becomes the first 16 hex digits of the SHA-256 of the
# files FILES (comma-separated names in DIR, in that order) one after the other, and /*@FILES@*/
# the list './', 'name', ... that the worker caches. WORK holds the joined files meanwhile.
#
#   cmake -DDIR=... -DFILES=a,b -DTEMPLATE=.../sw.js -DWORK=... -P stamp_service_worker.cmake
cmake_minimum_required(VERSION 3.25)  # no @VAR@ references in the template's text
string(REPLACE "," ";" files "${FILES}")
set(paths)
set(list "'./'")
foreach(name ${files})
  list(APPEND paths ${DIR}/${name})
  string(APPEND list ", '${name}'")
endforeach()
set(joined ${WORK}/sw-content)
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${paths} OUTPUT_FILE ${joined} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Cannot read the page's files in ${DIR} for the service worker's cache name")
endif()
file(SHA256 ${joined} hash)
file(REMOVE ${joined})
string(SUBSTRING "${hash}" 0 16 hash)
file(READ ${TEMPLATE} worker)
string(REPLACE "@HASH@" "${hash}" worker "${worker}")
string(REPLACE "/*@FILES@*/" "${list}" worker "${worker}")
# Written beside and renamed, so that an interrupted build leaves no half-written worker.
file(WRITE ${DIR}/sw.js.part "${worker}")
file(RENAME ${DIR}/sw.js.part ${DIR}/sw.js)
