# SPDX-License-Identifier: MIT
# What `cmake --install` puts under the prefix, and the Debian package CPack builds from it.
# Only the program goes in: tests, benchmarks and tools/paint_skin have no install rules.
include(GNUInstallDirs)

# qt_standard_project_setup() gives executables an $ORIGIN/../lib search path; ours links only
# system libraries, so the installed one carries none.
set_target_properties(lyrantel PROPERTIES INSTALL_RPATH "")
install(TARGETS lyrantel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/lyrantel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/app/io.github.lyrantel.Lyrantel.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# tools/paint_skin paints the icon at each size of the icon theme, and as SVG.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/ui/skin/icons/lyrantel_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME lyrantel.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/ui/skin/icons/lyrantel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The licence in the machine-readable form and the changelog, both where Debian looks for them;
# gzip -n keeps the compressed file the same from build to build.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lyrantel)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT changelog.Debian.gz
  COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/changelog > changelog.Debian.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright
  ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lyrantel)

# The man page is written from the program's own --help and --version, so the two never disagree.
find_program(HELP2MAN_PROGRAM help2man)
if(HELP2MAN_PROGRAM)
  add_custom_command(OUTPUT lyrantel.1.gz
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
      ${HELP2MAN_PROGRAM} --no-info --locale=C.UTF-8 --section=1 "--name=compose media playlists (M3U, PLS, WPL)"
      --output=lyrantel.1 $<TARGET_FILE:lyrantel>
    COMMAND ${GZIP_PROGRAM} -9nf lyrantel.1
    DEPENDS lyrantel VERBATIM)
  add_custom_target(man_page ALL DEPENDS lyrantel.1.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lyrantel.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: the build writes no man page (tools/install-deps.sh)")
endif()

set(CPACK_PACKAGE_NAME lyrantel)
set(CPACK_PACKAGE_VENDOR "Lyrantel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "composer of media playlists (M3U, PLS, WPL)")
set(CPACK_PACKAGE_DESCRIPTION
  "Lyrantel walks drives and folders, lists their media files, and builds a\n\
playlist from them that it saves as M3U, PLS or WPL or hands straight to a\n\
player.")
set(CPACK_PACKAGE_CONTACT "Lyrantel developers <lyrantel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of the upstream version, as cmake/debian/changelog says.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lyrantel")
# dpkg-shlibdeps (dpkg-dev) works out Depends from the libraries the executable links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts of standard dialogs in Russian; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
