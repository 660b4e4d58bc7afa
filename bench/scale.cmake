# The dictionary at one, three and ten times the shared corpus, written by the
# shared scale-corpus.py into the build folder when the bench runs.
find_package(Python3 COMPONENTS Interpreter)
set(SAHDICT_SCALE_SCRIPT "${CMAKE_SOURCE_DIR}/../shared/tools/scale-corpus.py"
    CACHE FILEPATH "Writes N times a dictionary source, for the scale bench")
add_executable(bench_scale ScaleBench.cpp)
target_link_libraries(bench_scale PRIVATE sahdict_dict benchmark::benchmark)
target_compile_definitions(bench_scale PRIVATE
  SAHDICT_CORPUS="${SAHDICT_CORPUS}"
  SAHDICT_SCALE_SCRIPT="${SAHDICT_SCALE_SCRIPT}"
  SAHDICT_SCALE_DIR="${CMAKE_CURRENT_BINARY_DIR}/scale"
  SAHDICT_PYTHON="$<IF:$<BOOL:${Python3_EXECUTABLE}>,${Python3_EXECUTABLE},python3>")
