# The chip-vendor flashing loads the stand-in library by its path.
add_dependencies(tst_firmwarechipupgrade quorin_chipupgrade_stub)
set_property(TEST tst_firmwarechipupgrade APPEND PROPERTY ENVIRONMENT
  "TAVRIX_CHIPSTUB=$<TARGET_FILE:quorin_chipupgrade_stub>")
