# The suggestion line's alternatives over the shared corpus.
add_executable(bench_suggest SuggestBench.cpp)
target_link_libraries(bench_suggest PRIVATE sahdict_search sahdict_dict benchmark::benchmark)
target_compile_definitions(bench_suggest PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
