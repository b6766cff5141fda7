# SPDX-License-Identifier: GPL-3.0-or-later
# Installing as a Linux desktop program, and the Debian package built from it.
# Installed, the program finds its content at a fixed place relative to itself, so
# any prefix (and DESTDIR) works.
include(GNUInstallDirs)

set(TILVANE_APP_ID org.tilvane.tilvane)
# A game goes where the distribution's other games are.
set(TILVANE_INSTALL_BINDIR games CACHE STRING "The program's folder under the prefix")
set(TILVANE_INSTALL_CONTENT ${CMAKE_INSTALL_DATADIR}/tilvane)
file(RELATIVE_PATH content_from_bin /prefix/${TILVANE_INSTALL_BINDIR} /prefix/${TILVANE_INSTALL_CONTENT})
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/user_folders.cpp PROPERTIES
  COMPILE_DEFINITIONS TILVANE_CONTENT_FROM_BIN="${content_from_bin}")

install(TARGETS tilvane RUNTIME DESTINATION ${TILVANE_INSTALL_BINDIR})
foreach(folder layouts tiles bkg music help)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/data/${folder})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/${folder} DESTINATION ${TILVANE_INSTALL_CONTENT})
  endif()
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/sounds/ DESTINATION ${TILVANE_INSTALL_CONTENT}/sounds
        FILES_MATCHING PATTERN "*.wav")

set(desktop_dir ${CMAKE_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop_dir}/${TILVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${TILVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/${TILVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256 512)
  install(FILES ${desktop_dir}/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TILVANE_APP_ID}.png)
endforeach()

# The manual page, the copyright and the changelog, compressed as Debian wants them:
# at the highest level and without a time stamp, so every build gives the same bytes.
set(package_dir ${CMAKE_SOURCE_DIR}/resources/package)
set(package_out ${CMAKE_BINARY_DIR}/package)
configure_file(${package_dir}/tilvane.6.in ${package_out}/tilvane.6 @ONLY)
configure_file(${package_dir}/changelog ${package_out}/changelog COPYONLY)
foreach(file tilvane.6 changelog)
  execute_process(COMMAND gzip -9nf ${package_out}/${file} RESULT_VARIABLE gzip_failed)
  if(gzip_failed)
    message(FATAL_ERROR "gzip could not compress ${package_out}/${file}")
  endif()
endforeach()
install(FILES ${package_out}/tilvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${package_dir}/copyright ${package_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tilvane)

# `cpack -G DEB` in the build folder: tilvane_<version>_<arch>.deb. The library
# dependencies come from dpkg-shlibdeps; the sound libraries, soundfont, font and
# platform plugins are loaded at run time, so no linker sees them.
# Packaging needs the program only, not every test and tool of the build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_PACKAGE_NAME tilvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tilvane developers <dev@tilvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mahjong solitaire with winnable deals and a layout editor")
# Lines as Debian wants them: under 80 characters, paragraphs apart.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "The 144 tiles of a Mahjong set are stacked in the shape of a layout; remove"
  "free tiles in matching pairs until the field is empty. Every deal can be won,"
  "and the way to win it can be replayed step by step."
  ""
  "Around the game come a layout editor, a catalogue of layouts with favourites,"
  "recent layouts and records for each, several tilesets in many tile sizes,"
  "background pictures or a plain colour, music and sound effects. Players may"
  "add background pictures, tilesets and songs of their own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-mixer-2.0-0, libfluidsynth3, libsqlite3-0, timgm6mb-soundfont, fonts-liberation2, qt6-qpa-plugins")
# The toolkit's own translations name the standard buttons; a CJK font shows the Chinese,
# Japanese and Korean translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
include(CPack)

# The checks of the installed tree and of the package run the real program; a
# sanitizer build is never installed.
if(NOT TILVANE_SANITIZE)
  add_test(NAME desktop_install
    COMMAND ${CMAKE_SOURCE_DIR}/tests/desktop/install_check.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  add_test(NAME desktop_deb
    COMMAND ${CMAKE_SOURCE_DIR}/tests/desktop/deb_check.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(desktop_install desktop_deb PROPERTIES RESOURCE_LOCK tilvane_install)
endif()

# The one-instance test starts the real program.
if(TARGET test_app)
  add_dependencies(test_app tilvane)
endif()
