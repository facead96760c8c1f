#!/usr/bin/env python3
# korvada-cli render against its floor (render_floor), whole processes run
# in turns: medians of CPU time (user + system, steadier than wall time on
# a shared machine), wall time and the paired ratios.
#
#   g++ -O2 -std=c++20 -fPIC $(pkg-config --cflags Qt6Gui) render_floor.cpp \
#       -o /tmp/render_floor $(pkg-config --libs Qt6Gui Qt6Core)
#   for n in 0 1000 10000 100000; do python3 make_drawing.py $n /tmp/mixed_$n.kvd; done
#   python3 compare_render.py build/korvada-cli /tmp/render_floor /tmp 11 0,1000,10000,100000
#
# `make bench` builds the floor (korvada-render-floor) and runs this after
# the suite. Where rsvg-convert is installed, the same drawing exported as
# SVG is rendered by it too, in turns with render, for a second yardstick.
import os
import shutil
import statistics as st
import sys
import time

cli, floor, folder = sys.argv[1], sys.argv[2], sys.argv[3]
runs = int(sys.argv[4]) if len(sys.argv) > 4 else 11
sizes = sys.argv[5].split(',') if len(sys.argv) > 5 else ['1000', '10000', '100000']


def run(argv):
    start = time.perf_counter()
    pid = os.spawnv(os.P_NOWAIT, argv[0], argv)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f'failed: {argv}')
    return usage.ru_utime + usage.ru_stime, wall


rsvg = shutil.which('rsvg-convert')
for size in sizes:
    drawing = os.path.join(folder, f'mixed_{size}.kvd')
    svg = os.path.join(folder, f'mixed_{size}.svg')
    if rsvg:
        run([cli, 'export', drawing, svg])
    rows = []
    svg_rows = []
    for k in range(runs):
        cpu, wall = run([cli, 'render', drawing, os.path.join(folder, 'render.png')])
        fcpu, fwall = run([floor, drawing, os.path.join(folder, 'floor.png')])
        rows.append((cpu, wall, fcpu, fwall, cpu / fcpu, wall / fwall))
        # rsvg-convert takes many times longer: three turns are enough.
        if rsvg and k < 3:
            scpu, swall = run([rsvg, '-o', os.path.join(folder, 'rsvg.png'), svg])
            svg_rows.append((scpu, cpu / scpu, wall / swall))
    m = [st.median(c) for c in zip(*rows)]
    line = (f'{size:>7}: render cpu {m[0]*1e3:.1f} ms wall {m[1]*1e3:.1f} | '
            f'floor cpu {m[2]*1e3:.1f} wall {m[3]*1e3:.1f} | ratio cpu {m[4]:.2f} wall {m[5]:.2f}')
    if svg_rows:
        s = [st.median(c) for c in zip(*svg_rows)]
        line += f' | rsvg-convert cpu {s[0]*1e3:.1f} ms, render/rsvg cpu {s[1]:.2f} wall {s[2]:.2f}'
    print(line)
