# Starts the real executable with emulated keyboards on a private X server (one fixed
# instance key: never in parallel with another test that starts it).
target_sources(tst_devicepageprocess PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/appprocess/x11probe.cpp)
target_include_directories(tst_devicepageprocess PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/appprocess)
target_link_libraries(tst_devicepageprocess PRIVATE X11)
add_dependencies(tst_devicepageprocess quorin-driver)
set_tests_properties(tst_devicepageprocess PROPERTIES
  RESOURCE_LOCK quorin_instance
  TIMEOUT 300)
