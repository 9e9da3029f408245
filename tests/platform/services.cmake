quodex_test(platform_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appfolder_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/prompt_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regini_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance_test.cpp
  LIBS quodex_test_main quodex_test_support)
