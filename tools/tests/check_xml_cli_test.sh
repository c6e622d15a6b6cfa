#!/usr/bin/env bash
# check_xml_cli_test.sh -- `cvnaaccr check` on NAACCR XML files end to end:
#   check_xml_cli_test.sh CLI WORK XMLSAMPLES
# XMLSAMPLES is the repository's data/xml-samples.  A failed case names itself
# and the test goes on.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 xmlsamples=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

# The problems of a check's text output as "line column patient tumour LABEL
# id value" lines; the ids of the patient and tumour stand in brackets.
problems() {
  perl -ne 'print join(" ", grep { defined && length } ($1, $2, $4, $5, $6, $7, $8)), "\n"
    if /: line (\d+), column (\d+)( \(patient (\d+)(?:, tumour (\d+))?\))?(?: \[[^]]*\])?: ([^:]+): (?:(\w+)(?: \(item \d+\))? = ("[^"]*"):)?/'
}

root='baseDictionaryUri="http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml" recordType="I" specificationVersion="1.8"'
# ---- a NAACCR 25 incidence file with one fault of each kind at a known place.
cat >faults.xml <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<NaaccrData $root xmlns="http://naaccr.org/naaccrxml">
  <Item naaccrId="registryId">0000001234</Item>
  <Patient>
    <Item naaccrId="patientIdNumber">00000001</Item>
    <Item naaccrId="sex">X</Item>
    <Tumor>
      <Item naaccrId="dateOfDiagnosis">20191345</Item>
      <Item naaccrId="primarySite">C509</Item>
      <Item naaccrId="noSuchItem">1</Item>
    </Tumor>
    <Tumor>
      <Item naaccrId="primarySite" naaccrNum="401">C509</Item>
      <Item naaccrId="primarySite">C509</Item>
      <Item naaccrId="dateOfDiagnosis">2019 </Item>
    </Tumor>
  </Patient>
  <Patient>
    <Item naaccrId="dateOfBirth">20190230</Item>
    <Tumor>
      <Item naaccrId="sex">1</Item>
      <Tumour/>
    </Tumor>
  </Patient>
</NaaccrData>
EOF
want='6 5 1 Item data type sex "X"
8 7 1 1 Item date dateOfDiagnosis "20191345"
10 7 1 1 Unknown item noSuchItem "1"
13 7 1 2 Item number primarySite "C509"
14 7 1 2 Repeated item primarySite "C509"
15 7 1 2 Blanks around a value dateOfDiagnosis "2019 "
19 5 2 Item date dateOfBirth "20190230"
21 7 2 1 Item level sex "1"
22 7 2 1 XML structure'
gzip -c faults.xml >faults.xml.gz
cp faults.xml.gz faults-gzip-without-suffix
# The same file with a byte-order mark and CR LF line ends; without its
# declaration and after two blank lines.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' faults.xml; } >faults-bom-crlf.xml
{ printf '\n\n'; sed 1d faults.xml; } >faults-blank-lines.xml
while IFS='|' read -r label offset command; do
  got=$(eval "$command" | problems | awk -v d="$offset" '{ $1 += d; print }')
  [[ $got == "$want" ]] || fail "$label: $(diff <(echo "$got") <(echo "$want") | head -4)"
done <<CASES
file|0|"$cli" check faults.xml
file, --items as well|0|"$cli" check --items faults.xml
one thread|0|"$cli" check --threads 1 faults.xml
gzip|0|"$cli" check faults.xml.gz
gzip data without .gz|0|"$cli" check faults-gzip-without-suffix
standard input|0|"$cli" check - <faults.xml
gzip on standard input|0|"$cli" check - <faults.xml.gz
byte-order mark, CR LF|0|"$cli" check faults-bom-crlf.xml
blank lines before the root|-1|"$cli" check faults-blank-lines.xml
CASES

summary='faults.xml: NAACCR XML, version 250, record type I, specification 1.8: 2 patients, 3 tumours, 9 problems \(1 Item data type, 2 Item date, 1 Blanks around a value, 1 Unknown item, 1 Item number, 1 Item level, 1 Repeated item, 1 XML structure\), [0-9]+ item values checked'
top='faults.xml: items with most problems: 220 sex 2, 390 dateOfDiagnosis 2, 400 primarySite 2, 240 dateOfBirth 1, noSuchItem 1 $'
expect "summary: what the file is, what it holds" 1 "$summary $top" "$cli" check faults.xml
expect "--quiet: the summary lines alone" 1 "^$summary $top" "$cli" check --quiet faults.xml
expect "--max-problems limits the list, not the tally" 1 "and 7 more problems $summary $top" \
  "$cli" check --max-problems 2 faults.xml
