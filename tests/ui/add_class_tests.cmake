# Read by ctest through the generated ui_class_tests.cmake, which sets UI_TESTS (the program),
# UI_TESTS_DIR (its folder) and UI_CMAKE (cmake): one entry ui.<Class> for each class that the
# program lists, running that class alone on the offscreen platform. A program that is missing
# or cannot list its classes gives one failing entry instead, so the tests never silently vanish.
if(NOT EXISTS "${UI_TESTS}")
  add_test(ui.NOT_BUILT "${UI_CMAKE}" -E false)
  return()
endif()
execute_process(COMMAND "${UI_TESTS}" --list-classes OUTPUT_VARIABLE listed RESULT_VARIABLE status)
string(REGEX MATCHALL "[^\n]+" classes "${listed}")
if(NOT status EQUAL 0 OR NOT classes)
  message(WARNING "${UI_TESTS} --list-classes failed (${status}) or listed no class")
  add_test(ui.LIST_FAILED "${UI_CMAKE}" -E false)
  return()
endif()
foreach(class ${classes})
  add_test(ui.${class} "${UI_TESTS}" --class ${class})
  set_tests_properties(ui.${class} PROPERTIES
    WORKING_DIRECTORY "${UI_TESTS_DIR}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endforeach()
