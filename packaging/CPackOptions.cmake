# Read by CPack once per generator. The installer has its own name, holds
# only the "program" part (no English read-me) and no top folder of its own
# (the files go straight into the folder Pelmora).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  string(REPLACE ";ALL;" ";program;" CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_INSTALL_CMAKE_PROJECTS}")
endif()
