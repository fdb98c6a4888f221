# The Windows packages of the program folder, made by `cpack` in the cross build:
#   BEditor-<version>-windows-x64.zip   the program folder: unzip and run
#   BEditor-<version>-windows-x64.exe   a per-user installer (NSIS, cmake/packaging/)
# Both hold exactly the program folder of the build, without the mode a test run may have
# left in it.
install(DIRECTORY "${BEDITOR_PROGRAM_DIR}/" DESTINATION .
  PATTERN "EditorMode.txt" EXCLUDE)

# The installer writes the program's files and the missing lists, and its uninstaller removes
# what an install wrote, by name: cpack lists them from the staged program folder
# (cmake/packaging/install_lists.cmake) into this file, which the installer script includes.
set(CPACK_BEDITOR_FILE_LISTS "${CMAKE_BINARY_DIR}/packaging/installed_files.nsh")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_SOURCE_DIR}/cmake/packaging/install_lists.cmake")

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
