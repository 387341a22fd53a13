#!/usr/bin/env bash
# rovex-cli parse against gpsbabel's NMEA reader on the same generated
# 200,000-line log (GGA, RMC, GSA, GSV at 1 Hz). Each is run three times and
# its best run kept. Fails when rovex-cli parse is not at least 5 times faster.
#   bench/parse_vs_gpsbabel.sh BUILD_DIR
set -euo pipefail
build=${1:-build-bench}
cli="$build/bin/rovex-cli"
gen="$build/bin/gen_nmea_log"
lines=200000
target=5
for tool in "$cli" "$gen"; do
  [ -x "$tool" ] || { echo "parse_vs_gpsbabel: $tool is missing (make bench builds it)" >&2; exit 2; }
done
command -v gpsbabel >/dev/null || { echo "parse_vs_gpsbabel: gpsbabel is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/drive.log"
"$gen" "$lines" "$log"

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

# Both must really have read the log.
parsed=$("$cli" parse "$log" | grep -c ' GPGGA ')
[ "$parsed" -gt 0 ] || { echo "parse_vs_gpsbabel: rovex-cli parse read no GGA" >&2; exit 1; }
points=$(TZ=UTC gpsbabel -i nmea -f "$log" -o gpx -F - | grep -c '<trkpt')
[ "$points" -gt 0 ] || { echo "parse_vs_gpsbabel: gpsbabel read no track points" >&2; exit 1; }

read -r ours_wall ours <<<"$(best_of_three "$cli" parse "$log")"
read -r theirs_wall theirs <<<"$(best_of_three env TZ=UTC gpsbabel -i nmea -f "$log" -o gpx -F /dev/null)"
ratio=$(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 0.001) }')
printf 'log: %d lines (%d GGA parsed by rovex-cli, %d track points from gpsbabel)\n' "$lines" "$parsed" "$points"
printf '                     cpu s    wall s\n'
printf 'rovex-cli parse   %8.3f  %8.3f\n' "$ours" "$ours_wall"
printf 'gpsbabel (gpx)    %8.3f  %8.3f\n' "$theirs" "$theirs_wall"
printf 'ratio (cpu)       %8.1f x   (target at least %d x)\n' "$ratio" "$target"
if awk -v r="$ratio" -v t="$target" 'BEGIN { exit !(r < t) }'; then
  echo "parse_vs_gpsbabel: FAILED, rovex-cli parse is less than $target times faster" >&2
  exit 1
fi
