# Installation and the Debian package: the three programs, the desktop entry
# with the project file type, the icon, the AppStream metadata, the demo
# folder and the batch tool's man page. Build it from a Release tree:
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
#         -DQV_TESTS=OFF -DQV_BENCH=OFF
#   cmake --build build-release -j2 && (cd build-release && cpack -G DEB)
include(GNUInstallDirs)
set(QV_APP_ID org.quorvane.editor)
set(QV_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${QV_APP_ID}.xml)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QV_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/demo/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane/demo)

# Debian wants man pages compressed, without a time stamp.
find_program(QV_GZIP gzip REQUIRED)
set(QV_MAN_GZ ${CMAKE_CURRENT_BINARY_DIR}/quorvane-cli.1.gz)
add_custom_command(OUTPUT ${QV_MAN_GZ}
  COMMAND ${QV_GZIP} -9nc ${QV_PACKAGING_DIR}/quorvane-cli.1 > ${QV_MAN_GZ}
  DEPENDS ${QV_PACKAGING_DIR}/quorvane-cli.1 VERBATIM)
add_custom_target(qv_man_page ALL DEPENDS ${QV_MAN_GZ})
install(FILES ${QV_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane maintainers")
set(CPACK_PACKAGE_CONTACT "The Quorvane maintainers <maintainers@users.noreply.c-seed-5ff72146.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "editor of loudspeaker and room correction filters for a DSP box")
set(CPACK_PACKAGE_DESCRIPTION
  "Load measured and desired curves, bend the desired curve with the mouse, compute an FIR\n\
correction filter and store it in a two-channel DSP box over a serial line, or export it\n\
for software convolvers. With a virtual DSP box and the batch tool quorvane-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and file dialog in German; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvane.example/")
set(CPACK_STRIP_FILES ON)
include(CPack)
