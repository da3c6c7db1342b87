# What `cmake --install` puts under the prefix, and the Debian package CPack builds from it.
# Only the program goes in: tests, benchmarks and tools/paint_skin have no install rules.
include(GNUInstallDirs)

# qt_standard_project_setup() gives executables an $ORIGIN/../lib search path; ours links only
# system libraries, so the installed one carries none.
set_target_properties(lyrantel PROPERTIES INSTALL_RPATH "")
install(TARGETS lyrantel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/lyrantel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/ui/skin/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME lyrantel.png)

set(CPACK_PACKAGE_NAME lyrantel)
set(CPACK_PACKAGE_VENDOR "Lyrantel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Composes media playlists (M3U, PLS, WPL)")
set(CPACK_PACKAGE_DESCRIPTION
  "Lyrantel walks drives and folders, lists their media files, and builds a playlist\n\
from them that it saves as M3U, PLS or WPL or hands straight to a player.")
set(CPACK_PACKAGE_CONTACT "Lyrantel developers <lyrantel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lyrantel")
# dpkg-shlibdeps (dpkg-dev) works out Depends from the libraries the executable links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts of standard dialogs in Russian; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
