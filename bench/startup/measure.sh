#!/usr/bin/env bash
# Start-up of the release build under Xvfb: wall time from process start to the
# first painted main window and peak resident memory, for velbrin and for a bare
# Qt Widgets window built here (empty, and with one label), median of RUNS runs each; and the wall time of
# one ringcode query, process start included.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/packages.sh
ensure_packages "${velbrin_build_packages[@]}" libbenchmark-dev xvfb python3
runs=${RUNS:-15}

configure_preset release
cmake --build --preset release -j "$(nproc)" --target velbrin ringcode >/dev/null
cmake -S bench/startup -B build/startup -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/startup -j "$(nproc)" >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

python3 - "$runs" build/startup/libstartup_probe.so build/release/app/velbrin \
    build/startup/bare_window build/release/cli/ringcode <<'PY'
import os, statistics, subprocess, sys, time

runs, probe, velbrin, bare, ringcode = int(sys.argv[1]), *map(os.path.abspath, sys.argv[2:])

def start_up(command):
    env = dict(os.environ, LD_PRELOAD=probe)
    t0 = time.time_ns()
    out = subprocess.run(command.split(), env=env, capture_output=True, text=True, check=True).stdout
    fields = dict(line.split() for line in out.splitlines() if line.strip())
    return (int(fields["first_paint_ns"]) - t0) / 1e6, int(fields["peak_rss_kb"]) / 1024

def medians(programs):
    for program in programs:
        start_up(program)  # warm the font and file caches once
    # Alternate the programs so that a change in the machine's load hits both.
    samples = {program: [] for program in programs}
    for _ in range(runs):
        for program in programs:
            samples[program].append(start_up(program))
    return [(statistics.median(s[0] for s in samples[p]), statistics.median(s[1] for s in samples[p]))
            for p in programs]

(bare_ms, bare_mib), (text_ms, text_mib), (app_ms, app_mib) = \
    medians([bare, bare + " --text", velbrin])
print(f"runs each:            {runs}")
print(f"bare Qt window:       {bare_ms:7.1f} ms to first paint, {bare_mib:6.1f} MiB peak RSS")
print(f"bare window, a label: {text_ms:7.1f} ms to first paint, {text_mib:6.1f} MiB peak RSS")
print(f"velbrin:              {app_ms:7.1f} ms to first paint, {app_mib:6.1f} MiB peak RSS")
print(f"ratio velbrin / bare: {app_ms / bare_ms:7.3f} time, {app_mib / bare_mib:6.3f} memory")
print(f"ratio velbrin / label:{app_ms / text_ms:7.3f} time, {app_mib / text_mib:6.3f} memory")

def query_ms(query):
    subprocess.run(query, capture_output=True, check=True)
    times = []
    for _ in range(200):
        t0 = time.perf_counter_ns()
        subprocess.run(query, capture_output=True, check=True)
        times.append((time.perf_counter_ns() - t0) / 1e6)
    return statistics.median(times), max(times)

floor_ms, _ = query_ms(["/bin/true"])
query_median, query_max = query_ms([ringcode, "find", "--rings", "4", "4750"])
print(f"ringcode find query:  {query_median:7.2f} ms median, {query_max:.2f} ms max of 200"
      f" (starting /bin/true: {floor_ms:.2f} ms)")

PY
