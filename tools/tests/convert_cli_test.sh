#!/usr/bin/env bash
# convert_cli_test.sh -- `cvnaaccr convert` end to end on Linux:
#   convert_cli_test.sh CLI WORK PEERDATA MANPAGE
# Round trips of the peers' flat files, targets from names and --to, gzip both
# ways, standard input, what leaves OUT untouched, and the exit statuses.  A
# failed case names itself and the test goes on.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 peerdata=$3 manpage=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

# A NAACCR 18 incidence file of three records, two of one patient.
record() { # PATIENT_ID SEX SITE
  local r
  r=$(printf 'I%015s180%-22s%-8s%-172s%s%-4048s' "" "" "$1" "" "$2" "")
  printf '%s' "${r:0:553}$3${r:557:3491}"
}
{ record 00000001 1 C619; printf '\r\n'; record 00000001 1 C500; printf '\r\n'; record 00000002 2 C341; printf '\r\n'; } >raw.txt
"$cli" checksum assign raw.txt -o three.txt >/dev/null || fail "checksum assign of the made file"

# ---- round trips: flat -> XML -> flat gives the same bytes, checksums assigned first.
expect "to XML by the name" 0 "three.txt -> three.xml: 2 patients, 3 tumours; 3 tumours written, 0 patient splits" \
  "$cli" convert three.txt -o three.xml
