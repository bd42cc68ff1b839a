#!/usr/bin/env bash
# Draws the benchmark's figures as a chart with gnuplot (Debian's gnuplot-nox):
# every screen's frame time at every window size, in milliseconds beside the
# floor, and as a multiple of the floor. Bars are medians, whiskers reach the
# 99th percentile.
#   bench/chart.sh [bench.json] [docs/bench.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
json=${1:-$root/bench.json}
png=${2:-$root/docs/bench.png}
command -v gnuplot >/dev/null || { echo "gnuplot is missing: apt-get install gnuplot-nox" >&2; exit 1; }

table=$(mktemp "${TMPDIR:-/tmp}/woodrun-chart.XXXXXX")
trap 'rm -f "$table"' EXIT

# One row per window size: the floor, then menu, settings and play, each a
# median and a p99 in milliseconds, then the three as multiples of the floor.
awk '
function field(name,   m) {
    if (match($0, "\"" name "\": \"?[^,}\"]+")) {
        m = substr($0, RSTART, RLENGTH); sub(/^[^:]*: "?/, "", m); return m
    }
    return ""
}
/"median_ms"/ {
    size = field("width") "x" field("height")
    if (!(size in seen)) { seen[size] = 1; order[++count] = size }
    screen = field("screen")
    if (screen == "") { floor_ms[size] = field("median_ms") " " field("p99_ms"); next }
    ms[size, screen] = field("median_ms") " " field("p99_ms")
    times[size, screen] = field("median_x_floor") " " field("p99_x_floor")
}
END {
    for (i = 1; i <= count; ++i) {
        s = order[i]
        print s, floor_ms[s], ms[s, "menu"], ms[s, "settings"], ms[s, "play"], \
              times[s, "menu"], times[s, "settings"], times[s, "play"]
    }
}' "$json" >"$table"

gnuplot <<EOF
set terminal pngcairo size 1200,900 font "DejaVu Sans,11"
set output "$png"
set multiplot layout 2,1 title "woodrun frame times, Mesa llvmpipe in software, 2 cores (bars: median, whiskers: p99)"
set style data histogram
set style histogram errorbars gap 2 lw 1
set style fill solid 0.85 border -1
set grid ytics
set key top left
set yrange [0:*]
set ylabel "milliseconds per frame"
set arrow 1 from graph 0, first 16.67 to graph 1, first 16.67 nohead dt 2 lc rgb "#aa0000"
set label 1 "60 frames a second" at graph 0.01, first 17.8 tc rgb "#aa0000"
plot "$table" using 2:2:3:xtic(1) title "floor" lc rgb "#777777", \
     "" using 4:4:5 title "menu" lc rgb "#3465a4", \
     "" using 6:6:7 title "settings" lc rgb "#73d216", \
     "" using 8:8:9 title "play" lc rgb "#cc6600"
unset arrow 1
unset label 1
set ylabel "multiple of the floor"
set arrow 2 from graph 0, first 1.5 to graph 1, first 1.5 nohead dt 2 lc rgb "#aa0000"
set label 2 "1.5 x floor" at graph 0.01, first 1.6 tc rgb "#aa0000"
plot "$table" using 10:10:11:xtic(1) title "menu" lc rgb "#3465a4", \
     "" using 12:12:13 title "settings" lc rgb "#73d216", \
     "" using 14:14:15 title "play" lc rgb "#cc6600"
unset multiplot
EOF
echo "chart written to $png"
