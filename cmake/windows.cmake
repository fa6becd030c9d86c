# Windows build: the Win32 layers, Zelkova.exe, and the Win32 test programs run under Wine.

# One self-contained executable: no libstdc++, libgcc or winpthread DLL beside it.
if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# libjpeg, cross-built by tools/setup from Debian's source package.
set(ZELKOVA_JPEG_ROOT "${CMAKE_SOURCE_DIR}/build/cache/libjpeg-${CMAKE_SYSTEM_PROCESSOR}"
    CACHE PATH "Install prefix of libjpeg for this target")
find_path(JPEG_INCLUDE jpeglib.h PATHS ${ZELKOVA_JPEG_ROOT}/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_library(JPEG_LIB NAMES jpeg libjpeg.a PATHS ${ZELKOVA_JPEG_ROOT}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(zelkova_jpeg STATIC IMPORTED)
set_target_properties(zelkova_jpeg PROPERTIES IMPORTED_LOCATION ${JPEG_LIB}
                      INTERFACE_INCLUDE_DIRECTORIES ${JPEG_INCLUDE})

# What every Win32 layer and program is built with: the headers' settings and the system's libraries.
add_library(zelkova_win32 INTERFACE)
target_compile_definitions(zelkova_win32 INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                           WINVER=0x0601 STRICT)
target_link_libraries(zelkova_win32 INTERFACE comctl32 shell32 ole32 oleaut32 uuid gdi32 user32 advapi32
                      msimg32 shlwapi)
foreach(layer gui skin_win platform ui)
  target_link_libraries(zelkova_${layer} PUBLIC zelkova_win32)
endforeach()
target_link_libraries(zelkova_gui PUBLIC zelkova_jpeg)

# Resources every program needs (theme bitmaps, pictures, icons, strings) are an object library,
# so that the linker keeps them; the manifest and version block belong to Zelkova.exe alone.
# They are compiled as one script: the linker does not merge the resource directories of
# several compiled scripts soundly (names of one type end up unsorted, and lookups miss some).
file(GLOB shared_resource_scripts CONFIGURE_DEPENDS resources/*.rc)
list(FILTER shared_resource_scripts EXCLUDE REGEX "resources/Zelkova\\.rc$")
if(shared_resource_scripts)
  set(combined_script "")
  foreach(script IN LISTS shared_resource_scripts)
    string(APPEND combined_script "#include \"${script}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/zelkova_resources.rc CONTENT "${combined_script}" @ONLY)
  file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS resources/*.bmp resources/*.ico resources/*.jpg)
  set_source_files_properties(${CMAKE_BINARY_DIR}/zelkova_resources.rc PROPERTIES
                              OBJECT_DEPENDS "${shared_resource_scripts};${resource_files}")
  add_library(zelkova_resources OBJECT ${CMAKE_BINARY_DIR}/zelkova_resources.rc)
  target_include_directories(zelkova_resources PRIVATE ${CMAKE_SOURCE_DIR}/resources)
endif()
# Resource objects must be linked into each program directly: from a static library the linker
# would drop them, since no code refers to them by symbol.
function(zelkova_add_resources target)
  if(TARGET zelkova_resources)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:zelkova_resources>)
  endif()
endfunction()

# The application manifest carries the version of ui/Version.h, the one place it is written.
file(STRINGS ui/Version.h version_lines REGEX "^#define ZELKOVA_VERSION_(MAJOR|MINOR) ")
string(REGEX REPLACE ".*MAJOR ([0-9]+);.*MINOR ([0-9]+).*" "\\1.\\2" ZELKOVA_VERSION "${version_lines}")
configure_file(resources/Zelkova.manifest.in ${CMAKE_BINARY_DIR}/manifest/Zelkova.manifest @ONLY)
set_source_files_properties(resources/Zelkova.rc PROPERTIES
                            INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/manifest
                            OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/manifest/Zelkova.manifest)
add_executable(Zelkova WIN32 ui/WinMain.cpp resources/Zelkova.rc)
target_link_libraries(Zelkova PRIVATE zelkova_ui zelkova_warnings)
zelkova_add_resources(Zelkova)
# Zelkova.exe ships without its debug information: mapping some 15 MB of DWARF at every start
# costs more than the whole window takes to build. The symbols stay beside it in Zelkova.dbg.
# objcopy writes the PE header's time stamp afresh (the time now, or SOURCE_DATE_EPOCH): 0, as
# the linker leaves it, keeps two builds of the same sources alike.
if(MINGW AND CMAKE_OBJCOPY)
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
  add_custom_command(TARGET Zelkova POST_BUILD
    COMMAND ${objcopy} --only-keep-debug Zelkova.exe Zelkova.dbg
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=Zelkova.dbg Zelkova.exe
    WORKING_DIRECTORY $<TARGET_FILE_DIR:Zelkova>
    COMMENT "Moving Zelkova.exe's debug information to Zelkova.dbg")
endif()

# Win32 test programs: each file is one program, run whole by one CTest test under Wine.
file(GLOB win_test_support CONFIGURE_DEPENDS tests/support/*.cpp)
# libdeflate, the second reference decoder, is there natively only (no MinGW build in Debian).
list(FILTER win_test_support EXCLUDE REGEX "/Libdeflate\\.cpp$")
add_library(zelkova_win_test_support STATIC ${win_test_support})
target_include_directories(zelkova_win_test_support PUBLIC tests ${CMAKE_SOURCE_DIR})
# zlib (Debian's MinGW build) makes test fixtures: deflate streams and skin archives.
find_library(ZELKOVA_TEST_ZLIB NAMES libz.a z REQUIRED)
target_link_libraries(zelkova_win_test_support PUBLIC zelkova_win32 GTest::gtest GTest::gmock ${ZELKOVA_TEST_ZLIB}
                      PRIVATE zelkova_warnings)

# A Win32 program of the tests: the test support, and the layers it and its helpers include.
function(zelkova_win_program name src)
  target_link_libraries(${name} PRIVATE zelkova_win_test_support zelkova_warnings)
  zelkova_link_included_layers(${name} ${src})
  zelkova_add_resources(${name})
endfunction()

# Stand-in programs the tests start (a fake Registry Editor, a trivial window, ...).
file(GLOB helper_programs CONFIGURE_DEPENDS tests/programs/*.cpp)
foreach(src IN LISTS helper_programs)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} WIN32 ${src})
  target_link_libraries(${name} PRIVATE zelkova_win32 zelkova_warnings)
  zelkova_link_included_layers(${name} ${src})
  zelkova_add_resources(${name})
  list(APPEND helper_targets ${name})
endforeach()

foreach(kind win e2e)
  file(GLOB tests CONFIGURE_DEPENDS tests/${kind}/*_test.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(name ${src} NAME_WE)
    set(target ${kind}_${name})
    add_executable(${name} ${src})
    zelkova_win_program(${name} ${src})
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${target})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    if(helper_targets)
      add_dependencies(${name} ${helper_targets})
    endif()
    if(kind STREQUAL "e2e")
      add_dependencies(${name} Zelkova)
    endif()
    add_test(NAME ${target} COMMAND ${name})
    set_tests_properties(${target} PROPERTIES LABELS ${kind} TIMEOUT 600)
    # The end-to-end tests drive Zelkova.exe through the one desktop, clipboard and settings
    # file of the prefix, as the clipboard test uses the clipboard: never two at once, even
    # under ctest -j.
    if(kind STREQUAL "e2e" OR target STREQUAL "win_win_clipboard_test")
      set_property(TEST ${target} APPEND PROPERTY RESOURCE_LOCK zelkova_desktop)
    endif()
  endforeach()
endforeach()

file(GLOB win_benches CONFIGURE_DEPENDS bench/win/*_bench.cpp)
foreach(src IN LISTS win_benches)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  zelkova_win_program(${name} ${src})
  if(helper_targets)
    add_dependencies(${name} ${helper_targets})
  endif()
endforeach()

# Some tests put a stand-in over the Windows folder's regedit.exe for a while, and every test
# that drives an editor finds it by its window class: they must not run at the same time.
foreach(test win_win_editor_automation_test e2e_jump_test e2e_favourites_test e2e_wine_regedit_test
             e2e_frozen_editor_test e2e_tray_test)
  if(TEST ${test})
    set_property(TEST ${test} APPEND PROPERTY RESOURCE_LOCK registry_editor)
  endif()
endforeach()
