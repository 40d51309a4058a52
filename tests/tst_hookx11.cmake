# The X11 hook test needs an X server of its own: it runs under
# xvfb-run, where it types into that server (it has no run without one).
find_program(TAVRIX_XVFB_RUN xvfb-run)
if(TAVRIX_XVFB_RUN AND TARGET tst_hookx11)
  add_test(NAME tst_hookx11_xvfb
    COMMAND ${TAVRIX_XVFB_RUN} -a -s "-screen 0 640x480x24 -noreset" $<TARGET_FILE:tst_hookx11>)
  set_tests_properties(tst_hookx11_xvfb PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVRIX_HOOK_X11=1")
endif()
