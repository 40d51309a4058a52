# The pop-ups meet a real window manager: a private X server (Xvfb) with openbox beside
# it. tools/desktop-test.sh runs the same program once more with a compositing manager.
find_program(TAVRIX_XVFB_RUN xvfb-run)
if(TAVRIX_XVFB_RUN AND TARGET tst_desktoppopups)
  add_test(NAME tst_desktoppopups_xvfb
    COMMAND ${TAVRIX_XVFB_RUN} -a -s "-screen 0 1366x768x24 -noreset"
      ${CMAKE_CURRENT_SOURCE_DIR}/openbox-run.sh $<TARGET_FILE:tst_desktoppopups>)
  # Alone: xvfb-run's choice of a free display can race with another xvfb-run starting
  # at the same moment, and this test needs its own window manager on its own server.
  set_tests_properties(tst_desktoppopups_xvfb PROPERTIES
    TIMEOUT 600
    RUN_SERIAL TRUE
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;TAVRIX_DESKTOP=1;TAVRIX_COMPOSITOR=0;TAVRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TAVRIX_BIN_DIR=${TAVRIX_OUTPUT_DIR}")
endif()