[[ $(grep -c '<Patient>' three.xml) -eq 2 && $(grep -c '<Tumor>' three.xml) -eq 3 ]] || fail "three.xml: not 2 patients of 3 tumours"
expect "to flat by the name" 0 "" "$cli" convert three.txt -o back.dat
cmp -s back.dat three.txt || fail "flat -> flat: other bytes"
if [[ -d $peerdata ]]; then
  for f in "$peerdata"/werth-naaccr__*.txt "$peerdata"/layout__fake-naaccr15-1-rec.txt "$peerdata"/naaccr-xml__fake-naaccr14inc-2-rec.txt; do
    name=$(basename "$f" .txt)
    "$cli" checksum assign "$f" -o "$name.assigned" >/dev/null
    if [[ $name == naaccr-xml__fake-naaccr14inc-2-rec ]]; then
      # Its two records differ in file-level items: one XML file cannot hold both.
      expect "$name to XML" 2 "File-level items differ" "$cli" convert "$f" -o "$name.xml"
    else
      expect "$name to XML" 0 "" "$cli" convert "$f" -o "$name.xml"
    fi
    # The R package's files hold no item problem: neither does the XML made of them.
    [[ $name == werth-naaccr__* ]] && expect "$name as XML checked" 0 " 0 problems" "$cli" check "$name.xml"
    expect "$name to flat" 0 "" "$cli" convert "$f" -o "$name.flat" --to flat --lf
    # The peers' last record may lack its terminator; the conversion ends every record.
    cmp -s <(sed -e '$a\' "$name.assigned") "$name.flat" || fail "$name: flat -> flat with --lf gives other bytes"
    if [[ -f $name.xml ]] && "$cli" convert "$name.xml" -o "$name.xml.flat" --to flat --lf >/dev/null 2>&1; then
      cmp -s <(sed -e '$a\' "$name.assigned") "$name.xml.flat" || fail "$name: flat -> XML -> flat gives other bytes"
    fi
  done
else
  fail "no peer data at $peerdata"
fi

# ---- NAACCR 25 XML: CSV, never flat records (no layout after 180).
v25=$peerdata/../xml-samples/naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz
if [[ -f $v25 ]]; then
  expect "NAACCR 25 XML to CSV" 0 "944 patients, 1000 tumours; 1000 rows written" "$cli" convert "$v25" -o v25.csv
  [[ $(wc -l <v25.csv) -eq 1001 ]] || fail "v25.csv: not a header and 1000 rows"
  expect "NAACCR 25 XML to flat" 2 "no flat record layout.* refused" "$cli" convert "$v25" -o v25.txt
  expect "NAACCR 25 XML to XML" 0 "1000 tumours written" "$cli" convert "$v25" -o v25.xml
  expect "and back to CSV" 0 "" "$cli" convert v25.xml -o v25again.csv
  cmp -s v25.csv v25again.csv || fail "NAACCR 25 XML through XML gives another CSV"
else
  fail "no NAACCR 25 sample at $v25"
fi

# ---- CSV: header of naaccrIds, a row per tumour, --items, gzip on the way out.
expect "to CSV with items" 0 "3 rows written" "$cli" convert three.txt -o three.csv --items patientIdNumber,sex,primarySite
[[ $(cat three.csv) == $'patientIdNumber,sex,primarySite\r\n00000001,1,C619\r\n00000001,1,C500\r\n00000002,2,C341\r' ]] ||
  fail "three.csv: $(head -c 200 three.csv | od -c | head -3)"
expect "--to wins over the name" 0 "" "$cli" convert three.txt -o three.xml.csv --to xml
grep -q '<NaaccrData' three.xml.csv || fail "--to xml wrote no XML"
expect "compressed CSV, LF" 0 "" "$cli" convert three.txt -o three.csv.gz --lf --items sex
[[ $(gzip -dc three.csv.gz) == $'sex\n1\n1\n2' ]] || fail "three.csv.gz: $(gzip -dc three.csv.gz | head -c 80)"
gzip -c three.txt >three.txt.gz
expect "compressed input" 0 "3 tumours written" "$cli" convert three.txt.gz -o fromgz.xml
cmp -s fromgz.xml three.xml || fail "gzip input: other XML"
expect "standard input" 0 "^-: |-> stdin.xml" bash -c "'$cli' convert - -o stdin.xml <three.txt"
cmp -s stdin.xml three.xml || fail "standard input: other XML"

# ---- problems: a patient split is written and listed; a root conflict is refused.
{ record 00000001 1 C619; printf '\r\n'; record 00000001 2 C500; printf '\r\n'; } >split.txt
expect "patient split" 1 "record 2: Patient split: .* 1 patient split, " "$cli" convert split.txt -o split.xml
[[ $(grep -c '<Patient>' split.xml) -eq 2 ]] || fail "split.xml: not two patients"
sed '2s/^\(.\{29\}\)./\1X/' raw.txt >conflict.txt # Registry ID, a file-level item
echo old >conflict.xml
expect "root conflict" 2 'record 2: File-level items differ: File-level item registryId \(item 40\) is "X {9}" in record 2 but not given in record 1; .* refused \(1 problem\); conflict.xml not written \(--root first' \
  "$cli" convert conflict.txt -o conflict.xml
[[ $(cat conflict.xml) == old ]] || fail "a refused conversion touched OUT"
expect "--root first: the first record's values stand" 1 "record 1's is kept, this one left out.* 1 left out" \
  "$cli" convert conflict.txt -o conflict.xml --root first
# The options of real files reach the library (their cases: library/tests/convert_options_test.cpp).
{ cat raw.txt; printf 'I               180\r\n'; } >short-record.txt
expect "--skip-bad-records: the short record left out" 1 "record 4: Record length: .*the record is left out.* 3 rows written, .* 1 left out" \
  "$cli" convert short-record.txt -o short-record.csv --skip-bad-records
sed '1s/^\(.\{73\}\)./\1\xe9/' raw.txt >latin1.txt
expect "--encoding latin1: UTF-8 in CSV" 0 "" "$cli" convert latin1.txt -o latin1.csv --encoding latin1
grep -q $'\xc3\xa9' latin1.csv || fail "latin1.csv lacks the UTF-8 of byte 0xE9"
expect "--encoding of an unknown name" 2 "--encoding takes latin1 or windows-1252" \
  "$cli" convert latin1.txt -o latin1.csv --encoding utf-8
expect "--root of another word" 2 "--root takes first" "$cli" convert raw.txt -o x.xml --root last
expect "root conflict is no matter for CSV" 0 "" "$cli" convert conflict.txt -o conflict.csv
sed 's/^I               180/I               130/' raw.txt | cut -c1-3339 >v130.txt
expect "no dictionary" 2 "no data dictionary.* refused" "$cli" convert v130.txt -o v130.xml
[[ ! -e v130.xml ]] || fail "a refused conversion left v130.xml"

# ---- usage errors leave OUT untouched.
expect "--items for XML" 2 "--items chooses CSV columns" "$cli" convert three.txt -o x.xml --items sex
expect "unknown --items id" 2 "'nope' is not an item of version 180" "$cli" convert three.txt -o x.csv --items sex,nope
expect "unknown extension" 2 "give --to" "$cli" convert three.txt -o x.out
expect "unknown --to" 2 "--to takes xml, flat or csv" "$cli" convert three.txt -o x.out --to json
expect "no OUT" 2 "Usage: cvnaaccr convert" "$cli" convert three.txt
expect "OUT is IN" 2 "must not be the input" "$cli" convert three.txt -o three.txt --to xml
expect "missing input" 2 "absent.txt" "$cli" convert absent.txt -o absent.xml
# A full disk, as a file size limit: the write fails on the writing thread, and
# nothing is left behind, plain or compressed.
big=$(ls "$peerdata"/werth-naaccr__*.txt 2>/dev/null | head -1)
[[ -n $big ]] || fail "no peer file for the write failures"
for out in full.xml full.txt full.csv.gz; do
  expect "write failure: $out" 2 "cannot write the output" \
    bash -c "trap '' XFSZ; ulimit -f 1; '$cli' convert '$big' -o $out"
  [[ -e $out ]] && fail "write failure: $out was left"
  ls .cvnaaccr-* >/dev/null 2>&1 && fail "write failure: a temporary file of $out was left"
done
[[ ! -e x.xml && ! -e x.csv && ! -e x.out && ! -e absent.xml ]] || fail "a usage error left an OUT"

# ---- help and the manual page.
expect "help of convert" 0 "^Usage: cvnaaccr convert" "$cli" convert --help
manual=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$manpage")
grep -qF -- "cvnaaccr convert" <<<"$manual" || fail "cvnaaccr.1 lacks the command convert"
for option in $("$cli" convert --help | grep -oE '(^|[ [,])--?[a-z][a-z-]*' | tr -d ' [,' | sort -u); do
  grep -qF -- "$option" <<<"$manual" || fail "cvnaaccr.1 lacks $option (from cvnaaccr convert --help)"
done

echo "$failures failures"
[[ $failures -eq 0 ]]
