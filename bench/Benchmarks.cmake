# The benchmark programs, one bench/<name>.cpp each. The test build runs them from a Release build.
set(VEX_BENCHMARKS
    bench_packets
    bench_picture
    bench_netchannel
    bench_preview
)
set(VEX_BENCHMARK_LIBS_bench_netchannel vexprintersim)
set(VEX_BENCHMARK_LIBS_bench_preview ZXing::ZXing)
