# The installed layout beyond the programs (help, desktop entry, MIME type, AppStream data,
# icons) and the Debian package made from it by `cmake --build build --target package`.
set(TW_APP_ID com.kestrane.Tallywise)
set(TW_DESKTOP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop)
set(TW_ICON_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons)
set(TW_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The popups' README is a note for developers.
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallywise/help
        REGEX "/popups/README\\.txt$" EXCLUDE)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TW_ICON_DIR}/tallywise-${size}.png
          DESTINATION ${TW_HICOLOR}/${size}x${size}/apps RENAME ${TW_APP_ID}.png)
  install(FILES ${TW_ICON_DIR}/application-x-tallywise-${size}.png
          DESTINATION ${TW_HICOLOR}/${size}x${size}/mimetypes RENAME application-x-tallywise.png)
endforeach()
install(FILES ${TW_ICON_DIR}/src/tallywise_256.svg
        DESTINATION ${TW_HICOLOR}/scalable/apps RENAME ${TW_APP_ID}.svg)
install(FILES ${TW_ICON_DIR}/src/application-x-tallywise.svg
        DESTINATION ${TW_HICOLOR}/scalable/mimetypes)

# ---- Debian package --------------------------------------------------------------------
# Installing files under applications/, mime/packages/ and icons/hicolor/ fires the triggers
# of desktop-file-utils, shared-mime-info and the icon cache: no maintainer scripts needed.
# Debian wants the changelog and the manual pages compressed. The manual pages are made from
# the same descriptions as the programs' --help texts.
set(TW_PKG_DIR ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${TW_PKG_DIR}/tallywise.1.gz ${TW_PKG_DIR}/tallywise-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_PKG_DIR}
  COMMAND tw_man_pages ${TW_PKG_DIR} 0
  COMMAND gzip -9nf ${TW_PKG_DIR}/tallywise.1 ${TW_PKG_DIR}/tallywise-cli.1
  DEPENDS tw_man_pages)
add_custom_command(OUTPUT ${TW_PKG_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_PKG_DIR}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > ${TW_PKG_DIR}/changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(tallywise_gzipped ALL DEPENDS ${TW_PKG_DIR}/tallywise.1.gz
                  ${TW_PKG_DIR}/tallywise-cli.1.gz ${TW_PKG_DIR}/changelog.gz)
install(FILES ${TW_PKG_DIR}/tallywise.1.gz
        ${TW_PKG_DIR}/tallywise-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallywise)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallywise)
set(CPACK_PACKAGE_VENDOR Kestrane)
set(CPACK_PACKAGE_CONTACT "Kestrane <tallywise@kestrane.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.kestrane.com/tallywise/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check register of a bank account")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window cannot open without a platform plugin, which Qt only recommends.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tallywise keeps the check register of one bank account: checks, ATM
withdrawals, card payments, deposits and user-defined kinds of entry, in date
order with a running balance. It posts recurring entries when they fall due,
reconciles against a bank statement, searches, shows statistics, prints, and
moves old cleared entries into plain-text archives.
.
This package holds the window program, tallywise, and tallywise-cli, which
shows and converts registers without a window.")
include(CPack)
