#!/usr/bin/env bash
# xml_check_speed.sh -- how fast the NAACCR XML check reads a page-cached
# NAACCR 25 XML file, against cat and a bare expat pass.
#   tools/benchmarks/xml_check_speed.sh [PROGRAM [FOLDER [COPIES]]]
# PROGRAM is the native build's xml_check_speed (check or bare pass of one
# file).  Makes FOLDER/xml_check_speed.xml from the patients of the
# v250 sample repeated COPIES times (160: about 700 MB), reads it once so it
# is in the page cache, then times each command five times, the commands
# taking turns, and keeps each one's best run.  Prints the rates and the
# ratios to the bare pass.  Not a test: the machine is shared and the numbers
# move.
set -euo pipefail
program=${1:-build/native/library/benchmarks/xml_check_speed}
folder=${2:-${TMPDIR:-/tmp}}
copies=${3:-160}
sample=$(dirname "$0")/../../data/xml-samples/naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz
file=$folder/xml_check_speed.xml
runs=5
source "$(dirname "$0")/timing.sh"

make_file() {
  local unpacked=$folder/xml_check_speed_seed.xml
  zcat "$sample" >"$unpacked"
  # The root's opening (up to its first Patient), the patients, the closing tag.
  local first last
  first=$(grep -n -m1 '<Patient>' "$unpacked" | cut -d: -f1)
  last=$(grep -n '</NaaccrData>' "$unpacked" | tail -1 | cut -d: -f1)
  {
    head -n $((first - 1)) "$unpacked"
    sed -n "${first},$((last - 1))p" "$unpacked" >"$unpacked.patients"
    for ((i = 0; i < copies; i++)); do cat "$unpacked.patients"; done
    echo '</NaaccrData>'
  } >"$file"
  rm -f "$unpacked" "$unpacked.patients"
}

[[ -f $file ]] || make_file
cat "$file" >/dev/null
size=$(stat -c %s "$file")
"$program" check "$file"

# The runs of each command take turns, so that a machine that slows down or
# speeds up meanwhile does so for all of them.
cat_time=1e9 bare_time=1e9 check_time=1e9
for ((i = 0; i < runs; i++)); do
  cat_time=$(less "$cat_time" "$(once cat "$file")")
  bare_time=$(less "$bare_time" "$(once "$program" bare "$file")")
  check_time=$(less "$check_time" "$(once "$program" check "$file")")
done
report() { # LABEL SECONDS
  awk -v label="$1" -v t="$2" -v base="$bare_time" -v bytes="$size" \
    'BEGIN { printf "%-36s %7.3f s %8.0f MB/s   %.2f of the bare pass rate\n", label, t, bytes / t / 1e6, base / t }'
}
echo "file: $file, $((size / 1000000)) MB, page-cached; best of $runs runs"
report "cat FILE >/dev/null" "$cat_time"
report "expat alone (empty handlers)" "$bare_time"
report "NAACCR XML check" "$check_time"
