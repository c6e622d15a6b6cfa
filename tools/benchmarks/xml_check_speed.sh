#!/usr/bin/env bash
# xml_check_speed.sh -- how fast the NAACCR XML check reads a page-cached
# NAACCR 25 XML file, by each of its paths, against cat and a bare expat pass.
#   tools/benchmarks/xml_check_speed.sh [PROGRAM [FOLDER [COPIES [THREADS [CLI [EARLIER_CLI]]]]]]
# PROGRAM is the native build's xml_check_speed.  Makes FOLDER/xml_check_speed.xml
# from the patients of the v250 sample repeated COPIES times (160: about
# 700 MB), reads it once so it is in the page cache, then times each command
# five times, the commands taking turns, and keeps each one's best run:
# cat, expat alone (the same blocks, empty handlers), the check with expat
# reading every byte (the one pass of 1.4), with the fast path, and in pieces
# on THREADS workers (2) read by expat and by the fast path; then CLI (the
# native build's cvnaaccr) checking the file with --items on 1 and THREADS
# threads and converting it to CSV, and EARLIER_CLI (another release's
# cvnaaccr, when given) doing the same.  Prints the rates and the ratios to
# cat, the bare pass and the one pass by expat.  Not a test: the machine is
# shared and the numbers move.
set -euo pipefail
program=${1:-build/native/library/benchmarks/xml_check_speed}
folder=${2:-${TMPDIR:-/tmp}}
copies=${3:-160}
threads=${4:-2}
cli=${5:-build/native/tools/cvnaaccr}
earlier=${6:-}
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
for mode in expat fast pieces; do "$program" "$mode" "$file" "$threads"; done

# The runs of each command take turns, so that a machine that slows down or
# speeds up meanwhile does so for all of them.
labels=("cat FILE >/dev/null" "expat alone (empty handlers)" "check, expat reads all (1 thread)"
  "check, fast path (1 thread)" "check in pieces, expat ($threads threads)" "check in pieces, fast path ($threads threads)")
commands=("cat $file" "$program bare $file" "$program expat $file" "$program fast $file"
  "$program pieces-expat $file $threads" "$program pieces $file $threads")
csv=$folder/xml_check_speed.csv
add_cli() { # LABEL CLI
  labels+=("$1: check --items --threads 1" "$1: check --items --threads $threads" "$1: convert to CSV")
  commands+=("$2 check --items --threads 1 $file" "$2 check --items --threads $threads $file"
    "$2 convert $file -o $csv")
}
add_cli "cvnaaccr" "$cli"
[[ -z $earlier ]] || add_cli "earlier cvnaaccr" "$earlier"
times=()
for ((k = 0; k < ${#commands[@]}; k++)); do times[k]=1e9; done
for ((i = 0; i < runs; i++)); do
  for ((k = 0; k < ${#commands[@]}; k++)); do
    # shellcheck disable=SC2086
    times[k]=$(less "${times[k]}" "$(once ${commands[k]})")
  done
done
rm -f "$csv"
echo "file: $file, $((size / 1000000)) MB, page-cached; best of $runs runs; $(nproc) processors"
printf '%-46s %9s %10s %9s %9s %9s\n' "" "time" "rate" "x cat" "x bare" "x 1 pass"
for ((k = 0; k < ${#commands[@]}; k++)); do
  awk -v label="${labels[k]}" -v t="${times[k]}" -v cat="${times[0]}" -v bare="${times[1]}" -v one="${times[2]}" \
    -v bytes="$size" 'BEGIN { printf "%-46s %7.3f s %5.0f MB/s %9.3f %9.2f %9.2f\n", label, t, bytes / t / 1e6,
      cat / t, bare / t, one / t }'
done
