"""The benchmarks of the launcher under Wine and of pieceset: python3 -m bench.run."""
