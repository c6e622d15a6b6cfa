#!/usr/bin/env bash
# item_cli_test.sh -- `cvnaaccr items` and `cvnaaccr show` end to end, on Linux
# or, given a RUNNER (cmake/wine-run-lf), the Windows program under Wine:
#   item_cli_test.sh CLI WORK MANPAGE [RUNNER]
# A failed case names itself and the test goes on.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 manpage=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
if [[ -n ${4:-} ]]; then
  # One program to call, as the cases call it, from standard input too.
  printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$4" "$cli" >run-cli && chmod +x run-cli || exit 1
  cli=$work/run-cli
fi
failures=0

# ---- items: each flat layout's items, grouped ones aside, add up to its record length.
for case in "160 A 22824" "160 I 3339" "180 A 24194" "180 C 6154" "18 I 4048" "140 M 22824"; do
  read -r version type length <<<"$case"
  sum=$("$cli" items "$version" --type "$type" | awk 'NR > 1 && $5 != "grouped" { s += $2 } END { print s }')
  [[ $sum == "$length" ]] || fail "items $version --type $type: lengths add up to $sum, not $length"
done
expect "items lists from column 1" 0 "^COLUMNS +LENGTH +NUMBER +ID .* 1-1 +1 +10 +recordType +text +rightBlank +Record Type" \
  "$cli" items 180
expect "items of an XML-only version" 0 " - +25 +7320 +pathDateSpecCollect1 +dateTime" "$cli" items 250
expect "items as JSON" 0 '^\{"version":250,"record_type":"A","items":\[\{.*"id":"pathDateSpecCollect1","name":"Path Date Spec Collect 1","start_column":0,"length":25,"record_types":"AM","level":"Tumor","data_type":"dateTime","padding":"rightBlank","trim":"all","unlimited":false,"grouped":false,"user":false\}' \
  "$cli" items 250 --json
expect "items of type I leave out A-only items" 0 "" bash -c "! '$cli' items 180 --type I | grep -q textDxProcPe"
expect "items: no dictionary" 2 "no data dictionary for version '170'" "$cli" items 170
expect "items: the versions that have one" 2 "\(there are 140, 150, 160, 180 and 210 to [0-9]+\)" "$cli" items 17
expect "items: bad type" 2 "--type takes A, M, C or I, not 'X'" "$cli" items 180 --type X
expect "items: no version" 2 "Usage: cvnaaccr items" "$cli" items
expect "items --codes: a list with labels" 0 "^CODE +FROM +LABEL 1 +180 +Single \(never married\) 2 +180 +Married" \
  "$cli" items 180 --codes maritalStatusAtDx
expect "items --codes by number, codes only" 0 "^CODE +FROM +LABEL C000 +180 +C001 +180 " "$cli" items 240 --codes 400
expect "items --codes: the first version of a code" 0 " 8104 +250 " "$cli" items 260 --codes histologicTypeIcdO3
expect "items --codes as JSON" 0 '^\{"version":180,"item":\{"number":150,"id":"maritalStatusAtDx","name":"Marital Status at DX"\},"codes":\[\{"code":"1","first_version":180,"label":"Single \(never married\)"\},' \
  "$cli" items 180 --codes maritalStatusAtDx --json
expect "items --codes: an item without a list" 1 "dateOfDiagnosis \(item 390\) has no list of codes in version 180" \
  "$cli" items 180 --codes dateOfDiagnosis
expect "items --codes: no such item" 2 "no item 'noSuchItem' in the dictionary of version 180" \
  "$cli" items 180 --codes noSuchItem
expect "items --codes needs an item" 2 "option '--codes' needs a value" "$cli" items 180 --codes

# ---- show: a NAACCR 18 incidence record with a few items given.
record=$(printf 'I%015s180%-202s2%-321s20191345%-1686s1' "" "" "" "")
record=$(printf '%-4048s' "$record")
printf '%s\n%s\n' "$record" "$record" >two.txt
expect "show the given items" 0 \
  "two.txt: record 1 \(offset 0\), 4048 characters, type I, version 180 +10 +recordType +Record Type +1-1 +\"I\" +50 +naaccrRecordVersion .* 220 +sex +Sex +222-222 +\"2\" +390 +dateOfDiagnosis +Date of Diagnosis +544-551 +\"20191345\"" \
  "$cli" show two.txt
[[ $("$cli" show two.txt | wc -l) -eq 6 ]] || fail "show lists other than the 5 given items"
expect "show: a code's label beside its value" 0 " 1360 +rxSummRadiation .* \"1\"  Beam radiation" "$cli" show two.txt
[[ $("$cli" show --all two.txt | grep -c '"  *"$') -gt 100 ]] || fail "show --all lists no blank items"
expect "show the second record" 0 "record 2 \(offset 4049\)" "$cli" show --record 2 two.txt
expect "show record 0" 2 "option '--record' counts records from 1" "$cli" show --record 0 two.txt
expect "show past the end" 1 "two.txt: no record 3 \(it has 2\)" "$cli" show --record 3 two.txt
gzip -c two.txt >two.txt.gz
expect "show gzip input" 0 "\"20191345\"" "$cli" show two.txt.gz
expect "show standard input" 0 "^-: record 2 .*\"20191345\"" bash -c "'$cli' show --record 2 - <two.txt"
sed 's/^I               180/I               130/' two.txt >v130.txt
expect "show without a dictionary" 1 "no data dictionary for its type and version" "$cli" show v130.txt
expect "show a missing file" 2 "absent.txt: cannot be read" "$cli" show absent.txt
expect "show: no file" 2 "Usage: cvnaaccr show" "$cli" show

