# The dictionary store, reader, sort and compiled file over the shared corpus.
add_executable(bench_dict DictBench.cpp)
target_link_libraries(bench_dict PRIVATE sahdict_dict sahdict_test_support benchmark::benchmark)
target_compile_definitions(bench_dict PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
