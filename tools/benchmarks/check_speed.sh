#!/usr/bin/env bash
# check_speed.sh -- how fast cvnaaccr checks a page-cached file, against cat and zcat.
#   tools/benchmarks/check_speed.sh [CLI [FOLDER [MEGABYTES]]]
# Makes a file of NAACCR 18 incidence records with assigned checksums and CR LF
# terminators (about 1000 MB by default; FOLDER/check_speed.txt), reads it once
# so it is in the page cache, then times each command five times and keeps the
# best run.  The gzip comparison uses a tenth of the file.  Prints the rates and
# the ratios to cat's (or zcat's) time.  Then `check --items` and `check
# --codes` on files of the same size made by repeating the peers' real v16
# abstract and v18 incidence records (PEERDATA, default data/flat-samples in
# the repository), whose items all pass (one v18 record has its diagnosis
# after its last contact).  Not a test: the machine is shared and the numbers
# move.
set -euo pipefail
cli=${1:-build/native/tools/cvnaaccr}
folder=${2:-${TMPDIR:-/tmp}}
megabytes=${3:-1000}
file=$folder/check_speed.txt
small=$folder/check_speed_small.txt
runs=5
peerdata=${PEERDATA:-$(cd "$(dirname "$0")/../.." && pwd)/data/flat-samples}

make_file() {
  local seed=$folder/check_speed_seed.txt
  # 1000 records: the bundled generator's record, varied, checksums assigned.
  awk 'BEGIN { srand(18); for (n = 0; n < 1000; n++) { r = "I"; for (i = 2; i <= 16; i++) r = r sprintf("%c", 65 + int(rand() * 26));
         r = r "180"; while (length(r) < 4048) r = r sprintf("%c", 48 + int(rand() * 43)); printf "%s\r\n", r } }' >"$seed.raw"
  "$cli" checksum assign "$seed.raw" -o "$seed" >/dev/null
  local copies=$((megabytes * 1000000 / $(stat -c %s "$seed") + 1))
  : >"$file"
  for ((i = 0; i < copies; i++)); do cat "$seed"; done >>"$file"
  head -c $(($(stat -c %s "$seed") * (copies / 10 + 1))) "$file" >"$small"
  gzip -6 -c "$small" >"$small.gz"
  rm -f "$seed" "$seed.raw"
}

# best LABEL COMMAND...: the shortest wall time of $runs runs, in seconds.
best() {
  local label=$1
  shift
  local fastest=
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || [[ $? -eq 1 ]]
    end=$(date +%s.%N)
    fastest=$(echo "$start $end ${fastest:-1e9}" | awk '{ t = $2 - $1; print (t < $3 ? t : $3) }')
  done
  echo "$fastest"
}

[[ -f $file && $(stat -c %s "$file") -ge $((megabytes * 1000000)) && -f $small.gz ]] || make_file
cat "$file" >/dev/null
cat "$small.gz" >/dev/null
size=$(stat -c %s "$file")
small_size=$(stat -c %s "$small")

cat_time=$(best cat cat "$file")
zcat_time=$(best zcat zcat "$small.gz")
report() { # LABEL SECONDS BASE_SECONDS BYTES
  awk -v label="$1" -v t="$2" -v base="$3" -v bytes="$4" \
    'BEGIN { printf "%-32s %7.3f s %8.0f MB/s   %.2f of the baseline rate\n", label, t, bytes / t / 1e6, base / t }'
}
echo "file: $file, $((size / 1000000)) MB, page-cached; best of $runs runs"
report "cat FILE >/dev/null" "$cat_time" "$cat_time" "$size"
report "cvnaaccr check --threads 1" "$(best c1 "$cli" check --threads 1 "$file")" "$cat_time" "$size"
report "cvnaaccr check --threads 2" "$(best c2 "$cli" check --threads 2 "$file")" "$cat_time" "$size"
report "cvnaaccr check --checksums" "$(best cs "$cli" check --checksums "$file")" "$cat_time" "$size"
report "cvnaaccr checksum verify" "$(best cv "$cli" checksum verify "$file")" "$cat_time" "$size"
echo "gzip: $small.gz, $((small_size / 1000000)) MB uncompressed"
report "zcat FILE.gz >/dev/null" "$zcat_time" "$zcat_time" "$small_size"
report "cvnaaccr check FILE.gz" "$(best cz "$cli" check "$small.gz")" "$zcat_time" "$small_size"

# check --items and --codes on repeated real records: every item given is a valid value.
for sample in synthetic-naaccr-16-abstract synthetic-naaccr-18-incidence; do
  seed=$peerdata/werth-naaccr__$sample.txt
  [[ -f $seed ]] || { echo "no $seed: check --items not measured"; continue; }
  items_file=$folder/check_speed_$sample.txt
  if [[ ! -f $items_file || $(stat -c %s "$items_file") -lt $((megabytes * 1000000)) ]]; then
    copies=$((megabytes * 1000000 / $(stat -c %s "$seed") + 1))
    for ((i = 0; i < copies; i++)); do cat "$seed"; done >"$items_file"
  fi
  cat "$items_file" >/dev/null
  items_size=$(stat -c %s "$items_file")
  items_cat=$(best cat cat "$items_file")
  echo "items: $items_file, $((items_size / 1000000)) MB, page-cached"
  report "cat FILE >/dev/null" "$items_cat" "$items_cat" "$items_size"
  report "cvnaaccr check --items -t 1" "$(best i1 "$cli" check --items --threads 1 "$items_file")" "$items_cat" "$items_size"
  report "cvnaaccr check --items -t 2" "$(best i2 "$cli" check --items --threads 2 "$items_file")" "$items_cat" "$items_size"
  report "cvnaaccr check --codes -t 1" "$(best k1 "$cli" check --codes --threads 1 "$items_file")" "$items_cat" "$items_size"
  report "cvnaaccr check --codes -t 2" "$(best k2 "$cli" check --codes --threads 2 "$items_file")" "$items_cat" "$items_size"
done
