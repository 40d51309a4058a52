# Timing is measured: keep other tests' load off this one.
set_tests_properties(tst_hidpacing PROPERTIES RUN_SERIAL TRUE)
