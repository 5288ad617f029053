# The Windows packages, built with ./scripts/package.sh (the Windows tree's
# package target): Pelmora-2.20-win64.zip, a Pelmora-2.20-win64 folder with
# the program, ZEF.dll, the lists tool and the French and English read-me,
# and the installer Pelmora-2.20-setup.exe (packaging/NSIS.template.in).
# The installer's pages are French: it takes the "program" part only, all
# but the English read-me.
install(TARGETS Pelmora pelmora_lists RUNTIME DESTINATION . COMPONENT program)
install(TARGETS zef RUNTIME DESTINATION . COMPONENT program
  ARCHIVE DESTINATION lib COMPONENT devel EXCLUDE_FROM_ALL)
install(FILES packaging/LISEZMOI.txt DESTINATION . COMPONENT program)
install(FILES packaging/README.txt DESTINATION . COMPONENT english)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Pelmora)
set(CPACK_PACKAGE_VENDOR "Les développeurs de Pelmora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Pelmora-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Organiseur de samples pour Ejay Spéciale Edition 1.02")
# The zip opens on a Pelmora-2.20-win64 folder holding the files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# One package of everything, not one per part.
set(CPACK_MONOLITHIC_INSTALL ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
# The installer: our own template (64-bit installer, program folder and
# registry view; French pages); its name and part in CPackOptions.cmake.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Pelmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Pelmora)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/resources/pelmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/resources/pelmora.ico)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/CPackOptions.cmake)
include(CPack)
