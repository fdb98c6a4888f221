# Checks that a Windows executable imports only DLLs that every 64-bit Windows 10 or later
# has: a player unzips the program folder and runs it, with nothing else installed.
#   cmake -DOBJDUMP=<x86_64-w64-mingw32-objdump> -DPROGRAM=<file.exe> -P system_dlls_only.cmake
cmake_minimum_required(VERSION 3.22)
set(system_dlls
  advapi32 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 kernel32 msvcrt netapi32
  ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme version winmm ws2_32 wtsapi32)
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM} shows no imported DLLs: not a Windows executable?")
endif()
set(foreign "")
foreach(import ${imports})
  string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL]" "\\1" name "${import}")
  string(TOLOWER "${name}" name)
  # The API sets (api-ms-win-*) are names Windows itself resolves.
  if(NOT name IN_LIST system_dlls AND NOT name MATCHES "^api-ms-win-")
    list(APPEND foreign "${name}.dll")
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${PROGRAM} needs DLLs that Windows does not have: ${foreign}")
endif()
message(STATUS "${PROGRAM}: system DLLs only")
