# sahdict_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [QT] [ENV <k=v...>])
# One test executable per unit, registered with CTest. QT tests run offscreen.
function(sahdict_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    SAHDICT_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    SAHDICT_CORPUS_PATH="${SAHDICT_CORPUS}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env ${T_ENV})
  if(T_QT)
    list(APPEND env QT_QPA_PLATFORM=offscreen)
  endif()
  if(env)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
  endif()
endfunction()
