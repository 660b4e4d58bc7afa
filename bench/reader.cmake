# The reader's lists: history appends and loads.
add_executable(bench_reader ReaderBench.cpp)
target_link_libraries(bench_reader PRIVATE sahdict_journal benchmark::benchmark)
