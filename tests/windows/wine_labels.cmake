# Labels the discovered Wine tests end to end and Windows, read by ctest after their discovery.
foreach(test IN LISTS SORVEL_WINE_TESTS)
    set_tests_properties("${test}" PROPERTIES LABELS "e2e;windows")
endforeach()
