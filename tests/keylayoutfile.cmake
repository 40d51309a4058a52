# libFuzzer target for the keyboard layout reader (configure with clang and
# -DTAVRIX_FUZZ=ON). It builds the reader on its own, instrumented.
if(TAVRIX_FUZZ)
  add_executable(fuzz_keylayout
    ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_keylayout.cpp
    ${CMAKE_SOURCE_DIR}/keyboardview/keylayoutfile.cpp
    ${CMAKE_SOURCE_DIR}/keyboardview/layoutjson.cpp)
  target_include_directories(fuzz_keylayout PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(fuzz_keylayout PRIVATE -fsanitize=fuzzer,address)
  target_link_options(fuzz_keylayout PRIVATE -fsanitize=fuzzer,address)
  target_link_libraries(fuzz_keylayout PRIVATE Qt5::Core PkgConfig::CJSON)
  set_target_properties(fuzz_keylayout PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()
