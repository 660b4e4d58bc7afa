# Exports and define over the shared corpus, as runs of sahdict-tool.
add_executable(bench_export ExportBench.cpp)
target_link_libraries(bench_export PRIVATE sahdict_export sahdict_dict benchmark::benchmark)
target_compile_definitions(bench_export PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}"
                                                SAHDICT_TOOL="$<TARGET_FILE:sahdict-tool>")
add_dependencies(bench_export sahdict-tool)
