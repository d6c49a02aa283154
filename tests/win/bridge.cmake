# In-process tests of Cartolink2's window: the form, its subclassed procedure, Timer1 and the
# message boxes, driven for real under Wine.
tenmark_test(bridge_form_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bridge_form_test.cpp
  LIBS bridge_win
)
# The recording map objects of the portable bridge tests.
target_include_directories(bridge_form_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
