# The Windows package: Pelmora-2.20-win64.zip with the program, ZEF.dll and
# the French and English read-me. Built with
#   ./scripts/package.sh  (cmake --build build/windows --target package)
install(TARGETS Pelmora RUNTIME DESTINATION .)
install(TARGETS zef RUNTIME DESTINATION . ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES packaging/LISEZMOI.txt packaging/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pelmora)
set(CPACK_PACKAGE_VENDOR "Les développeurs de Pelmora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Pelmora-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Organiseur de samples pour Ejay Spéciale Edition 1.02")
# The zip opens on a Pelmora-2.20-win64 folder holding the three files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