expect "a message names the item" 1 'line 6, column 5 \(patient 1\)( \[[^]]*\])?: Item data type: sex \(item 220\) = "X": ' \
  "$cli" check faults.xml

# JSON: schema 2 whether --items is given or not, each problem placed.
for items in "" --items; do
  json=$("$cli" check --json $items --max-problems 3 faults.xml)
  while IFS= read -r field; do
    [[ $json == *"$field"* ]] || fail "check --json $items lacks $field"
  done <<'FIELDS'
{"schema":2,"path":"faults.xml","problems":[{"record":0,"offset":
"column":5,"line":6,"patient":1,"tumor":0,"code":16,"code_name":"NAACCR_CHECK_ITEM_DATA_TYPE","message":"sex: 'X' where only digits 0-9 may stand","item":{"number":220,"id":"sex","name":"Sex","start":0,"length":1},"value":"X","label":"Item data type","patient_id":"00000001"}
{"record":1,"offset":
"column":7,"line":10,"patient":1,"tumor":1,"code":23,"code_name":"NAACCR_CHECK_ITEM_UNKNOWN","message":"unknown item noSuchItem: not in dictionary 250","item":{"number":0,"id":"noSuchItem","name":"","start":0,"length":0},"value":"1","label":"Unknown item","patient_id":"00000001"}],
"records":3,
"problem_count":9,"unlisted":6,
"NAACCR_CHECK_XML_STRUCTURE":1,
"problems_by_item":[{"number":220,"id":"sex","name":"Sex","count":2},{"number":390,"id":"dateOfDiagnosis","name":"Date of Diagnosis","count":2},{"number":400,"id":"primarySite","name":"Primary Site","count":2},
{"number":0,"id":"noSuchItem","name":"","count":1}],"untallied_unknown_items":0,"record_type":"I","version":"250",
"stopped":0,"format":"xml","specification_version":"1.8","user_dictionaries":"","patients":2,"tumors":3,"problems_without_ids":0}
FIELDS
done
json=$("$cli" check --json --json faults.xml - <faults.xml.gz)
[[ $(grep -c '"format":"xml"' <<<"$json") -eq 2 ]] || fail "JSON of a file and of gzip on standard input: other than two XML objects"
printf 'I%015s180%-4029s\n' "" "" >flat.txt
[[ $("$cli" check --json --items flat.txt) == *'"stopped":0,"format":"flat"}' ]] || fail "schema 2 of a flat file does not end in format flat"
[[ $("$cli" check --json flat.txt) != *format* ]] || fail "schema 1 names a format"

# ---- exit status and hostile or broken input.
printf '<NaaccrData %s xmlns="http://naaccr.org/naaccrxml"><Patient><Tumor><Item naaccrId="primarySite">C509</Item></Tumor></Patient></NaaccrData>\n' "$root" >valid.xml
printf '<NaaccrData %s xmlns="http://naaccr.org/naaccrxml"><Patient><Tumor><Item naaccrId="prim' "$root" >cut.xml
printf '<?xml version="1.0"?>\n<!DOCTYPE x [<!ENTITY a "aaaa">]>\n<NaaccrData/>\n' >doctype.xml
printf '<?xml version="1.0" encoding="EBCDIC-US"?>\n<NaaccrData/>\n' >ebcdic.xml
head -c 100 faults.xml.gz >cut.xml.gz
while IFS='|' read -r label status pattern command; do
  expect "$label" "$status" "$pattern" bash -c "$command"
done <<CASES
valid: no problem|0|valid.xml: NAACCR XML, version 250, record type I, specification 1.8: 1 patient, 1 tumour, 0 problems, 1 item value checked $|"$cli" check valid.xml
cut in the middle of a tag|1|Malformed XML|"$cli" check cut.xml
DOCTYPE refused|1|line 2, column [0-9]+: Malformed XML: a DOCTYPE|"$cli" check doctype.xml
encoding not supported|1|XML encoding|"$cli" check ebcdic.xml
damaged gzip|2|cut.xml.gz: the compressed data is cut short|"$cli" check cut.xml.gz
missing file|2|cannot be opened|"$cli" check missing.xml
checksum assign refuses XML, writes nothing|1|valid.xml: NAACCR XML, which has no checksum fields; out.txt not written|"$cli" checksum assign valid.xml -o out.txt; s=\$?; [[ ! -e out.txt ]] && exit \$s
checksum assign refuses gzip XML on standard input|1|-: NAACCR XML, which has no checksum fields|"$cli" checksum assign - -o out.txt <faults.xml.gz
worst status of several|2|valid.xml: .* 0 problems.*missing.xml|"$cli" check valid.xml missing.xml
CASES

