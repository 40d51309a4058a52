# Contrast is measured on a 1366x768 desktop: a private X server (Xvfb), since the
# offscreen platform's screen is 800x600 and the plain run measures only the arithmetic.
find_program(TAVRIX_XVFB_RUN xvfb-run)
if(TAVRIX_XVFB_RUN AND TARGET tst_themecontrast)
  add_test(NAME tst_themecontrast_xvfb
    COMMAND ${TAVRIX_XVFB_RUN} -a -s "-screen 0 1366x768x24 -noreset" $<TARGET_FILE:tst_themecontrast>)
  set_tests_properties(tst_themecontrast_xvfb PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;TAVRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TAVRIX_BIN_DIR=${TAVRIX_OUTPUT_DIR}")
endif()
