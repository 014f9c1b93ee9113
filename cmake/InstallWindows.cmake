# Installs like a Windows program: everything in one folder, the Qt libraries and
# plugins it loads and the compiler's runtime beside the executable. The NSIS installer
# and the zip are made from that folder by scripts/build-windows.sh.
install(TARGETS stationery-editor stationery-editor-console RUNTIME DESTINATION .)
install(TARGETS stationery-audio stationery-mail stationery-window stationery-pictures LIBRARY DESTINATION . RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/COPYING DESTINATION .)
