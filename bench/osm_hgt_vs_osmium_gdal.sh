#!/usr/bin/env bash
# rovex-cli's OSM and SRTM converters beside osmium-tool and GDAL, in one run
# on the same generated inputs:
#   convert osm-gpx      vs  osmium cat -f opl            (at least as fast; under 200 MiB on the 1 GB file)
#   convert osm-cameras  vs  osmium tags-filter n/highway=speed_camera   (at least as fast)
#   convert hgt-gpx      vs  gdal_contour -i 20           (within 2 times)
# The OSM files are generated XML extracts of OSM_BENCH_MB megabytes each
# (default "200 1024"); the tile is one synthetic 1201 x 1201 N45E006.hgt.
# Each run is timed BENCH_RUNS times (default 2), best wall time and highest
# peak resident memory kept. Prints a table with the ratios (peer time /
# rovex time: above 1 means rovex-cli is faster) and PASS or FAIL per target;
# exits 1 when a target is missed.
#   bench/osm_hgt_vs_osmium_gdal.sh BUILD_DIR
set -euo pipefail
build=${1:-build-bench}
cli="$build/bin/rovex-cli"
gen_osm="$build/bin/gen_osm_xml"
gen_hgt="$build/bin/gen_hgt_tile"
sizes=${OSM_BENCH_MB:-200 1024}
runs=${BENCH_RUNS:-2}
name=osm_hgt_vs_osmium_gdal
for tool in "$cli" "$gen_osm" "$gen_hgt"; do
  [ -x "$tool" ] || { echo "$name: $tool is missing (make bench builds it)" >&2; exit 2; }
done

