# Article rendering, the language check and the grammar engine over the shared corpus.
add_executable(bench_pages PageBench.cpp)
target_link_libraries(bench_pages PRIVATE sahdict_render sahdict_grammar sahdict_langcheck sahdict_dict
                      benchmark::benchmark)
target_compile_definitions(bench_pages PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
