# The core: codec, text files, paths, clock. Qt Core only, no widgets.
quodex_library(quodex_platform_core
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cp932.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cp932_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cp932_utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fileerror.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filebytes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tickcount.cpp
    ${CMAKE_CURRENT_LIST_DIR}/translations.cpp
  LIBS Qt6::Core)
