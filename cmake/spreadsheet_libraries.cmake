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

find_path(BEDITOR_MINIZIP_INCLUDE minizip/unzip.h REQUIRED)
find_library(BEDITOR_MINIZIP_LIBRARY minizip REQUIRED)
add_library(beditor_minizip INTERFACE)
target_include_directories(beditor_minizip SYSTEM INTERFACE "${BEDITOR_MINIZIP_INCLUDE}")
target_link_libraries(beditor_minizip INTERFACE "${BEDITOR_MINIZIP_LIBRARY}" ZLIB::ZLIB)

find_path(BEDITOR_XLSXWRITER_INCLUDE xlsxwriter.h REQUIRED)
find_library(BEDITOR_XLSXWRITER_LIBRARY xlsxwriter REQUIRED)
add_library(beditor_xlsxwriter INTERFACE)
target_include_directories(beditor_xlsxwriter SYSTEM INTERFACE "${BEDITOR_XLSXWRITER_INCLUDE}")
# Debian's library brings its own minizip's symbols; the Windows one is built on ours.
target_link_libraries(beditor_xlsxwriter INTERFACE "${BEDITOR_XLSXWRITER_LIBRARY}" beditor_minizip ZLIB::ZLIB)
