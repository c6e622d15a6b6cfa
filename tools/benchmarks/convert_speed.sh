#!/usr/bin/env bash
# convert_speed.sh -- how fast cvnaaccr converts a page-cached flat file to
# NAACCR XML and to CSV, against cat copying it.
#   tools/benchmarks/convert_speed.sh [CLI [FOLDER [MEGABYTES [XML_PROGRAM]]]]
# Makes FOLDER/convert_speed.txt (about 1000 MB by default) by repeating the
# peers' synthetic NAACCR 16 abstract file, reads it once so it is in the page
# cache, then times `cat IN > OUT` and each conversion three times, writing to
# FOLDER, and keeps the best run.  Prints the rates (of the input) and each
# conversion's time as a multiple of cat's.  Then, with XML_PROGRAM (the
# native build's xml_check_speed, default
# build/native/library/benchmarks/xml_check_speed) present: the XML written is
# turned back into flat records, and the NAACCR 25 XML file of
# xml_check_speed.sh (made if missing) into CSV, each against a bare expat
# pass over its input, the two taking turns.  Not a test: the machine is
# shared and the numbers move.
set -euo pipefail
cli=${1:-build/native/tools/cvnaaccr}
folder=${2:-${TMPDIR:-/tmp}}
megabytes=${3:-1000}
xml_program=${4:-build/native/library/benchmarks/xml_check_speed}
seed=$(dirname "$0")/../../data/flat-samples/werth-naaccr__synthetic-naaccr-16-abstract.txt
file=$folder/convert_speed.txt
runs=3
source "$(dirname "$0")/timing.sh"

make_file() {
  local copies=$((megabytes * 1000000 / $(stat -c %s "$seed") + 1))
  : >"$file"
  for ((i = 0; i < copies; i++)); do cat "$seed"; done >>"$file"
}

copy() { cat "$1" >"$2"; }

# turns INPUT OUT: expat alone over INPUT and its conversion to OUT, taking
# turns so that both see the machine alike; sets bare_time and convert_time.
turns() {
  bare_time=1e9 convert_time=1e9
  for ((i = 0; i < runs; i++)); do
    bare_time=$(less "$bare_time" "$(once "$xml_program" bare "$1")")
    convert_time=$(less "$convert_time" "$(once "$cli" convert "$1" -o "$2")")
  done
}

[[ -f $file && $(stat -c %s "$file") -ge $((megabytes * 1000000)) ]] || make_file
cat "$file" >/dev/null
size=$(stat -c %s "$file")
report() { # LABEL SECONDS BASE_SECONDS OUTPUT
  awk -v label="$1" -v t="$2" -v base="$3" -v bytes="$size" -v out="$(stat -c %s "$4")" \
    'BEGIN { printf "%-34s %7.3f s %6.0f MB/s in, %6.0f MB out   %.2fx cat\n", label, t, bytes / t / 1e6, out / 1e6, t / base }'
}
echo "file: $file, $((size / 1000000)) MB of NAACCR 16 abstracts, page-cached; best of $runs runs"
cat_time=$(best copy "$file" "$folder/convert_speed.copy")
report "cat IN > OUT" "$cat_time" "$cat_time" "$folder/convert_speed.copy"
rm -f "$folder/convert_speed.copy"
xml_time=$(best "$cli" convert "$file" -o "$folder/convert_speed.xml")
report "cvnaaccr convert IN -o OUT.xml" "$xml_time" "$cat_time" "$folder/convert_speed.xml"
rm -f "$folder/convert_speed.xml"
csv_time=$(best "$cli" convert "$file" -o "$folder/convert_speed.csv")
report "cvnaaccr convert IN -o OUT.csv" "$csv_time" "$cat_time" "$folder/convert_speed.csv"
rm -f "$folder/convert_speed.csv"

[[ -x $xml_program ]] || exit 0
# The XML side: each conversion against expat alone over the same input.
xml=$folder/convert_speed.xml
"$cli" convert "$file" -o "$xml" >/dev/null
cat "$xml" >/dev/null
xml_report() { # LABEL SECONDS BARE_SECONDS INPUT
  awk -v label="$1" -v t="$2" -v base="$3" -v bytes="$(stat -c %s "$4")" \
    'BEGIN { printf "%-34s %7.3f s %6.0f MB/s in   %.2f of the bare pass rate\n", label, t, bytes / t / 1e6, base / t }'
}
turns "$xml" "$folder/convert_speed.back.txt"
echo "file: $xml, $(($(stat -c %s "$xml") / 1000000)) MB of NAACCR 16 XML written above"
xml_report "expat alone (empty handlers)" "$bare_time" "$bare_time" "$xml"
xml_report "cvnaaccr convert XML -o OUT.txt" "$convert_time" "$bare_time" "$xml"
rm -f "$folder/convert_speed.back.txt" "$xml"
v25=$folder/xml_check_speed.xml
[[ -f $v25 ]] || bash "$(dirname "$0")/xml_check_speed.sh" "$xml_program" "$folder" >/dev/null
cat "$v25" >/dev/null
turns "$v25" "$folder/convert_speed.v25.csv"
echo "file: $v25, $(($(stat -c %s "$v25") / 1000000)) MB of NAACCR 25 XML (no flat layout)"
xml_report "expat alone (empty handlers)" "$bare_time" "$bare_time" "$v25"
xml_report "cvnaaccr convert XML -o OUT.csv" "$convert_time" "$bare_time" "$v25"
rm -f "$folder/convert_speed.v25.csv"
