# Tests of the letter table's data, the text form of layouts and tessik-cli.
# The tool is tested through its command line: the tests run the built binary.
add_executable(tessik_layouts_tests
    ${CMAKE_CURRENT_LIST_DIR}/layouts_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layouts_row_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layouts_text_test.cpp
)
target_link_libraries(tessik_layouts_tests PRIVATE
    tessik_layouts tessik_platform_fake GTest::gtest_main tessik_warnings)
gtest_discover_tests(tessik_layouts_tests)

add_executable(tessik_cli_tests
    ${CMAKE_CURRENT_LIST_DIR}/cli_errors_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_keys_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_runner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_type_test.cpp
)
target_link_libraries(tessik_cli_tests PRIVATE
    tessik_engine tessik_platform_std GTest::gtest_main tessik_warnings)
target_compile_definitions(tessik_cli_tests PRIVATE
    TESSIK_CLI="$<TARGET_FILE:tessik-cli>"
    TESSIK_DEFAULT_LAYOUT_SOURCE="${PROJECT_SOURCE_DIR}/resources/Default.layout")
add_dependencies(tessik_cli_tests tessik-cli tessik-layouts)
gtest_discover_tests(tessik_cli_tests)
