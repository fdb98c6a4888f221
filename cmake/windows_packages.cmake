# The Windows packages of the program folder, made by `cpack` in the cross build:
#   BEditor-<version>-windows-x64.zip   the program folder: unzip and run
#   BEditor-<version>-windows-x64.exe   a per-user installer (NSIS, cmake/packaging/)
# Both hold exactly the program folder of the build, without the mode a test run may have
# left in it.
install(DIRECTORY "${BEDITOR_PROGRAM_DIR}/" DESTINATION .
  PATTERN "EditorMode.txt" EXCLUDE)

# The uninstaller removes the files the installer wrote, by name: cpack lists them from the
# staged program folder (cmake/packaging/uninstall_list.cmake) into this file, which the
# installer script includes.
set(CPACK_BEDITOR_UNINSTALL_LIST "${CMAKE_BINARY_DIR}/packaging/uninstall_program_files.nsh")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_SOURCE_DIR}/cmake/packaging/uninstall_list.cmake")

set(CPACK_PACKAGE_NAME "BEditor")
set(CPACK_PACKAGE_VENDOR "BEditor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fighter editor for TAV and JEX")
set(BEDITOR_PACKAGE_NAME "BEditor-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_FILE_NAME "${BEDITOR_PACKAGE_NAME}")
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_BEDITOR_ICON "${BEDITOR_ICON_ICO}")
# Our own installer script, found before CMake's (which installs for all users, as admin).
set(CPACK_MODULE_PATH "${CMAKE_SOURCE_DIR}/cmake/packaging")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
include(CPack)
