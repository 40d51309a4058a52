# A second run on a private X server at the smallest supported screen, 1366x768:
# the offscreen screen is too small to hold the widest (German) firmware row.
find_program(TAVRIX_XVFB_RUN xvfb-run)
if(TAVRIX_XVFB_RUN AND TARGET tst_firmwaredialoglook)
  add_test(NAME tst_firmwaredialoglook_xvfb
    COMMAND ${TAVRIX_XVFB_RUN} -a -s "-screen 0 1366x768x24 -noreset" $<TARGET_FILE:tst_firmwaredialoglook>
      columnsShowTheirTextsWhole rowsStayWholeWhenOneGrows)
  set_tests_properties(tst_firmwaredialoglook_xvfb PROPERTIES
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;TAVRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TAVRIX_BIN_DIR=${TAVRIX_OUTPUT_DIR};TAVRIX_TEST_TMPFS=${TAVRIX_TEST_TMPFS}")
endif()
