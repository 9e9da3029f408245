# The services over the desktop: settings hive, program folder, shell,
# prompts and the single-instance lock.
quodex_library(quodex_platform
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appfolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/prompt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtprompts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regini.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
  LIBS quodex_platform_core Qt6::Widgets)
