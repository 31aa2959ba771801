#!/usr/bin/env python3
"""Time from process start to the first painted frame of the start window.

Run under a display, e.g.
  xvfb-run -s "-screen 0 1280x1024x24" bench/startup_time.py build/bin/startup-probe 20
"""
import statistics
import subprocess
import sys
import time

probe = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
total, in_main = [], []
for _ in range(runs):
    started = time.time_ns()
    out = subprocess.run([probe], capture_output=True, text=True, check=True).stdout.split()
    entered, painted = int(out[-2]), int(out[-1])
    total.append((painted - started) / 1e6)
    in_main.append((painted - entered) / 1e6)
print(f"process start to first frame: median {statistics.median(total):.1f} ms, "
      f"min {min(total):.1f}, max {max(total):.1f}")
print(f"main() to first frame:        median {statistics.median(in_main):.1f} ms, "
      f"min {min(in_main):.1f}, max {max(in_main):.1f}")
