# beditor_add_windows_resources(<target> <description>)
#
# Gives a BEditor executable its Windows resources: the program's icon and a version block
# (product "BEditor", the description, the project's version). The resource script is written
# on every platform, to build/windows/<target>.rc, so it can be checked anywhere; it is
# compiled into the target (by windres or rc) only when building for Windows.
function(beditor_add_windows_resources target description)
  set(BEDITOR_RC_NAME "${target}")
  set(BEDITOR_RC_DESCRIPTION "${description}")
  set(BEDITOR_RC_ICON "${BEDITOR_ICON_ICO}")
  set(script "${CMAKE_BINARY_DIR}/windows/${target}.rc")
  configure_file("${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in" "${script}" @ONLY)
  if(WIN32)
    target_sources(${target} PRIVATE "${script}")
    # The script names the icon file, which the icon step makes; the compiler of the script
    # does not see that dependency by itself.
    set_source_files_properties("${script}" PROPERTIES OBJECT_DEPENDS "${BEDITOR_ICON_ICO}")
    add_dependencies(${target} beditor_icon)
  endif()
endfunction()
