#!/usr/bin/env bash
# cli_failures_test.sh -- how the program fails, end to end on Linux:
#   cli_failures_test.sh CLI WORK
# A report that standard output cannot take (a reader gone, a full disk) never
# replaces OUT nor leaves a temporary file, and names standard output;
# convert -o - writes standard output; inspect reads NAACCR XML by its root
# and gzip data decompressed; an error is told once; counts have their nouns
# in the right number.  (inspect of plain XML roots: item_cli_test.sh.)
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2
rm -rf "$work" && mkdir -p "$work/tmp" && cd "$work" || exit 1
export TMPDIR=$work/tmp
failures=0

record() { # PATIENT_ID SEX: a NAACCR 18 incidence record
  local r
  r=$(printf 'I%015s180%-22s%-8s%-172s%s%-4048s' "" "" "$1" "" "$2" "")
  printf '%s\r\n' "${r:0:4048}"
}
record 00000001 1 >one.txt
{ record 00000001 1; record 00000002 2; record 00000003 1; } >three.txt
# 3000 records of one patient, each a patient split: a listing far larger than a pipe holds.
pair=$(record 00000001 1; record 00000001 2; echo .)
for ((i = 0; i < 1500; ++i)); do printf '%s' "${pair%.}"; done >splits.txt
sed '2s/^\(.\{29\}\)./\1X/' three.txt >conflict.txt # Registry ID differs: refused as XML
root='<NaaccrData baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml" recordType="I" xmlns="http://naaccr.org/naaccrxml"'
printf '%s>\n<Patient><Tumor><Item naaccrId="primarySite">C12345</Item></Tumor></Patient>\n</NaaccrData>\n' \
  "$root" | sed 's/250/180/' >long.xml # a value too long for a flat record
printf '<!-- %04000d -->\n%s>\n</NaaccrData>\n' 0 "$root" | gzip >late-root.xml.gz
gzip -c three.txt >three.txt.gz
head -c 100 three.txt.gz >cut.txt.gz

# Runs the command in WORK with OUT holding "old" first; exits 7 when a
# temporary file is left, 8 when OUT is not "old" afterwards.
kept() {
  local out=$1
  shift
  rm -f .cvnaaccr-*
  echo old >"$out"
  "$@"
  local status=$?
  compgen -G '.cvnaaccr-*' >/dev/null && exit 7
  [[ $(cat "$out") == old ]] || exit 8
  exit $status
}
export -f kept
export cli

while IFS='|' read -r label status pattern command; do
  expect "$label" "$status" "$pattern" bash -c "$command"
done <<'CASES'
a reader gone (head): no SIGPIPE death, OUT kept|2|^cvnaaccr convert: write error on standard output *$|kept h.xml bash -c '"$cli" convert --max-problems 0 splits.txt -o h.xml | head -1 >/dev/null; exit ${PIPESTATUS[0]}'
full disk, one problem listed (--lossy)|2|^cvnaaccr convert: write error on standard output *$|kept f1.txt "$cli" convert --lossy long.xml -o f1.txt >/dev/full
full disk, thousands listed|2|^cvnaaccr convert: write error on standard output *$|kept f2.xml "$cli" convert --max-problems 0 splits.txt -o f2.xml >/dev/full
full disk, nothing but the summary|2|^cvnaaccr convert: write error on standard output *$|kept f3.xml "$cli" convert three.txt -o f3.xml >/dev/full
-o - without --to|2|standard output .*give --to|"$cli" convert three.txt -o -; s=$?; [[ ! -e - ]] && exit $s
-o - writes standard output, the summary apart|0|^three.txt -> standard output: 3 patients, 3 tumours; 3 rows written|out=$("$cli" convert three.txt -o - --to csv --items sex --lf); s=$?; [[ $out == $'sex\n1\n2\n1' && ! -e - ]] && exit $s
-o - refused: what was written is incomplete|2|refused \(1 problem\); what was written to standard output is incomplete|"$cli" convert conflict.txt -o - --to xml >/dev/null
-o - and a reader that has gone|2|^cvnaaccr convert: write error on standard output; the data written there is incomplete *$|"$cli" convert splits.txt -o - --to flat 2>err.txt | head -c 1 >/dev/null; s=${PIPESTATUS[0]}; grep -v 'patient split' err.txt; exit $s
inspect NAACCR XML in gzip, root past 4 KiB|0|format: +NAACCR XML, gzip-compressed record type: +I version: +250 file size: +[0-9]+ \(decompressed\) result: +NAACCR_REC_OK|"$cli" inspect late-root.xml.gz
inspect XML in JSON: record fields null|0|"record_length":null,"record_count":null,.*"code":0,.*"format":"xml","compressed":true\}|"$cli" inspect --json late-root.xml.gz
inspect flat records in gzip, no copy left|0|format: +fixed-length records, gzip-compressed .*file size: +12150 \(decompressed\) record count: +3 result: +NAACCR_REC_OK|"$cli" inspect three.txt.gz; s=$?; [[ -z $(ls -A "$TMPDIR") ]] && exit $s
inspect cut gzip data: told once|2|^cvnaaccr inspect: cut.txt.gz: cannot be read: the compressed data is cut short *$|"$cli" inspect cut.txt.gz
a missing file: told once|2|^cvnaaccr check: absent.txt: cannot be opened, or is not a regular file *$|"$cli" check absent.txt
one of each, in the singular|0|^one.txt -> one.xml: 1 patient, 1 tumour; 1 tumour written, 0 patient splits, 0 left out *$|"$cli" convert one.txt -o one.xml
one record assigned, in the singular|0|^one.txt -> one2.txt: 1 record, 1 assigned, 0 not assigned *$|"$cli" checksum assign one.txt -o one2.txt
CASES

echo "$failures failures"
[[ $failures -eq 0 ]]