# The peers are benchmark tools, not something ROVEX needs: installed here, and only when missing.
need=()
command -v osmium >/dev/null || need+=(osmium-tool)
command -v gdal_contour >/dev/null || need+=(gdal-bin)
[ -x /usr/bin/time ] || need+=(time)
if [ ${#need[@]} -gt 0 ] && command -v apt-get >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "$name: installing ${need[*]}"
  $sudo apt-get install -y --no-install-recommends "${need[@]}" >/dev/null || true
fi
for peer in osmium gdal_contour; do
  command -v "$peer" >/dev/null || { echo "$name: $peer is not installed (osmium-tool, gdal-bin)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/rovex-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

# "SECONDS KIB CPU" of one run: wall time, peak resident memory and CPU
# seconds (user + system) of the process.
# GNU time when there is one; else Python's rusage of its child, which is
# the same kernel figure.
measure_once() {
  local out="$work/measure"
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -o "$out" -f '%e %M %U %S' "$@" >/dev/null 2>"$work/stderr" || { cat "$work/stderr" >&2; return 1; }
    tail -1 "$out" | awk '{ printf "%s %s %.2f\n", $1, $2, $3 + $4 }'
  else
    python3 - "$@" <<'PY' 2>"$work/stderr" || { cat "$work/stderr" >&2; return 1; }
import resource, subprocess, sys, time
start = time.monotonic()
code = subprocess.call(sys.argv[1:], stdout=subprocess.DEVNULL)
wall = time.monotonic() - start
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print("%.2f %d %.2f" % (wall, usage.ru_maxrss, usage.ru_utime + usage.ru_stime))
sys.exit(code)
PY
  fi
}

# Best wall time (with that run's CPU time) and highest peak memory of
# BENCH_RUNS runs; "@RUN@" in an argument becomes the run's number (for a
# tool that will not overwrite).
measure() {
  local best="" best_cpu="" peak=0 wall kib cpu
  for ((k = 0; k < runs; k++)); do
    read -r wall kib cpu <<<"$(measure_once "${@//@RUN@/$k}")"
    if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$wall
      best_cpu=$cpu
    fi
    [ "$kib" -gt "$peak" ] && peak=$kib
  done
  echo "$best $peak $best_cpu"
}

rows=()
failed=0
# row LABEL TARGET OURS_S OURS_KIB OURS_CPU PEER_S PEER_KIB PEER_CPU MIN_RATIO [MAX_KIB]
# The target is judged on wall time; CPU time is shown beside it, since a
# busy neighbour on a shared machine stretches wall time alone.
row() {
  local label=$1 target=$2 ours=$3 ours_kib=$4 ours_cpu=$5 peer=$6 peer_kib=$7 peer_cpu=$8 min_ratio=$9
  local max_kib=${10:-0} ratio result
  ratio=$(awk -v p="$peer" -v o="$ours" 'BEGIN { printf "%.2f", p / (o > 0 ? o : 0.01) }')
  result=PASS
  awk -v r="$ratio" -v m="$min_ratio" 'BEGIN { exit !(r < m) }' && result=FAIL
  [ "$max_kib" -gt 0 ] && [ "$ours_kib" -ge "$max_kib" ] && result=FAIL
  [ $result = FAIL ] && failed=1
  rows+=("$(printf '%-34s %7.2f %7.2f %6d %7.2f %7.2f %6d %6s  %-24s %s' "$label" "$ours" "$ours_cpu" \
    $((ours_kib / 1024)) "$peer" "$peer_cpu" $((peer_kib / 1024)) "$ratio" "$target" "$result")")
}

has_osm_gpx=0
"$cli" convert --help 2>/dev/null | grep -q 'osm-gpx' && has_osm_gpx=1

for mb in $sizes; do
  osm="$work/extract-${mb}mb.osm"
  start=$(date +%s.%N)
  echo "$name: generating ${mb} MB of OSM XML: $("$gen_osm" "$mb" "$osm")"
  echo "$name: generated in $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s"

  # Both must have found the same cameras before their times mean anything.
  "$cli" convert osm-cameras "$osm" "$work/cams.txt" --force >/dev/null
  osmium tags-filter "$osm" n/highway=speed_camera -o "$work/cams.osm" --overwrite
  ours_cams=$(wc -l <"$work/cams.txt")
  their_cams=$(grep -c 'v="speed_camera"' "$work/cams.osm" || true)
  [ "$ours_cams" -eq "$their_cams" ] && [ "$ours_cams" -gt 0 ] ||
    { echo "$name: rovex-cli found $ours_cams cameras, osmium $their_cams" >&2; exit 1; }
  read -r o_s o_k o_c <<<"$(measure "$cli" convert osm-cameras "$osm" "$work/cams.txt" --force)"
  read -r p_s p_k p_c <<<"$(measure osmium tags-filter "$osm" n/highway=speed_camera -o "$work/cams.osm" --overwrite)"
  row "osm-cameras ${mb} MB vs tags-filter" "at least as fast" "$o_s" "$o_k" "$o_c" "$p_s" "$p_k" "$p_c" 1.0

  if [ $has_osm_gpx = 1 ]; then
    read -r o_s o_k o_c <<<"$(measure "$cli" convert osm-gpx "$osm" "$work/out.gpx" --force)"
    rm -f "$work/out.gpx"
    read -r p_s p_k p_c <<<"$(measure osmium cat -f opl "$osm" -o "$work/out.opl" --overwrite)"
    rm -f "$work/out.opl"
    if [ "$mb" -ge 1024 ]; then
      row "osm-gpx ${mb} MB vs cat -f opl" "as fast, under 200 MiB" "$o_s" "$o_k" "$o_c" "$p_s" "$p_k" "$p_c" 1.0 $((200 * 1024))
    else
      row "osm-gpx ${mb} MB vs cat -f opl" "at least as fast" "$o_s" "$o_k" "$o_c" "$p_s" "$p_k" "$p_c" 1.0
    fi
  else
    rows+=("$(printf '%-34s %s' "osm-gpx ${mb} MB vs cat -f opl" "skipped: this rovex-cli has no convert osm-gpx")")
  fi
  rm -f "$osm" "$work"/cams.*
done

tile="$work/N45E006.hgt"
"$gen_hgt" "$tile"
read -r o_s o_k o_c <<<"$(measure "$cli" convert hgt-gpx "$tile" "$work/contours.gpx" --force)"
segments=$(grep -c '<trkseg>' "$work/contours.gpx")
read -r p_s p_k p_c <<<"$(measure gdal_contour -q -i 20 "$tile" "$work/contours-gdal-@RUN@.shp")"
[ "$segments" -gt 0 ] && [ -s "$work/contours-gdal-0.shp" ] ||
  { echo "$name: a contour run wrote nothing" >&2; exit 1; }
row "hgt-gpx N45E006 vs gdal_contour" "within 2 times" "$o_s" "$o_k" "$o_c" "$p_s" "$p_k" "$p_c" 0.5

printf '%-34s %7s %7s %6s %7s %7s %6s %6s  %-24s %s\n' "" "rovex s" "cpu s" "MiB" "peer s" "cpu s" "MiB" "ratio" \
  "target" "result"
printf '%s\n' "${rows[@]}"
if [ $failed = 1 ]; then
  echo "$name: FAILED, a target was missed" >&2
  exit 1
fi
