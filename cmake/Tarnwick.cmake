# tw_library(<name> DIRS <dir>... [FLAT_DIRS <dir>...] [EXCLUDE <regex>] [LIBS <lib>...])
# Collects the sources below the given folders (recursively for DIRS, one level
# for FLAT_DIRS), so that adding a file to a subsystem needs no edit here.
function(tw_library name)
  cmake_parse_arguments(TW "" "EXCLUDE" "DIRS;FLAT_DIRS;LIBS" ${ARGN})
  set(srcs)
  foreach(d IN LISTS TW_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.qrc)
    list(APPEND srcs ${found})
  endforeach()
  foreach(d IN LISTS TW_FLAT_DIRS)
    file(GLOB found CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.qrc)
    list(APPEND srcs ${found})
  endforeach()
  if(TW_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${TW_EXCLUDE}")
  endif()
  if(NOT srcs)
    # Empty subsystem so far: an interface target keeps the link lines valid.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${TW_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${TW_LIBS})
endfunction()

# tw_add_test(<name> SOURCES <file>... LIBS <lib>... [TIMEOUT <s>] [LABELS <l>...])
# Every test runs headless with its own HOME and XDG folders, so nothing
# reaches the real user's settings.
function(tw_add_test name)
  cmake_parse_arguments(TW "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  foreach(src IN LISTS TW_SOURCES)
    if(NOT IS_ABSOLUTE ${src})
      set(src ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    endif()
    if(NOT EXISTS ${src})
      # A lost or renamed test file must not shrink the suite unnoticed.
      message(FATAL_ERROR "${name}: ${src} is missing")
    endif()
  endforeach()
  add_executable(${name} ${TW_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE ${TW_LIBS} Qt5::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(home ${CMAKE_BINARY_DIR}/testhome/${name})
  file(MAKE_DIRECTORY ${home} ${home}/.config ${home}/.local/share ${home}/.cache ${home}/run)
  if(NOT TW_TIMEOUT)
    set(TW_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${TW_TIMEOUT}
    LABELS "${TW_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;XDG_RUNTIME_DIR=${home}/run;TW_SOURCE_DIR=${PROJECT_SOURCE_DIR};TW_BINARY_DIR=${CMAKE_BINARY_DIR};${TW_ENV}")
endfunction()
