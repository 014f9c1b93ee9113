# Installs like a desktop program: the executable, a desktop entry, the icon at the
# usual sizes and AppStream metainfo; and CPack makes a Debian package of it.
include(GNUInstallDirs)

set(STATIONERY_APP_ID org.stationeryeditor.StationeryEditor)

# The icons are drawn by the program's own code at build time.
set(icon_folder ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
    OUTPUT ${icon_folder}/256x256/apps/${STATIONERY_APP_ID}.png
    COMMAND make_icons ${icon_folder} ${STATIONERY_APP_ID}
    DEPENDS make_icons
    COMMENT "Drawing the program's icons")
add_custom_target(icons ALL DEPENDS ${icon_folder}/256x256/apps/${STATIONERY_APP_ID}.png)

install(TARGETS stationery-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS stationery-audio stationery-mail stationery-keyring stationery-window stationery-pictures
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/stationery-editor)
install(FILES ${PROJECT_SOURCE_DIR}/data/${STATIONERY_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${STATIONERY_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/COPYING
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME stationery-editor)
set(CPACK_PACKAGE_VENDOR "The Stationery Editor authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Make background stationery for new mail messages")
set(CPACK_PACKAGE_CONTACT "Stationery Editor maintainers <maintainers@stationery-editor.invalid>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# MIDI files play through a General MIDI soundfont; mail servers' certificates are
# checked against the system's list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | fluid-soundfont-gm, ca-certificates")
# A remembered mail account password lives in a Secret Service keyring; without one
# the password is asked each time.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-keyring | kwalletmanager | keepassxc")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
