# The key-assignment screenshot shows the generated keyboard picture.
if(TARGET tst_keyassignment AND TARGET keyboard_pictures)
  add_dependencies(tst_keyassignment keyboard_pictures)
endif()
