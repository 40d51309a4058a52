# The picture test shows the generated keyboard pictures.
if(TARGET tst_keyboardpicture AND TARGET keyboard_pictures)
  add_dependencies(tst_keyboardpicture keyboard_pictures)
endif()
