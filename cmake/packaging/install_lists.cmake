# Run by cpack (CPACK_PRE_BUILD_SCRIPTS, set in cmake/windows_packages.cmake) once the program
# folder is staged for a package: writes the installer's and the uninstaller's lists of files
# (CPACK_BEDITOR_FILE_LISTS, included by NSIS.template.in), since the program folder is only
# complete at build time. Each staged file is one of three kinds:
# - the program's own files: replaced on every install, deleted by name on uninstall. The
#   player may install into a folder of their own that already holds an `icons` or
#   `translations` folder: only our files go, and a folder only when it is empty then.
# - the files a player may edit (language, caption tables, style and weight lists, named by
#   the patterns below): written only where missing, and deleted only if an install into
#   this folder wrote them, as its record says; one found there is the player's.
# - the sample fighters and teams: the player's once installed, never listed here.
# The mode the program keeps beside itself is not staged, but goes as the lists do: with the
# program if there was none before an install here, and it stays if the player's was there.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(record "Uninstall.ini")
# Shell patterns, as both CMake's glob and NSIS's `File /x` read them.
set(kept_patterns "Config.txt" "*-Translation.txt" "*-estilo.txt" "* Weights.txt")

set(kept_files "")
foreach(pattern IN LISTS kept_patterns)
  file(GLOB matches LIST_DIRECTORIES false RELATIVE "${staged}" "${staged}/${pattern}")
  list(APPEND kept_files ${matches})
endforeach()
list(SORT kept_files)
set(program_state_files "EditorMode.txt")

file(GLOB_RECURSE program_files LIST_DIRECTORIES false RELATIVE "${staged}" "${staged}/*")
list(FILTER program_files EXCLUDE REGEX "^(Fighters|Team)/")
if(kept_files)
  list(REMOVE_ITEM program_files ${kept_files})
endif()
# The installer leaves out the kept patterns at every depth: the lists must agree with it.
foreach(pattern IN LISTS kept_patterns)
  string(REPLACE "." "\\." expression "${pattern}")
  string(REPLACE "*" "[^/]*" expression "${expression}")
  set(nested "${program_files}")
  list(FILTER nested INCLUDE REGEX "/${expression}$")
  if(nested)
    message(FATAL_ERROR "install_lists.cmake: ${nested} would be left out by the installer as \"${pattern}\"")
  endif()
endforeach()
if(NOT program_files OR NOT kept_files)
  message(FATAL_ERROR "install_lists.cmake: the program folder staged in ${staged} is incomplete")
endif()
# Written beside them later by the installer: the uninstaller itself and the record.
list(APPEND program_files Uninstall.exe "${record}")
list(REMOVE_DUPLICATES program_files)

# A name as NSIS reads it at run time: Windows' separator, `$` not a variable.
function(nsis_name out file)
  string(REPLACE "/" "\\" name "${file}")
  string(REPLACE "$" "$$" name "${name}")
  set(${out} "${name}" PARENT_SCOPE)
endfunction()

set(folders "")
foreach(file IN LISTS program_files)
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

set(excludes "")
foreach(pattern IN LISTS kept_patterns)
  string(APPEND excludes " /x \"${pattern}\"")
endforeach()

set(lists "; The installer's and the uninstaller's files, written by cmake/packaging/install_lists.cmake.\n")
string(APPEND lists "!define BEDITOR_RECORD \"${record}\"\n")
string(APPEND lists "!define BEDITOR_KEPT_EXCLUDES '${excludes}'\n\n")
string(APPEND lists "!macro BEditorWriteKeptFiles\n")
foreach(file IN LISTS kept_files)
  nsis_name(name "${file}")
  string(APPEND lists "  !insertmacro BEditorWriteIfMissing \"${name}\"\n")
endforeach()
foreach(file IN LISTS program_state_files)
  nsis_name(name "${file}")
  string(APPEND lists "  !insertmacro BEditorRecordIfMissing \"${name}\"\n")
endforeach()
string(APPEND lists "!macroend\n\n!macro BEditorDeleteInstalledFiles\n")
foreach(file IN LISTS kept_files program_state_files)
  nsis_name(name "${file}")
  string(APPEND lists "  !insertmacro BEditorDeleteIfRecorded \"${name}\"\n")
endforeach()
foreach(file IN LISTS program_files)
  nsis_name(name "${file}")
  string(APPEND lists "  Delete \"$INSTDIR\\${name}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  nsis_name(name "${folder}")
  string(APPEND lists "  RMDir \"$INSTDIR\\${name}\"\n")
endforeach()
string(APPEND lists "!macroend\n")
file(WRITE "${CPACK_BEDITOR_FILE_LISTS}" "${lists}")
