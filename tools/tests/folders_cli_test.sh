#!/usr/bin/env bash
# folders_cli_test.sh -- `cvnaaccr check` over folders end to end: nested
# folders, files that cannot be read, flat and XML files and others side by
# side, links that loop, the order of the output whatever the threads, and
# the summary CSV.
#   folders_cli_test.sh CLI WORK SAMPLES XMLSAMPLES
# SAMPLES is the repository's samples/, XMLSAMPLES its data/xml-samples.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 samples=$3 xmlsamples=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

mkdir -p month/b-facility/deeper month/a-facility outside
cp "$samples/i-180-lf.txt" month/a-facility/clean.txt
cp "$samples/illegal-character.txt" month/a-facility/faulty.txt
cp "$xmlsamples/naaccr-xml__valid_standard-file-1.xml" month/b-facility/standard.xml
cp "$samples/a-180-crlf.txt" month/b-facility/deeper/abstract.txt
cp "$samples/i-180-lf.txt" month/.hidden.txt
printf '%%PDF-1.4 a letter\n' >month/cover-letter.pdf
cp "$samples/i-180-lf.txt" outside/linked.txt
ln -s ../outside/linked.txt month/linked.txt # a link to a file: followed
ln -s .. month/b-facility/up                 # a link to a folder: never followed, so no loop
ln -s loop-b month/loop-a                    # links that lead round in a circle
ln -s loop-a month/loop-b
ln -s nowhere.txt month/dangling.txt
mkfifo month/pipe                            # would block a reader: passed over
cp "$samples/i-180-lf.txt" 'month/=HYPERLINK("x").txt'

# Each file's own summary, in name order, a folder within at its name's place.
flat_order='month/=HYPERLINK\("x"\)\.txt: .*month/a-facility/clean\.txt: .*month/a-facility/faulty\.txt: .*month/b-facility/deeper/abstract\.txt: .*month/b-facility/standard\.xml: .*month/cover-letter\.pdf: .*month/linked\.txt: '
expect "a folder: its own files in name order, unreadable names told, the worst status" 2 \
  'month/=HYPERLINK.*month/cover-letter\.pdf: .*month/dangling\.txt: link leads nowhere.*month/linked\.txt: .*month/loop-a: link leads nowhere.*month/loop-b: link leads' \
  "$cli" check month
expect "without --recursive no folder within is read" 2 "total: 6 files" "$cli" check month
expect "--recursive: nested files at their folder's place" 2 "$flat_order" "$cli" check --recursive month
expect "--recursive: a link to a folder is not followed" 2 "total: 10 files \(5 passed, 1 with problems, 1 not NAACCR, 3 unreadable\)" \
  "$cli" check --recursive month
expect "rows: formats, versions, types and records of every kind of file" 2 \
  'summary: month/a-facility/faulty\.txt: flat, version 150, record type I, 1 record, 1 problem \(1 Illegal character\) summary: month/b-facility/deeper/abstract\.txt: flat, version 180, record type A, .*summary: month/b-facility/standard\.xml: NAACCR XML, version [0-9]+, record type [AMCI], [0-9]+ tumours?.*summary: month/cover-letter\.pdf: not NAACCR: Not a NAACCR flat file' \
  "$cli" check --recursive --quiet month
expect "--include picks files by name, in every folder" 0 "^month/b-facility/standard\.xml: .*total: 1 file " \
  "$cli" check --recursive --include '*.xml' month
expect "--include: several patterns, sets" 1 "total: 2 files \(1 passed, 1 with problems" \
  "$cli" check --recursive --include '[c]lean.*' --include 'faulty.tx?' month
"$cli" check --recursive month 2>&1 | grep -E 'hidden|pipe' && fail "hidden files and FIFOs are passed over"
expect "files and folders named together keep their order" 2 \
  "^outside/linked\.txt: .*month/=HYPERLINK.*summary: outside/linked\.txt: .*summary: month/" \
  "$cli" check outside/linked.txt month
expect "a name that is nothing: a row with its reason" 2 "summary: absent: unreadable: cannot be opened.*total: 2 files" \
  "$cli" check absent outside

# The output is the same, byte for byte, whatever the threads.
"$cli" check --recursive --items month outside >threads-1.out 2>threads-1.err
for n in 2 3 8; do
  "$cli" check --recursive --items --threads $n month outside >threads-$n.out 2>threads-$n.err
  cmp -s threads-1.out threads-$n.out && cmp -s threads-1.err threads-$n.err || fail "--threads $n: output differs from --threads 1"
done
"$cli" check --json --recursive --threads 1 month >json-1.out 2>/dev/null
"$cli" check --json --recursive --threads 4 month >json-4.out 2>/dev/null
cmp -s json-1.out json-4.out || fail "--json --threads 4: output differs from --threads 1"
[[ $(grep -c '"schema"' json-1.out) -eq 10 ]] || fail "--json: one object per file, and no more"

# The CSV: a row per file and the total, formulas kept as text.
expect "--summary-csv writes the rows" 2 "" "$cli" check --recursive --quiet --summary-csv rows.csv month
(cd month && "$cli" check --quiet --summary-csv ../formula.csv '=HYPERLINK("x").txt' a-facility/clean.txt -- -@SUM.txt) >/dev/null 2>&1
grep -q "^\"'=HYPERLINK(\"\"x\"\").txt\",passed," formula.csv || fail "--summary-csv: a name like a formula is not kept as text"
grep -q "^'-@SUM.txt,unreadable,\"cannot be opened" formula.csv || fail "--summary-csv: a name starting with - is not kept as text"
grep -q '^month/cover-letter.pdf,not NAACCR,Not a NAACCR flat file' rows.csv || fail "--summary-csv: the row of a file that is no NAACCR file"
grep -q '^,total: 10 files,,,,,' rows.csv || fail "--summary-csv: the total row"
[[ $(wc -l <rows.csv) -eq 12 ]] || fail "--summary-csv: a header, ten rows and the total"
expect "--summary-csv to standard output is refused" 2 "a report goes to a file" "$cli" check --summary-csv - month
expect "--summary-csv into a folder that is not there" 2 "no-such-folder/rows.csv" \
  "$cli" check --summary-csv no-such-folder/rows.csv month

echo "$failures failures"
[[ $failures -eq 0 ]]
