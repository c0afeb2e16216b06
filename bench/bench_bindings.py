"""The geometry outputs of the Python module against the plain zone areas.

Time and peak memory of each, every one in a fresh interpreter so the peaks do
not mix. Run with the module installed:

    python3 bench/bench_bindings.py [TREES] [K]

(default 10**6 trees, order 1, a uniform stand of 400 trees per hectare).
"""

import subprocess
import sys

CASES = {
    "zone_areas": "kavrel.zone_areas(trees, stand, k)",
    "inclusion_zones": "kavrel.inclusion_zones(trees, stand, k)",
    "zones_geojson": "kavrel.zones_geojson(trees, stand, k)",
}

CASE = """
import resource, time
import numpy as np
import kavrel
side = ({trees} / 0.04) ** 0.5
stand, k = (side, side), {k}
trees = np.random.default_rng(1).uniform(0, side, ({trees}, 2))
start = time.perf_counter()
result = {call}
seconds = time.perf_counter() - start
print(seconds, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024)
"""


def run_case(call, trees, k):
    output = subprocess.run(
        [sys.executable, "-c", CASE.format(trees=trees, k=k, call=call)], check=True, capture_output=True, text=True
    ).stdout
    seconds, megabytes = (float(value) for value in output.split())
    return seconds, megabytes


def main():
    trees = int(float(sys.argv[1])) if len(sys.argv) > 1 else 10**6
    k = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    import kavrel

    print(f"{trees} trees, order {k}, {kavrel.default_threads()} threads")
    figures = {name: run_case(call, trees, k) for name, call in CASES.items()}
    base_seconds, base_megabytes = figures["zone_areas"]
    for name, (seconds, megabytes) in figures.items():
        print(
            f"{name:28s} {seconds:7.2f} s ({seconds / base_seconds:4.2f}x)  "
            f"{megabytes:7.0f} MB ({megabytes / base_megabytes:4.2f}x)"
        )


if __name__ == "__main__":
    main()