# ---- the tally of unknown ids is bounded: the first 1000 each, the problems of the rest counted.
{
  printf '<NaaccrData %s xmlns="http://naaccr.org/naaccrxml"><Patient>\n' "$root"
  for k in $(seq 1 1003); do printf '<Item naaccrId="unknown%d">1</Item>\n' "$k"; done
  printf '<Item naaccrId="unknown1">1</Item></Patient></NaaccrData>\n'
} >many-ids.xml
json=$("$cli" check --json --max-problems 1 many-ids.xml)
[[ $(grep -o '"count":' <<<"$json" | wc -l) -eq 1000 ]] || fail "problems_by_item of 1003 unknown ids holds other than 1000"
[[ $json == *'{"number":0,"id":"unknown1","name":"","count":2},'* ]] || fail "a tallied id seen again is not counted"
[[ $json == *'],"untallied_unknown_items":3,'* ]] || fail "the problems of the ids past 1000 are not counted"
expect "text: the untallied problems named" 1 'items with most problems: unknown1 2, unknown10 1, .*; 3 problems of further unknown ids $' \
  "$cli" check --quiet many-ids.xml

# ---- user dictionaries: an item of a registry's own, known only when loaded.
cat >mine.xml <<'EOF'
<?xml version="1.0"?>
<NaaccrDictionary dictionaryUri="urn:mine" naaccrVersion="250" specificationVersion="1.8" xmlns="http://naaccr.org/naaccrxml">
<ItemDefs>
<ItemDef naaccrId="myItem" naaccrNum="9500" naaccrName="Mine" length="5" recordTypes="A,M,C,I" parentXmlElement="Tumor" dataType="digits"/>
</ItemDefs>
</NaaccrDictionary>
EOF
printf '<NaaccrData %s userDictionaryUri="urn:mine" xmlns="http://naaccr.org/naaccrxml"><Patient><Tumor>\n<Item naaccrId="myItem">12345</Item></Tumor></Patient></NaaccrData>\n' "$root" >uses-mine.xml
printf '<NaaccrData %s userDictionaryUri="urn:mine" xmlns="http://naaccr.org/naaccrxml"><Patient><Tumor>\n<Item naaccrId="myItem">12x45</Item></Tumor></Patient></NaaccrData>\n' "$root" >bad-mine.xml
sed 's/naaccrId="myItem" naaccrNum="9500"/naaccrId="sex" naaccrNum="220"/' mine.xml >clash.xml
while IFS='|' read -r label status pattern command; do
  expect "$label" "$status" "$pattern" bash -c "$command"
done <<CASES
not loaded: unknown, its dictionary named|1|Unknown item: myItem = "12345": unknown item myItem: .*not loaded: urn:mine.*user dictionaries "urn:mine"|"$cli" check uses-mine.xml
loaded: known|0|1 tumour, 0 problems, 1 item value checked|"$cli" check --dictionary mine.xml uses-mine.xml
loaded: its rules apply|1|line 2, column 1 \(patient 1, tumour 1\)( \[[^]]*\])?: Item data type: myItem \(item 9500\) = "12x45"|"$cli" check --dictionary mine.xml bad-mine.xml
loaded, with JSON and from standard input|0|"problem_count":0,.*"user_dictionaries":"urn:mine"|"$cli" check --json --dictionary mine.xml - <uses-mine.xml
twice, and a missing one|1|User dictionary: .*nothing.xml|"$cli" check --dictionary mine.xml --dictionary nothing.xml uses-mine.xml
a dictionary that redefines a base item|1|User dictionary: .*clash.xml|"$cli" check --dictionary clash.xml valid.xml
a flat file: not used, and said so|0|--dictionary is not used for fixed-length records.*flat.txt: 1 record, 0 problems|"$cli" check --dictionary mine.xml flat.txt
--dictionary needs a value|2|option '--dictionary' needs a value|"$cli" check valid.xml --dictionary
CASES

# ---- the sample files (what each holds: data/README.md).
if [[ -d $xmlsamples ]]; then
  while IFS='|' read -r file status pattern; do
    expect "$file" "$status" "$pattern" "$cli" check --max-problems 1 "$xmlsamples/$file"
  done <<'CASES'
