# Starts the real executable (one fixed instance key: never in parallel with another
# test that does) on private X servers, and looks at its windows through Xlib.
target_sources(tst_appprocess PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/appprocess/x11probe.cpp)
target_include_directories(tst_appprocess PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/appprocess)
target_link_libraries(tst_appprocess PRIVATE X11)
add_dependencies(tst_appprocess quorin-driver faketray)
set_tests_properties(tst_appprocess PROPERTIES
  RESOURCE_LOCK quorin_instance
  TIMEOUT 900)
