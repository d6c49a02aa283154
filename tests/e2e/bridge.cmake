# Cartolink2 as a real process against MapView registered under the built-in identifiers.
tenmark_test(bridge_e2e_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_call_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_registration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_proatlas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_mapple_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bridge_e2e_failure_test.cpp
  LIBS maplink_protocol user32
)
target_include_directories(bridge_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(bridge_e2e_tests Cartolink2 MapView)
# MapView's registration is shared with its own tests, which unregister and register again.
set_tests_properties(bridge_e2e_tests PROPERTIES RESOURCE_LOCK mapview_registry TIMEOUT 900)