naaccr-xml__valid_standard-file-1.xml|0|: NAACCR XML, version 240, record type I, specification 1.7: 2 patients, 1 tumour, 0 problems, 4 item values checked $
naaccr-xml__valid_user-extensions-1.xml|0|: NAACCR XML, version 240, record type I, specification 1.7: 1 patient, 1 tumour, 0 problems
naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz|0|: NAACCR XML, version 250, record type I, specification 1.7: 944 patients, 1000 tumours, 0 problems, 76334 item values checked $
naaccr-xml__test-multi-line-cdata.xml|1|line 10, column 13 \(patient 1, tumour 1\)( \[[^]]*\])?: Item not of the record type: textRemarks \(item 2680\) = "Some<10>text"
naaccr-xml__invalid_bad-tag-1.xml|1|line 5, column 1: XML structure: the root element is NaaccrDat.*0 patients, 0 tumours, 1 problem
naaccr-xml__invalid_value-to-long-1.xml|1|line 8, column 9 \(patient 1\)( \[[^]]*\])?: Item too long: patientIdNumber \(item 20\)
naaccr-xml__invalid_bad-data-item-2.xml|1|line 8, column 9 \(patient 1\)( \[[^]]*\])?: Item level: primarySite \(item 400\) = "C123"
naaccr-xml__invalid_unknown-data-item-1.xml|1|line 10, column 13 \(patient 1, tumour 1\)( \[[^]]*\])?: Unknown item: unknown = "XXX": .*not loaded: whatever
naaccr-xml__invalid_default-namespace-missing-1.xml|1|line 5, column 1: XML root: NaaccrData has no namespace
naaccr-xml__xml-reader-duplicate-items.xml|1|1 patient, 1 tumour, 2 problems \(1 Repeated item, 1 XML root\)
naaccr-xml__xml-reader-special-characters.xml|1|line 1, column 1: XML root: NaaccrData has no namespace.*1 problem \(1 XML root\)
naaccr-xml__test_ASCII_with_control_chars.xml|1|line 8, column 74 \(patient 1, tumour 1\)( \[[^]]*\])?: Malformed XML
werth-naaccr__synthetic-naaccr-18-incidence.xml|1|NAACCR XML, version 180, specification 1.4: 17 patients, 20 tumours, 2 problems \(2 XML root\), 1879 item values checked
CASES
  # With --codes: each problem at its Item (their outcome is in the README).
  while IFS='|' read -r file status pattern; do
    expect "$file --codes" "$status" "$pattern" "$cli" check --codes --max-problems 1 "$xmlsamples/$file"
  done <<'CASES'
naaccr-xml__valid_standard-file-1.xml|1|line 10, column 13 \(patient 1, tumour 1\)( \[[^]]*\])?: Invalid code: primarySite \(item 400\) = "C123": primarySite: 'C123' is not one of its codes in the lists of NAACCR 180 to 240 .*: codes by the lists of NAACCR 180 to 240: 1 tumour judged;
naaccr-xml__valid_user-extensions-1.xml|1|1 patient, 1 tumour, 1 problem \(1 Invalid code\)
naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz|1|line 1585, column 13 \(patient 19, tumour 1\)( \[[^]]*\])?: Code combination: sequenceNumberCentral \(item 380\) = "00": .* 944 patients, 1000 tumours, 43 problems \(14 Code combination, 29 Date order\), 76334 item values checked .* codes by the lists of NAACCR 180 to 250: 1000 tumours judged; SEER's site/histology list of 2022-04-29 \(diagnoses of 2021 to 2023\) judged 509, not 491 of other years
naaccr-xml__test-multi-line-cdata.xml|1|1 patient, 1 tumour, 1 problem \(1 Item not of the record type\)
naaccr-xml__invalid_bad-tag-1.xml|1|0 patients, 0 tumours, 1 problem .*: codes not checked: no lists of codes for the file's version
naaccr-xml__invalid_value-to-long-1.xml|1|1 patient, 1 tumour, 2 problems \(1 Item too long, 1 Invalid code\)
naaccr-xml__invalid_bad-data-item-2.xml|1|1 patient, 0 tumours, 2 problems \(1 Item level, 1 Invalid code\)
naaccr-xml__invalid_unknown-data-item-1.xml|1|1 patient, 1 tumour, 1 problem \(1 Unknown item\)
naaccr-xml__invalid_default-namespace-missing-1.xml|1|1 patient, 1 tumour, 2 problems \(1 XML root, 1 Invalid code\)
naaccr-xml__xml-reader-duplicate-items.xml|1|1 patient, 1 tumour, 3 problems \(1 Repeated item, 1 XML root, 1 Invalid code\)
naaccr-xml__xml-reader-special-characters.xml|1|1 patient, 1 tumour, 1 problem \(1 XML root\)
naaccr-xml__test_ASCII_with_control_chars.xml|1|1 patient, 1 tumour, 2 problems \(1 Malformed XML, 1 Invalid code\)
werth-naaccr__synthetic-naaccr-18-incidence.xml|1|17 patients, 20 tumours, 3 problems \(2 XML root, 1 Date order\), 1879 item values checked .*items with most problems: 390 dateOfDiagnosis 1 .* judged 0, not 20 of other years
CASES
else
  fail "no NAACCR XML samples at $xmlsamples"
fi

echo "$failures failures"
[[ $failures -eq 0 ]]
