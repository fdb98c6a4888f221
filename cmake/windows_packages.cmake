# The Windows packages of the program folder, made by `cpack` in the cross build:
#   BEditor-<version>-windows-x64.zip   the program folder: unzip and run
#   BEditor-<version>-windows-x64.exe   a per-user installer (NSIS, cmake/packaging/)
# Both hold exactly the program folder of the build, without the mode a test run may have
# left in it.
install(DIRECTORY "${BEDITOR_PROGRAM_DIR}/" DESTINATION .
  PATTERN "EditorMode.txt" EXCLUDE)

# The program's own files, which the uninstaller removes. Everything else in the folder is
# the user's: the Fighters and Team folders stay, and with them the folder itself.
file(GLOB data_files RELATIVE "${CMAKE_SOURCE_DIR}/data/program_folder"
  "${CMAKE_SOURCE_DIR}/data/program_folder/*")
set(program_files beditor.exe beditor-roster.exe beditor-roster-window.exe Fondo6.jpg qt.conf EditorMode.txt Uninstall.exe)
set(uninstall_commands "")
foreach(name ${data_files} ${program_files})
  if(NOT IS_DIRECTORY "${CMAKE_SOURCE_DIR}/data/program_folder/${name}")
    string(APPEND uninstall_commands "  Delete \"$INSTDIR\\${name}\"\n")
  endif()
endforeach()
foreach(folder icons translations)
  string(APPEND uninstall_commands "  RMDir /r \"$INSTDIR\\${folder}\"\n")
endforeach()
set(CPACK_BEDITOR_UNINSTALL_LIST "${CMAKE_BINARY_DIR}/packaging/uninstall_program_files.nsh")
file(WRITE "${CPACK_BEDITOR_UNINSTALL_LIST}" "${uninstall_commands}")

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
