#!/usr/bin/env bash
# Runs every benchmark (5 repetitions each) in a Release build of its own and
# prints one table: measure, ours, reference, ratio (same run), goal, met?
# Times are medians of the repetitions, in CPU time of the benchmark thread,
# so that other work on the machine disturbs them as little as it can; the
# machine and its load are printed with the table.
#
#   scripts/bench.sh [BUILD_DIR]      (default build-bench; KWPND_BENCH_REPS=5;
#                                      KWPND_BENCH_NO_BUILD=1 uses the build as it is)
#
# The table is Markdown, ready for bench/README.md.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build-bench}
reps=${KWPND_BENCH_REPS:-5}
benches=(generation_bench ini_lookup_bench fit_text_bench barcode_bench surface_line_bench design_bench)

if [[ ${KWPND_BENCH_NO_BUILD:-0} != 1 ]]; then
  if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build" -j2 --target "${benches[@]}" kwpnd >/dev/null
fi

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
export QT_QPA_PLATFORM=offscreen
for bench in "${benches[@]}"; do
  echo "running $bench ..." >&2
  "$build/bench/$bench" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$results/$bench.json" --benchmark_out_format=json >/dev/null
done

# kwpnd render of the invoice: CPU seconds and peak memory of whole runs.
echo "running kwpnd render ..." >&2
for ((i = 0; i < reps; i++)); do
  /usr/bin/time -f '%U %S %M' -a -o "$results/render.txt" \
    "$build/src/app/kwpnd" render "$source_dir/examples/invoice/layout.ini" \
    -d "$source_dir/examples/invoice/data.ini" -o "$results/invoice.png" 2>/dev/null >/dev/null
done

python3 - "$results" <<'PY'
import json, os, statistics, sys
folder = sys.argv[1]
rows = {}
for name in os.listdir(folder):
    if name.endswith(".json"):
        for b in json.load(open(os.path.join(folder, name)))["benchmarks"]:
            if b.get("aggregate_name") == "median":
                rows[b["run_name"]] = b

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
def seconds(name):
    b = rows.get(name)
    return None if b is None else b["cpu_time"] * UNITS[b["time_unit"]]
def rate(name, counter="items_per_second"):
    b = rows.get(name)
    return None if b is None else b.get(counter)
def show(s):
    if s is None: return "n/a"
    if s >= 1: return f"{s:.2f} s"
    if s >= 1e-3: return f"{s * 1e3:.2f} ms"
    return f"{s * 1e6:.1f} µs"

table = []  # measure, ours, reference, ratio, goal, met
def add(measure, ours, ref, ratio, goal, met, note=""):
    mark = "n/a" if met is None else ("yes" if met else "no")
    if note: mark += f" ({note})"
    table.append((measure, ours, ref, ratio, goal, mark))

# Page walk against a bare QPainter, at three sizes.
for n in (50, 125, 253):
    ours, ref = seconds(f"BM_GeneratePage/{n}"), seconds(f"BM_ReferenceBareQPainter/{n}")
    ratio = ours / ref if ours and ref else None
    goal = "≤ 1.3×" if n == 253 else "near-linear"
    met = (ratio <= 1.3) if (n == 253 and ratio) else None
    add(f"Page of {n} text fields (+2 option sections) vs bare QPainter", show(ours), show(ref),
        f"{ratio:.2f}×" if ratio else "n/a", goal, met)

ours, ref = seconds("BM_HandlerPointerMove"), seconds("BM_ScanAfreshPointerMove")
add("Pointer-move look-up pass over 255 sections (ref: scan the file per look-up)", show(ours), show(ref),
    f"{ref / ours:.0f}× faster" if ours and ref else "n/a", "≤ 20 µs", ours is not None and ours <= 20e-6)

for symbol, k, z in (("Code 39", "BM_KwpndCode39", "BM_ZintCode39"), ("EAN-13", "BM_KwpndEAN13", "BM_ZintEAN13"),
                     ("UPC-A", "BM_KwpndUPC", "BM_ZintUPC")):
    ours, ref = rate(k), rate(z)
    ratio = ours / ref if ours and ref else None
    add(f"{symbol} symbol on a surface vs libzint (symbols/s)", f"{ours:,.0f}/s" if ours else "n/a",
        f"{ref:,.0f}/s" if ref else "n/a", f"{ratio:.2f}×" if ratio else "n/a", "≥ 1.0×",
        ratio is not None and ratio >= 1.0)

