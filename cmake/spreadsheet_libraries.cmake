# The libraries of the roster's workbooks: libxlsxwriter writes them, minizip and expat read
# them, all on zlib. On Debian they are libxlsxwriter-dev, libminizip-dev, libexpat1-dev and
# zlib1g-dev; the Windows cross build takes the static ones that
# scripts/build_windows_libraries.sh makes (BEDITOR_WINDOWS_LIBRARIES).
find_package(ZLIB REQUIRED)
find_package(EXPAT REQUIRED)
if(MINGW)
  # expat's static library: its header must not declare the functions as imported from a DLL.
  set_property(TARGET EXPAT::EXPAT APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS XML_STATIC)
endif()

# Imported libraries, each naming what it needs, so that a static link puts those after it.
find_path(BEDITOR_MINIZIP_INCLUDE minizip/unzip.h REQUIRED)
find_library(BEDITOR_MINIZIP_LIBRARY minizip REQUIRED)
add_library(beditor_minizip UNKNOWN IMPORTED)
set_target_properties(beditor_minizip PROPERTIES IMPORTED_LOCATION "${BEDITOR_MINIZIP_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${BEDITOR_MINIZIP_INCLUDE}" INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)

find_path(BEDITOR_XLSXWRITER_INCLUDE xlsxwriter.h REQUIRED)
find_library(BEDITOR_XLSXWRITER_LIBRARY xlsxwriter REQUIRED)
add_library(beditor_xlsxwriter UNKNOWN IMPORTED)
# Debian's shared library brings its own minizip; the static Windows one is built on ours.
set_target_properties(beditor_xlsxwriter PROPERTIES IMPORTED_LOCATION "${BEDITOR_XLSXWRITER_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${BEDITOR_XLSXWRITER_INCLUDE}" INTERFACE_LINK_LIBRARIES "beditor_minizip;ZLIB::ZLIB")
