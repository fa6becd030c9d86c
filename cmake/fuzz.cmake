# libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer (clang only).
file(GLOB fuzzers CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(src IN LISTS fuzzers)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE zelkova_core zelkova_warnings)
endforeach()
target_compile_options(zelkova_core PRIVATE -fsanitize=fuzzer-no-link)
# The differential target holds our decoder against zlib's.
find_package(ZLIB REQUIRED)
target_link_libraries(inflate_zlib_fuzz PRIVATE ZLIB::ZLIB)
