# The installed layout beyond the programs (help, desktop entry, MIME type, AppStream data,
# icons, manual pages) and the two Debian packages made from it by
# `cmake --build build --target package`: tallywise-cli, the command-line program alone, and
# tallywise, the window, which needs it.
set(TW_APP_ID com.kestrane.Tallywise)
set(TW_DESKTOP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop)
set(TW_ICON_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons)
set(TW_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The popups' README is a note for developers.
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallywise/help COMPONENT window
        REGEX "/popups/README\\.txt$" EXCLUDE)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT window)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT window)
install(FILES ${TW_DESKTOP_DIR}/${TW_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT window)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TW_ICON_DIR}/tallywise-${size}.png
          DESTINATION ${TW_HICOLOR}/${size}x${size}/apps RENAME ${TW_APP_ID}.png COMPONENT window)
  install(FILES ${TW_ICON_DIR}/application-x-tallywise-${size}.png
          DESTINATION ${TW_HICOLOR}/${size}x${size}/mimetypes RENAME application-x-tallywise.png COMPONENT window)
endforeach()
install(FILES ${TW_ICON_DIR}/src/tallywise_256.svg
        DESTINATION ${TW_HICOLOR}/scalable/apps RENAME ${TW_APP_ID}.svg COMPONENT window)
install(FILES ${TW_ICON_DIR}/src/application-x-tallywise.svg
        DESTINATION ${TW_HICOLOR}/scalable/mimetypes COMPONENT window)


# ---- Reproducible output ----------------------------------------------------------------
# Two package builds of one commit give the same bytes: every date in them is
# SOURCE_DATE_EPOCH, by default the time of the last commit.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TW_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${CMAKE_CURRENT_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE TW_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE TW_GIT_RESULT ERROR_QUIET)
  if(NOT TW_GIT_RESULT EQUAL 0 OR TW_SOURCE_DATE_EPOCH STREQUAL "")
    set(TW_SOURCE_DATE_EPOCH 0)
  endif()
endif()

# ---- Manual pages and the changelog, as Debian wants them -------------------------------
# The manual pages are made from the same descriptions as the programs' --help texts.
set(TW_PKG_DIR ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${TW_PKG_DIR}/tallywise.1.gz ${TW_PKG_DIR}/tallywise-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_PKG_DIR}
  COMMAND tw_man_pages ${TW_PKG_DIR} ${TW_SOURCE_DATE_EPOCH}
  COMMAND gzip -9nf ${TW_PKG_DIR}/tallywise.1 ${TW_PKG_DIR}/tallywise-cli.1
  DEPENDS tw_man_pages)
add_custom_command(OUTPUT ${TW_PKG_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_PKG_DIR}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > ${TW_PKG_DIR}/changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(tallywise_package_files ALL DEPENDS ${TW_PKG_DIR}/tallywise.1.gz
                  ${TW_PKG_DIR}/tallywise-cli.1.gz ${TW_PKG_DIR}/changelog.gz)
install(FILES ${TW_PKG_DIR}/tallywise-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT cli)
install(FILES ${TW_PKG_DIR}/tallywise.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT window)
foreach(component cli window)
  if(component STREQUAL cli)
    set(package tallywise-cli)
  else()
    set(package tallywise)
  endif()
  install(FILES packaging/copyright ${TW_PKG_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# ---- Debian packages --------------------------------------------------------------------
# Installing files under applications/, mime/packages/ and icons/hicolor/ fires the triggers
# of desktop-file-utils, shared-mime-info and the icon cache: no maintainer scripts needed.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli window)
set(CPACK_PACKAGE_NAME tallywise)
set(CPACK_PACKAGE_VENDOR Kestrane)
set(CPACK_PACKAGE_CONTACT "Kestrane <tallywise@kestrane.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.kestrane.com/tallywise/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt Widgets, Qt Charts, ...) become dependencies
# here; the package check looks for Qt Charts among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME tallywise-cli)
set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME tallywise)
# The window cannot open without a platform plugin, which Qt only recommends.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS
    "tallywise-cli (= ${PROJECT_VERSION}), qt6-qpa-plugins")
set(TW_DESCRIPTION_TAIL
    "Tallywise keeps the check register of one bank account: checks, ATM
withdrawals, card payments, deposits and user-defined kinds of entry, in date
order with a running balance. It posts recurring entries when they fall due,
reconciles against a bank statement, searches, shows statistics, prints, and
moves old cleared entries into plain-text archives.")
set(CPACK_DEBIAN_CLI_DESCRIPTION "check register of a bank account, without a window
${TW_DESCRIPTION_TAIL}
.
This package holds tallywise-cli, which shows, searches, reconciles and
converts registers and imports bank files into them without a display.")
set(CPACK_DEBIAN_WINDOW_DESCRIPTION "check register of a bank account
${TW_DESCRIPTION_TAIL}
.
This package holds the window program, tallywise, with its help, desktop entry,
file type and icons.")
# Every file in the packages carries the date of the commit, not of the build.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/cpack_dates.cmake)
set(CPACK_TW_SOURCE_DATE_EPOCH ${TW_SOURCE_DATE_EPOCH})
include(CPack)
