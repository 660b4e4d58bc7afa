# The desktop program's windows over the shared corpus, offscreen.
if(TARGET sahdict_app)
  add_executable(bench_ui UiBench.cpp)
  target_link_libraries(bench_ui PRIVATE sahdict_app Qt6::Test benchmark::benchmark)
  target_compile_definitions(bench_ui PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
endif()
