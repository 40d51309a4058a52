# The generated udev rule is checked against the catalogue.
if(TARGET udev_rules)
  add_dependencies(tst_tavrixsdk udev_rules)
  set_property(TEST tst_tavrixsdk APPEND PROPERTY ENVIRONMENT "TAVRIX_UDEV_RULES=${TAVRIX_UDEV_RULES_FILE}")
endif()
