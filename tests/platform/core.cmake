quodex_test(platform_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cp932_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cp932_utf8_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filebytes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textfile_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paths_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tickcount_test.cpp
  LIBS quodex_platform_core GTest::gtest_main)
