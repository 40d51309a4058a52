# Every text in the sources has a translation in each of the 15 languages.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME translations_complete
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/translations.py untranslated)
endif()
