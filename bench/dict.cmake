# The dictionary store, reader, sort and compiled file over the shared corpus.
add_executable(bench_dict DictBench.cpp)
target_link_libraries(bench_dict PRIVATE sahdict_dict sahdict_test_support benchmark::benchmark)
target_compile_definitions(bench_dict PRIVATE SAHDICT_CORPUS="${SAHDICT_CORPUS}")
# The plain decode of a file, the floor under reading it (run it as a whole process).
add_executable(bench_decode_floor DecodeFloor.cpp)
target_link_libraries(bench_decode_floor PRIVATE sahdict_text)
