#!/usr/bin/env bash
# Times whole `zentu-cli grid` runs (read, grid, write), with the engine and
# with the literal schedule, against other gridding programs on the same
# points, region and lattice, and prints a table with the ratios.
#
#   bench/peers.sh [BUILD_DIR] [COUNT]
#
# BUILD_DIR holds a build made with -DBUILD_BENCHMARKS=ON (default:
# build-bench); COUNT points per set (default 1000000). Each program runs
# RUNS times (default 3; once when a run takes over 10 s) and its best time
# counts; a run is stopped after PEER_LIMIT seconds (default 300). Peak
# memory is the largest resident size of that run, from /usr/bin/time. The peers, where
# installed: GDAL's gdal_grid -a linear (Debian gdal-bin), GMT's triangulate
# and nearneighbor (Debian gmt). They write binary grids (GeoTIFF, netCDF)
# where zentu-cli writes a text grid.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
count=${2:-1000000}
runs=${RUNS:-3}
limit=${PEER_LIMIT:-300}
cli=$build/cli/zentu-cli
points=$build/bench/zentu-bench-points
[ -x "$cli" ] && [ -x "$points" ] || { echo "build $build with -DBUILD_BENCHMARKS=ON first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# best_of CMD...: runs CMD up to $runs times (once when a run takes more
# than 10 s), each stopped after $limit s; prints "seconds peakMB" of the
# best run, or "> $limit -" when it was stopped.
best_of() {
  local best="" line t0 t1 status
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    status=0
    /usr/bin/time -o "$work/time" -f "%M" timeout "$limit" "$@" >/dev/null 2>&1 || status=$?
    t1=$(date +%s%N)
    if [ "$status" -eq 124 ]; then echo "> $limit -"; return; fi
    line="$(awk -v a="$t0" -v b="$t1" 'BEGIN{printf "%.3f", (b-a)/1e9}') $(tail -1 "$work/time")"
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN{exit !(a < b)}'; then best=$line; fi
    awk -v s="${line%% *}" 'BEGIN{exit !(s > 10)}' && break
  done
  awk -v s="${best%% *}" -v k="${best##* }" 'BEGIN{printf "%.3f %.0f\n", s, k/1024}'
}

echo "| points | program | seconds | peak MB | engine faster by |"
echo "|---|---|---:|---:|---:|"
for spread in uniform clustered; do
  data=$work/$spread.dat
  "$points" "$spread" "$count" xyz "$data"
  # The default region and node counts of a Draw; the peers get the same.
  info=$("$cli" grid "$data" --format xyz -o "$work/$spread#.dat")
  read -r nx ny x1 x2 y1 y2 < <(echo "$info" |
    sed -E 's/.*\(([0-9]+) x ([0-9]+) nodes, region ([-0-9.eE+]+)\.\.([-0-9.eE+]+) x ([-0-9.eE+]+)\.\.([-0-9.eE+]+),.*/\1 \2 \3 \4 \5 \6/')
  # Node i sits at x1 + (i - 1)*dx, dx = (x2 - x1)/nx: the last node lies
  # one spacing short of x2.
  read -r dx dy xl yl < <(awk -v nx="$nx" -v ny="$ny" -v x1="$x1" -v x2="$x2" -v y1="$y1" -v y2="$y2" \
    'BEGIN{dx=(x2-x1)/nx; dy=(y2-y1)/ny; printf "%.17g %.17g %.17g %.17g\n", dx, dy, x1+(nx-1)*dx, y1+(ny-1)*dy}')
  region="-R$x1/$xl/$y1/$yl"

  engine=$(best_of "$cli" grid "$data" --format xyz -o "$work/e.dat")
  e=${engine%% *}
  row() { awk -v n="$count" -v p="$1" -v r="$2" -v e="$e" -v s="$spread" \
    'BEGIN{split(r, a, " "); if (a[1] == ">") { printf "| %d %s | %s | > %s (stopped) | - | > %.0f |\n", n, s, p, a[2], a[2]/e; exit }
      printf "| %d %s | %s | %s | %s | %.1f |\n", n, s, p, a[1], a[2], (e > 0 ? a[1]/e : 0)}'; }
  row "zentu-cli grid ($nx x $ny)" "$engine"
  row "zentu-cli grid --schedule literal" "$(RUNS=1 best_of "$cli" grid "$data" --format xyz --schedule literal -o "$work/l.dat")"
  cmp -s "$work/e.dat" "$work/l.dat" || echo "| | (engine and literal grids DIFFER) | | | |"

  if command -v gdal_grid >/dev/null; then
    (echo "x,y,z"; tr -d '\r' < "$data" | tr ' ' ',') > "$work/$spread.csv"
    cat > "$work/$spread.vrt" <<VRT
<OGRVRTDataSource><OGRVRTLayer name="$spread"><SrcDataSource>$work/$spread.csv</SrcDataSource><GeometryType>wkbPoint25D</GeometryType><GeometryField encoding="PointFromColumns" x="x" y="y" z="z"/></OGRVRTLayer></OGRVRTDataSource>
VRT
    # Pixel centres on the nodes.
    read -r tx1 tx2 ty1 ty2 < <(awk -v x1="$x1" -v xl="$xl" -v y1="$y1" -v yl="$yl" -v dx="$dx" -v dy="$dy" \
      'BEGIN{printf "%.17g %.17g %.17g %.17g\n", x1-dx/2, xl+dx/2, y1-dy/2, yl+dy/2}')
    row "gdal_grid -a linear" "$(best_of gdal_grid -q -a linear -txe "$tx1" "$tx2" -tye "$ty1" "$ty2" \
      -outsize "$nx" "$ny" -ot Float64 -of GTiff "$work/$spread.vrt" "$work/g.tif")"
  else
    echo "| | gdal_grid: not installed | | | |"
  fi
  if command -v gmt >/dev/null; then
    row "gmt triangulate" "$(best_of gmt triangulate "$data" "$region" "-I$dx/$dy" "-G$work/t.nc")"
    # Search radius: three node spacings.
    row "gmt nearneighbor -S3 spacings" "$(best_of gmt nearneighbor "$data" "$region" "-I$dx/$dy" \
      "-S$(awk -v d="$dx" 'BEGIN{printf "%.17g", 3*d}')" "-G$work/n.nc")"
  else
    echo "| | gmt: not installed | | | |"
  fi
done
