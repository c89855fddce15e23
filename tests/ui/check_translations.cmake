# Fails when a text of the window has no Brazilian Portuguese. lupdate extracts the texts of ui/
# into a copy of the committed .ts: a new or changed English text then shows up as unfinished,
# a removed one as a difference from the committed file.
#   cmake -DLUPDATE=... -DROOT=<source tree> -DWORK_DIR=<dir> -P check_translations.cmake
include(${ROOT}/text/texts.cmake)
set(TS ${ROOT}/${QAV_TRANSLATION_FILE})
list(TRANSFORM QAV_TEXT_HEADERS PREPEND ${ROOT}/)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/qav_pt_BR.ts)
configure_file(${TS} ${copy} COPYONLY)
# -I lets lupdate read the class declarations, which give the texts their context.
execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete
                        -tr-function-alias QT_TRANSLATE_NOOP3+=QAV_TRANSLATABLE
                        -I ${ROOT} ${ROOT}/ui ${QAV_TEXT_HEADERS} -ts ${copy}
                RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()

file(READ ${copy} text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\">" unfinished "${text}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation(/>|></translation>)" empty "${text}")
list(LENGTH unfinished unfinishedCount)
list(LENGTH empty emptyCount)
if(unfinishedCount OR emptyCount)
  message(FATAL_ERROR "${unfinishedCount} texts of ui/ have no Portuguese in ${TS} and ${emptyCount} have "
                      "an empty one (see ${copy}). Build the update_translations target, then translate "
                      "them in the .ts file.")
endif()
file(READ ${TS} committed)
if(NOT committed STREQUAL text)
  message(FATAL_ERROR "${TS} is not up to date with the texts of ui/ (see ${copy}): "
                      "build the update_translations target and commit the result.")
endif()
message(STATUS "Every text of the window has its Portuguese translation.")
