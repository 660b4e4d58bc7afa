# Search inside articles over the shared corpus: building the index, and queries.
add_executable(bench_fulltext FullTextBench.cpp)
target_link_libraries(bench_fulltext PRIVATE sahdict_search sahdict_dict benchmark::benchmark)
target_compile_definitions(bench_fulltext PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