ours = rate("BM_KwpndEvalbar")
add("Evalbar, symbols per second", f"{ours:,.0f}/s" if ours else "n/a", "—", "—", "≥ 50,000/s",
    ours is not None and ours >= 50000)

fit = {n: seconds(f"BM_FitTextA4/{n}") for n in (500, 2000, 8000)}
for n in (500, 2000, 8000):
    ours, ref = fit[n], seconds(f"BM_ReferenceQtWordWrap/{n}")
    ratio = ours / ref if ours and ref else None
    if n == 2000:
        goal, met = "≤ 5 ms", ours is not None and ours <= 5e-3
    elif n == 8000:
        grow = ours / fit[2000] if ours and fit[2000] else None
        goal, met = f"≤ 4.5× the 2,000 row (is {grow:.2f}×)" if grow else "≤ 4.5× the 2,000 row", \
            grow is not None and grow <= 4.5
    else:
        goal, met = "near-linear", None
    add(f"FitText, {n:,} characters on A4, justified, shadow (ref: Qt justified wrap, drawn twice)",
        show(ours), show(ref), f"{ratio:.2f}×" if ratio else "n/a", goal, met)

ours, ref = seconds("BM_KwpndSheetOf30"), seconds("BM_ZintSheetOf30")
add("Label sheet of 30 sequential EAN-13 labels vs libzint", show(ours), show(ref),
    f"{ours / ref:.2f}×" if ours and ref else "n/a", "—", None)

# The fixture sheets the image test renders, at three sizes.
for n in (30, 300, 1000):
    ours = seconds(f"BM_KwpndLabelSheet/{n}")
    per = f" ({ours / n * 1e6:.1f} µs a label)" if ours else ""
    goal, met = ("≤ 100 ms", ours is not None and ours <= 0.1) if n == 1000 else ("near-linear", None)
    add(f"Label sheet of {n:,} sequential EAN-13 labels (fixture labels{n})", show(ours) + per, "—", "—", goal, met)

ours, ref = seconds("BM_SurfaceLines"), seconds("BM_ReferenceQPainterLines")
add("5,000 Line calls on a surface vs bare QPainter", show(ours), show(ref),
    f"{ours / ref:.2f}×" if ours and ref else "n/a", "—", None)

# The design aids on the page of 253 fields.
ours, ref = seconds("BM_PointerMove"), seconds("BM_PointerLookupPassReference")
add("Pointer move over the designer, 255 sections (ref: the bare look-up pass)", show(ours), show(ref),
    f"{ours / ref:.2f}×" if ours and ref else "n/a", "—", None)
ours, ref = seconds("BM_AdjusterNudge"), seconds("BM_AdjusterPageReference")
add("Adjuster nudge on 253 fields: write, regenerate, refocus (ref: regenerate with adjusters)", show(ours),
    show(ref), f"{ours / ref:.2f}×" if ours and ref else "n/a", "—", None)

runs = [line.split() for line in open(os.path.join(folder, "render.txt")) if line.strip()]
runs = [r for r in runs if len(r) == 3 and r[0][0].isdigit()]
if runs:
    cpu = statistics.median(float(u) + float(s) for u, s, _ in runs)
    rss = statistics.median(int(m) for _, _, m in runs) / 1024
    add("kwpnd render of the invoice: CPU, peak RSS", f"{cpu:.2f} s, {rss:.0f} MB", "—", "—",
        "≤ 0.12 s, ≤ 40 MB", cpu <= 0.12 and rss <= 40)

print("| Measure | Ours | Reference | Ratio (same run) | Goal | Met? |")
print("|---|---|---|---|---|---|")
for row in table:
    print("| " + " | ".join(row) + " |")
PY

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo
echo "Machine: $(nproc) CPUs, $cpu. Load at the end: $(uptime | sed 's/.*load average: //')."
