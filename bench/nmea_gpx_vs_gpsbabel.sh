#!/usr/bin/env bash
# rovex-cli convert nmea-gpx against gpsbabel's NMEA to GPX conversion on the
# same generated 1,000,000-line log (GGA, RMC, GSA, GSV at 1 Hz). Each is run
# three times and its best run kept. Fails when rovex-cli is not at least 5
# times faster. Also prints the peak memory of each, which for rovex-cli must
# not grow with the log (it streams).
#   bench/nmea_gpx_vs_gpsbabel.sh BUILD_DIR
set -euo pipefail
build=${1:-build-bench}
cli="$build/bin/rovex-cli"
gen="$build/bin/gen_nmea_log"
lines=1000000
target=5
for tool in "$cli" "$gen"; do
  [ -x "$tool" ] || { echo "nmea_gpx_vs_gpsbabel: $tool is missing (make bench builds it)" >&2; exit 2; }
done
command -v gpsbabel >/dev/null || { echo "nmea_gpx_vs_gpsbabel: gpsbabel is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/drive.log"
small="$work/small.log"
"$gen" "$lines" "$log"
"$gen" $((lines / 10)) "$small"

# "WALL CPU" seconds of the run with the least CPU time out of three. CPU time
# (user + system) decides: the machine may be shared, and a busy neighbour
# stretches wall time without saying anything about either program.
best_of_three() {
  local best_cpu="" best_wall="" out wall cpu
  for _ in 1 2 3; do
    out=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null 2>&1; } 2>&1 )
    wall=$(awk '{ print $1 }' <<<"$out")
    cpu=$(awk '{ printf "%.3f", $2 + $3 }' <<<"$out")
    if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
      best_cpu=$cpu
      best_wall=$wall
    fi
  done
  echo "$best_wall $best_cpu"
}

# Peak resident memory in KiB of one run.
peak_kib() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1
}

# Both must really have converted the log: every point, no thinning.
"$cli" convert nmea-gpx "$log" "$work/ours.gpx" --force --distance -1 >/dev/null
ours_points=$(grep -c '<trkpt' "$work/ours.gpx")
TZ=UTC gpsbabel -i nmea -f "$log" -o gpx -F "$work/theirs.gpx"
their_points=$(grep -c '<trkpt' "$work/theirs.gpx")
[ "$ours_points" -gt 0 ] && [ "$their_points" -gt 0 ] ||
  { echo "nmea_gpx_vs_gpsbabel: a converter wrote no track points" >&2; exit 1; }

read -r ours_wall ours <<<"$(best_of_three "$cli" convert nmea-gpx "$log" "$work/ours.gpx" --force --distance -1)"
read -r theirs_wall theirs <<<"$(best_of_three env TZ=UTC gpsbabel -i nmea -f "$log" -o gpx -F "$work/theirs.gpx")"
ratio=$(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 0.001) }')
printf 'log: %d lines (%d track points from rovex-cli, %d from gpsbabel)\n' "$lines" "$ours_points" "$their_points"
printf '                        cpu s    wall s\n'
printf 'rovex-cli nmea-gpx   %8.3f  %8.3f\n' "$ours" "$ours_wall"
printf 'gpsbabel (gpx)       %8.3f  %8.3f\n' "$theirs" "$theirs_wall"
printf 'ratio (cpu)          %8.1f x   (target at least %d x)\n' "$ratio" "$target"
if [ -x /usr/bin/time ]; then
  small_kib=$(peak_kib "$cli" convert nmea-gpx "$small" "$work/s.gpx" --force --distance -1)
  big_kib=$(peak_kib "$cli" convert nmea-gpx "$log" "$work/b.gpx" --force --distance -1)
  babel_kib=$(peak_kib env TZ=UTC gpsbabel -i nmea -f "$log" -o gpx -F "$work/t.gpx")
  printf 'peak memory: rovex-cli %d KiB (%d KiB on a log a tenth as long), gpsbabel %d KiB\n' \
    "$big_kib" "$small_kib" "$babel_kib"
fi
if awk -v r="$ratio" -v t="$target" 'BEGIN { exit !(r < t) }'; then
  echo "nmea_gpx_vs_gpsbabel: FAILED, rovex-cli convert nmea-gpx is less than $target times faster" >&2
  exit 1
fi
