# The window-shape test runs on a real X server without a compositing
# manager (Xvfb), where transparent window margins would be drawn black.
find_program(TAVRIX_XVFB_RUN xvfb-run)
if(TAVRIX_XVFB_RUN AND TARGET tst_windowshapes)
  add_test(NAME tst_windowshapes_xvfb
    COMMAND ${TAVRIX_XVFB_RUN} -a -s "-screen 0 1366x768x24 -noreset" $<TARGET_FILE:tst_windowshapes>)
  set_tests_properties(tst_windowshapes_xvfb PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;TAVRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TAVRIX_BIN_DIR=${TAVRIX_OUTPUT_DIR}")
endif()
