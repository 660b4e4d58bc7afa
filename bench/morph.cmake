# The Sakha morphology model and sahdict-tool gloss over the shared corpus.
add_executable(bench_morph MorphBench.cpp)
target_link_libraries(bench_morph PRIVATE sahdict_morph sahdict_tool_lib benchmark::benchmark)
target_compile_definitions(bench_morph PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
