# The benchmark programs, one bench/<name>.cpp each. The test build runs them from a Release build.
set(VEX_BENCHMARKS
    bench_packets
    bench_picture
    bench_netchannel
    bench_preview
    bench_serial
    bench_broker
)
set(VEX_BENCHMARK_LIBS_bench_netchannel vexprintersim)
set(VEX_BENCHMARK_LIBS_bench_broker vexprintersim)
set(VEX_BENCHMARK_LIBS_bench_preview ZXing::ZXing)
if(VEX_BUILD_APP)
    list(APPEND VEX_BENCHMARKS bench_startup bench_fleet bench_history bench_reconnect)
    set(VEX_BENCHMARK_LIBS_bench_startup vexapp Qt6::Test)
    set(VEX_BENCHMARK_LIBS_bench_fleet vexapp vexprintersim Qt6::Test)
    set(VEX_BENCHMARK_LIBS_bench_history vexapp Qt6::Test)
    set(VEX_BENCHMARK_LIBS_bench_reconnect vexapp vexprintersim Qt6::Test)
endif()
