# Native build: the portable layers, their unit tests and benchmarks.
find_package(ZLIB REQUIRED)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake)
find_package(Libdeflate REQUIRED)
file(GLOB test_support CONFIGURE_DEPENDS tests/support/*.cpp)
list(FILTER test_support EXCLUDE REGEX "_win\\.cpp$")
add_library(zelkova_test_support STATIC ${test_support})
target_include_directories(zelkova_test_support PUBLIC tests ${CMAKE_SOURCE_DIR})
target_link_libraries(zelkova_test_support PUBLIC ZLIB::ZLIB Libdeflate::Libdeflate PRIVATE zelkova_warnings)

file(GLOB unit_tests CONFIGURE_DEPENDS tests/unit/*_test.cpp)
add_executable(zelkova_unit_tests ${unit_tests})
target_link_libraries(zelkova_unit_tests PRIVATE zelkova_test_support zelkova_warnings GTest::gtest GTest::gmock
                      GTest::gtest_main)
zelkova_link_included_layers(zelkova_unit_tests ${unit_tests})
target_compile_definitions(zelkova_unit_tests PRIVATE ZELKOVA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(zelkova_unit_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS unit)

find_package(benchmark QUIET)
find_package(JPEG REQUIRED)
file(GLOB native_benches CONFIGURE_DEPENDS bench/*_bench.cpp)
if(benchmark_FOUND)
  foreach(src IN LISTS native_benches)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE zelkova_test_support zelkova_warnings benchmark::benchmark JPEG::JPEG)
    zelkova_link_included_layers(${name} ${src})
  endforeach()
endif()

# The generator of the built-in theme bitmaps: resources/themes/*.bmp and resources/kit.rc are its
# committed output, and a unit test checks that regenerating them gives the same bytes.
file(GLOB theme_generator_sources CONFIGURE_DEPENDS resources/generator/*.cpp)
add_executable(zelkova_theme_generator ${theme_generator_sources})
zelkova_link_included_layers(zelkova_theme_generator ${theme_generator_sources})
target_link_libraries(zelkova_theme_generator PRIVATE zelkova_warnings)
add_dependencies(zelkova_unit_tests zelkova_theme_generator)
target_compile_definitions(zelkova_unit_tests PRIVATE
  ZELKOVA_THEME_GENERATOR="$<TARGET_FILE:zelkova_theme_generator>")

# The generator of the application's own pictures (icons, JPEG pictures, folder glyph) and
# their resource script: resources/pictures/* and resources/pictures.rc are its committed output.
file(GLOB picture_generator_sources CONFIGURE_DEPENDS resources/pictures/generator/*.cpp)
add_executable(zelkova_picture_generator ${picture_generator_sources} resources/generator/Canvas.cpp
               resources/generator/Quantize.cpp resources/generator/BmpFile.cpp)
target_include_directories(zelkova_picture_generator PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zelkova_picture_generator PRIVATE JPEG::JPEG zelkova_warnings)
add_dependencies(zelkova_unit_tests zelkova_picture_generator)
target_link_libraries(zelkova_unit_tests PRIVATE JPEG::JPEG)
target_compile_definitions(zelkova_unit_tests PRIVATE
  ZELKOVA_PICTURE_GENERATOR="$<TARGET_FILE:zelkova_picture_generator>")
