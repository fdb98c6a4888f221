# Run by cpack (CPACK_PRE_BUILD_SCRIPTS, set in cmake/windows_packages.cmake) once the program
# folder is staged for a package: writes the uninstaller's commands for exactly the files the
# installer writes, by name, since the program folder is only complete at build time. The
# player may install into a folder of their own that already holds an `icons` or
# `translations` folder: only our files go, and a folder only when it is empty then.
# The sample fighters and teams are the player's once installed: they are never listed.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB_RECURSE staged_files LIST_DIRECTORIES false RELATIVE "${staged}" "${staged}/*")
list(FILTER staged_files EXCLUDE REGEX "^(Fighters|Team)/")
if(NOT staged_files)
  message(FATAL_ERROR "uninstall_list.cmake: no program files staged in ${staged}")
endif()
# Written beside them later: the uninstaller itself, and the mode the program keeps.
list(APPEND staged_files Uninstall.exe EditorMode.txt)
list(REMOVE_DUPLICATES staged_files)

set(folders "")
foreach(file IN LISTS staged_files)
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder)
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
# A folder's own folders sort after it: the reverse order empties the deepest first.
list(SORT folders)
list(REVERSE folders)

set(commands "")
foreach(file IN LISTS staged_files)
  string(REPLACE "/" "\\" name "${file}")
  string(REPLACE "$" "$$" name "${name}")
  string(APPEND commands "  Delete \"$INSTDIR\\${name}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" name "${folder}")
  string(REPLACE "$" "$$" name "${name}")
  string(APPEND commands "  RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE "${CPACK_BEDITOR_UNINSTALL_LIST}" "${commands}")