# ---- inspect names a NAACCR XML file by its root, read by the library's XML check;
# only the root is read, so a file cut after it is no matter.
root='<NaaccrData baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml" specificationVersion="1.8" xmlns="http://naaccr.org/naaccrxml"'
printf '<?xml version="1.0"?>\n%s recordType="I">\n<Patient/>\n' "$root" >cut.xml
printf '\xef\xbb\xbf<?xml version="1.0"?>\n%s>\n</NaaccrData>\n' "$root" >bom.xml
printf '<NaaccrDat/>\n' >other.xml
expect "inspect: XML root, a file cut short" 0 "format: +NAACCR XML record type: +I version: +250 .*NAACCR_REC_OK" \
  "$cli" inspect cut.xml
expect "inspect: XML after a byte-order mark, no record type" 1 "NAACCR_REC_BAD_TYPE .*version 250, without a record type" \
  "$cli" inspect bom.xml
expect "inspect: XML of another root" 1 "NAACCR_REC_BAD_VERSION .*the root element is NaaccrDat, not NaaccrData" \
  "$cli" inspect other.xml

# ---- show on NAACCR XML: the N-th tumour with its patient's and the file's items.
{
  printf '<?xml version="1.0"?>\n%s recordType="I">\n<Item naaccrId="registryId">0000000001</Item>\n' "$root"
  printf '<Patient><Item naaccrId="patientIdNumber">00000001</Item><Tumor><Item naaccrId="primarySite">C123</Item></Tumor></Patient>\n'
  printf '<Patient><Item naaccrId="patientIdNumber">00000002</Item><Tumor><Item naaccrId="primarySite">C456</Item></Tumor>\n'
  printf '<Tumor><Item naaccrId="primarySite">C789</Item></Tumor></Patient>\n</NaaccrData>\n'
} >three.xml
expect "show XML: tumour 3 with its patient's and the file's items" 0 \
  "tumour 3 \(patient 2\), NAACCR XML, type I, version 250 .* 40 +registryId .*NaaccrData +\"0000000001\" .* 20 +patientIdNumber .*\"00000002\" .* 400 +primarySite .*Tumor +\"C789\"" \
  "$cli" show three.xml --record 3
expect "show XML --all: the items not given too" 0 " 570 +abstractedBy .*\"\"" "$cli" show three.xml --all
expect "show XML: no such tumour" 1 "no tumour 4 \(it has 3\)" "$cli" show three.xml --record 4

# ---- show on NAACCR XML through standard input and gzip data: the plain file's lines, its name aside.
gzip -c three.xml >three.xml.gz
head -c 60 three.xml.gz >short.xml.gz
plain=$("$cli" show three.xml --record 3 --all | sed '1s/^three\.xml:/NAME:/')
[[ $plain == NAME:\ tumour\ 3* ]] || fail "show XML --all from the plain file: $(head -1 <<<"$plain")"
while IFS='|' read -r label command; do
  out=$(bash -c "$command" 2>&1 | sed '1s/^[^:]*:/NAME:/') || fail "show XML through $label: exit status $?"
  [[ $out == "$plain" ]] || fail "show XML through $label differs from the plain file: $(diff <(echo "$plain") <(echo "$out") | head -3)"
done <<EOF
a gzip file|'$cli' show three.xml.gz --record 3 --all
standard input|'$cli' show - --record 3 --all <three.xml
gzip data on standard input|'$cli' show - --record 3 --all <three.xml.gz
EOF
# Failures read from standard input are told as for a plain file.
while IFS='|' read -r label status pattern input; do
  expect "show XML on standard input: $label" "$status" "$pattern" bash -c "'$cli' show --record 4 - <$input"
done <<'EOF'
past the end|1|^cvnaaccr show: -: no tumour 4 \(it has 3\) *$|three.xml
gzip data cut short|2|^cvnaaccr show: -: cannot be read: the compressed data is cut short *$|short.xml.gz
not NAACCR XML|1|^cvnaaccr show: -: no tumour 4 \(it has 0\) *$|other.xml
EOF

# ---- help and the manual page.
for command in items show; do
  expect "help of $command" 0 "^Usage: cvnaaccr $command" "$cli" $command --help
  expect "program help names $command" 0 " $command " "$cli" --help
  manual=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$manpage")
  grep -qF -- "cvnaaccr $command" <<<"$manual" || fail "cvnaaccr.1 lacks the command $command"
  for option in $("$cli" $command --help | grep -oE '(^|[ [,])--?[a-z][a-z-]*' | tr -d ' [,' | sort -u); do
    grep -qF -- "$option" <<<"$manual" || fail "cvnaaccr.1 lacks $option (from cvnaaccr $command --help)"
  done
done

echo "$failures failures"
[[ $failures -eq 0 ]]
