# SPDX-License-Identifier: GPL-3.0-or-later
# The program's languages: translations/tilvane_xx.ts in the repository, built into
# bin/translations/*.qm beside the program and installed with its content. English has
# a file too, holding only the plural forms its source texts leave to the count.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TILVANE_LANGUAGES de fr es it pt_BR nl pl ru uk zh_CN zh_TW ja ko
    CACHE INTERNAL "The languages the program is translated into")
set(TILVANE_TS_DIR ${CMAKE_SOURCE_DIR}/translations)
set(ts_files)
foreach(language ${TILVANE_LANGUAGES} en)
  list(APPEND ts_files ${TILVANE_TS_DIR}/tilvane_${language}.ts)
endforeach()
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${TILVANE_BIN_DIR}/translations)
qt_add_lrelease(tilvane TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE TILVANE_QM_FILES
                OPTIONS -silent)
install(FILES ${TILVANE_QM_FILES} DESTINATION ${TILVANE_INSTALL_CONTENT}/translations)

# `cmake --build build --target tilvane_lupdate` brings every .ts in step with the
# sources: new texts come in unfinished, vanished ones go. The core marks its templates
# with TV_TRANSLATE_NOOP (it has no Qt), which lupdate is told to read.
set(TILVANE_LUPDATE_OPTIONS -silent -locations none -no-obsolete -extensions cpp,h
    -tr-function-alias QT_TRANSLATE_NOOP+=TV_TRANSLATE_NOOP,QT_TRANSLATE_N_NOOP+=TV_TRANSLATE_N_NOOP
    CACHE INTERNAL "lupdate's options for the program's sources")
set(translated_ts ${ts_files})
list(REMOVE_ITEM translated_ts ${TILVANE_TS_DIR}/tilvane_en.ts)
add_custom_target(tilvane_lupdate
  COMMAND Qt6::lupdate ${TILVANE_LUPDATE_OPTIONS} ${CMAKE_SOURCE_DIR}/src -ts ${translated_ts}
  COMMAND Qt6::lupdate ${TILVANE_LUPDATE_OPTIONS} -pluralonly ${CMAKE_SOURCE_DIR}/src
          -ts ${TILVANE_TS_DIR}/tilvane_en.ts
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Bringing the translations in step with the sources"
  VERBATIM)

if(TILVANE_TESTS)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(check_ts ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/lang/check_ts.py)
  # Fails, counting the complete languages, until every text of every language is there.
  add_test(NAME translations_complete COMMAND ${check_ts} complete ${TILVANE_TS_DIR})
  add_test(NAME translations_placeholders COMMAND ${check_ts} placeholders ${TILVANE_TS_DIR})
  add_test(NAME translations_in_step
           COMMAND ${check_ts} instep ${TILVANE_TS_DIR} ${CMAKE_SOURCE_DIR}/src
                   $<TARGET_FILE:Qt6::lupdate> ${TILVANE_LUPDATE_OPTIONS})
endif()
# The window tests start the program in each language: the .qm files first.
if(TARGET test_app)
  add_dependencies(test_app tilvane_lrelease)
endif()
