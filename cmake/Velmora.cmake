# Helpers shared by the folder CMakeLists files.

# velmora_sources(CORE a.cpp b.cpp UI c.cpp d.cpp)
# Core sources must not use QtWidgets; UI sources may.
function(velmora_sources)
  cmake_parse_arguments(VS "" "" "CORE;UI" ${ARGN})
  foreach(f IN LISTS VS_CORE)
    target_sources(velmora_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
  foreach(f IN LISTS VS_UI)
    target_sources(velmora_ui PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# velmora_test(NAME source.cpp [more sources] [CORE] [LABELS label...])
# A QtTest executable run by CTest on the offscreen platform. With CORE it
# links only the core library. LABELS are CTest labels ("parsers": the tests
# of the readers of outside bytes, also run in the sanitizer build; "tsan":
# the tests of the worker threads, run in the ThreadSanitizer build); the
# target tests_<label> builds the tests of a label.
function(velmora_test name)
  cmake_parse_arguments(VT "CORE" "" "LABELS" ${ARGN})
  add_executable(${name} ${VT_UNPARSED_ARGUMENTS})
  if(VT_CORE)
    target_link_libraries(${name} PRIVATE velmora_core Qt5::Test)
  else()
    target_link_libraries(${name} PRIVATE velmora_ui velmora_resources Qt5::Test)
  endif()
  if(VELMORA_TSAN)
    # Qt's mutex seen by ThreadSanitizer where our templates lock it.
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/platform/QtLocksForTsan.cpp)
    target_link_libraries(${name} PRIVATE ${CMAKE_DL_LIBS})
  endif()
  target_compile_definitions(${name} PRIVATE
    VELMORA_TESTDATA="${CMAKE_SOURCE_DIR}/tests/data"
    VELMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VELMORA_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  if(NOT VT_CORE)
    add_dependencies(${name} velmora_translations)
  endif()
  # Every test gets its own home, so the user's settings, documents and trash
  # are never touched and tests do not see each other's files.
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  add_test(NAME ${name} COMMAND sh -c
    "rm -rf \"$1\" && mkdir -p \"$1/runtime\" && chmod 700 \"$1/runtime\" && exec \"$0\""
    $<TARGET_FILE:${name}> ${home})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;TSAN_OPTIONS=halt_on_error=1 second_deadlock_stack=1 suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/runtime"
    TIMEOUT 300)
  if(VT_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${VT_LABELS}")
  endif()
  # tests_<label> builds every test of that label.
  foreach(label IN LISTS VT_LABELS)
    if(NOT TARGET tests_${label})
      add_custom_target(tests_${label})
    endif()
    add_dependencies(tests_${label} ${name})
  endforeach()
endfunction()
