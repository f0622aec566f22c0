# The rule items: geometry, handles, resize, limits, reports and paint.
calidra_gui_tests(calidra_ruleitems_tests ${CMAKE_CURRENT_LIST_DIR}/RuleItemsTest.cpp)
