#!/usr/bin/env bash
# check_items_cli_test.sh -- `cvnaaccr check --items` and `--codes` end to end on Linux:
#   check_items_cli_test.sh CLI WORK PEERDATA
# A failed case names itself and the test goes on.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 peerdata=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

# The problems of a check's text output as "record column LABEL id value"
# lines; the ids a record gives stand in brackets after its column.
problems() { sed -n 's/^.*: record \([0-9]*\) (offset [0-9]*), column \([0-9]*\)\( \[[^]]*\]\)\{0,1\}: \([^:]*\): \([A-Za-z0-9]*\) = \("[^"]*"\):.*$/\1 \2 \4 \5 \6/p'; }

# ---- a NAACCR 18 incidence file: record 2 of 3 holds four item faults, the
# others valid values of the same items.
record() { # record DIAGNOSIS SEX TRACT BIRTH
  local r
  r=$(printf '%-4048s' I)
  put() { r="${r:0:$(($1 - 1))}$2${r:$(($1 - 1 + ${#2}))}"; }
  put 17 180; put 544 "$1"; put 222 "$2"; put 185 "$3"; put 226 "$4"
  printf '%s\n' "$r"
}
{ record 20190101 2 012345 19500228; record 20191345 X " 12345" 20190230; record 2019 1 000000 20000229; } >faults.txt
want='2 185 Item padding censusTract2010 " 12345"
2 222 Item data type sex "X"
2 232 Item date dateOfBirth "20190230"
2 548 Item date dateOfDiagnosis "20191345"'
gzip -c faults.txt >faults.txt.gz
while IFS='|' read -r label command; do
  got=$(eval "$command" | problems)
  [[ $got == "$want" ]] || fail "$label: $(diff <(echo "$got") <(echo "$want") | head -4)"
done <<CASES
one thread|"$cli" check --items --threads 1 faults.txt
two threads|"$cli" check --items --threads 2 faults.txt
gzip|"$cli" check --items faults.txt.gz
standard input|"$cli" check --items - <faults.txt
gzip on standard input|"$cli" check --items - <faults.txt.gz
CASES
expect "summary and the items with most problems" 1 \
  "faults.txt: 3 records, 4 problems \(1 Item data type, 2 Item date, 1 Item padding\), 15 item values checked faults.txt: items with most problems: 135 censusTract2010 1, 220 sex 1, 240 dateOfBirth 1, 390 dateOfDiagnosis 1 $" \
  "$cli" check --items faults.txt
expect "without --items: no item is looked at" 0 "^faults.txt: 3 records, 0 problems $" "$cli" check faults.txt
expect "--quiet: the summary lines alone" 1 "^faults.txt: 3 records, 4 problems .* items with most problems: 135 " \
  "$cli" check --items --quiet faults.txt
[[ $("$cli" check --items --quiet faults.txt | wc -l) -eq 2 ]] || fail "--items --quiet writes other than two lines"
expect "--max-problems limits the list, not the tally" 1 "\.\.\. and 3 more problems .*items with most problems: 135 censusTract2010 1, 220 sex 1, 240 dateOfBirth 1, 390 dateOfDiagnosis 1" \
  "$cli" check --items --max-problems 1 faults.txt

# JSON: schema 2 with --items, schema 1 (no item fields) without.
json=$("$cli" check --items --json --max-problems 3 faults.txt)
while IFS= read -r field; do
  [[ $json == *"$field"* ]] || fail "check --items --json lacks $field"
done <<'FIELDS'
{"schema":2,"path":"faults.txt","problems":[{"record":2,"offset":4049,"column":185,"code":19,"code_name":"NAACCR_CHECK_ITEM_PADDING","message":"Census Tract 2010 (item 135, columns 185-190): a blank inside a zero-filled value.","item":{"number":135,"id":"censusTract2010","name":"Census Tract 2010","start":185,"length":6},"value":" 12345","label":"Item padding"}
"item":{"number":220,"id":"sex","name":"Sex","start":222,"length":1},"value":"X","label":"Item data type"}
"item":{"number":240,"id":"dateOfBirth","name":"Date of Birth","start":226,"length":8},"value":"20190230","label":"Item date"}],
"problem_count":4,"unlisted":1,
"NAACCR_CHECK_ITEM_DATA_TYPE":1,"NAACCR_CHECK_ITEM_SHORT":0,"NAACCR_CHECK_ITEM_DATE":2,"NAACCR_CHECK_ITEM_PADDING":1,"NAACCR_CHECK_NO_DICTIONARY":0
"NAACCR_CHECK_USER_DICTIONARY":0,
},"items_checked":15,"problems_by_item"
"problems_by_item":[{"number":135,"id":"censusTract2010","name":"Census Tract 2010","count":1},{"number":220,"id":"sex","name":"Sex","count":1},{"number":240,"id":"dateOfBirth","name":"Date of Birth","count":1},{"number":390,"id":"dateOfDiagnosis","name":"Date of Diagnosis","count":1}],"untallied_unknown_items":0,"record_type":"I"
FIELDS
[[ $(grep -o '"code":' <<<"$json" | wc -l) -eq 4 ]] || fail "check --items --json --max-problems 3 lists other than 3 problems"
json=$("$cli" check --json faults.txt)
[[ $json == '{"schema":1,"path":"faults.txt","problems":[],'* ]] || fail "check --json without --items is not schema 1"
[[ $json != *ITEM* && $json != *items_checked* ]] || fail "check --json without --items names items"
printf 'I%015s130%-3320s\n' "" "" >v130.txt
expect "JSON: a record problem has no item" 1 '"problems":\[\{"record":1,"offset":0,"column":0,"code":20,"code_name":"NAACCR_CHECK_NO_DICTIONARY","message":"[^"]*","item":null,"value":null,"label":"No dictionary"\}\]' \
  "$cli" check --items --json v130.txt

# ---- --codes: the record of the issue, whose every code is wrong, passes --items
# alone; --codes finds each at its column, in text and JSON.
{
  r=$(printf '%-4048s' I)
  put() { r="${r:0:$(($1 - 1))}$2${r:$(($1 - 1 + ${#2}))}"; }
  put 17 180; put 222 7; put 223 150; put 554 C999; put 558 8; put 564 9999; put 568 5
  printf '%s\n' "$r"
} >codes.txt
want='1 222 Invalid code sex "7"
1 223 Invalid code ageAtDiagnosis "150"
1 554 Invalid code primarySite "C999"
1 558 Invalid code laterality "8"
1 564 Invalid code histologicTypeIcdO3 "9999"
1 568 Invalid code behaviorCodeIcdO3 "5"'
got=$("$cli" check --codes codes.txt | problems)
[[ $got == "$want" ]] || fail "check --codes: $(diff <(echo "$got") <(echo "$want") | head -4)"
expect "without --codes no code is checked" 0 "^codes.txt: 1 record, 0 problems, 6 item values checked $" \
  "$cli" check --items codes.txt
expect "--codes: the lists used" 1 "6 Invalid code.* codes.txt: codes by the lists of NAACCR 180: 1 tumour judged; SEER's site/histology list of 2022-04-29 \(diagnoses of 2021 to 2023\) judged 0, not 0 of other years $" \
  "$cli" check --codes --quiet codes.txt
expect "--codes --json: the kinds, the items, the lists used" 1 '^\{"schema":2,.*"NAACCR_CHECK_ITEM_CODE":6,"NAACCR_CHECK_ITEM_COMBINATION":0,"NAACCR_CHECK_ITEM_DATE_ORDER":0,.*\},"items_checked":6,"problems_by_item":\[\{"number":220,"id":"sex","name":"Sex","count":1\},.*\],"untallied_unknown_items":0,"codes":\{"lists":"NAACCR 180","site_list":"2022-04-29","site_list_years":\[2021,2023\],"tumors_judged":1,"tumors_judged_by_site_list":0,"tumors_not_judged_by_site_list":0\},"record_type":"I"' \
  "$cli" check --codes --json codes.txt

# ---- the peers' real files, every item checked (their outcome is in the README).
if [[ -d $peerdata ]]; then
  while IFS='|' read -r file status summary top; do
    expect "$file" "$status" "$summary${top:+ .*$top}" "$cli" check --items --quiet "$peerdata/$file"
  done <<'CASES'
werth-naaccr__synthetic-naaccr-16-abstract.txt|0|: 10 records, 0 problems, 844 item values checked|
werth-naaccr__synthetic-naaccr-16-incidence.txt|0|: 10 records, 0 problems, 884 item values checked|
werth-naaccr__synthetic-naaccr-18-abstract.txt|0|: 20 records, 0 problems, 1685 item values checked|
werth-naaccr__synthetic-naaccr-18-incidence.txt|0|: 20 records, 0 problems, 1828 item values checked|
layout__fake-naaccr15-1-rec.txt|1|: 1 record, 65 problems \(38 Item data type, 27 Item date\), 264 item values checked|items with most problems: 21 patientSystemIdHosp 1, 240 dateOfBirth 1,
naaccr-xml__fake-naaccr14inc-2-rec.txt|1|: 2 records, 132 problems \(1 Last line ending missing, 77 Item data type, 54 Item date\), 517 item values checked|items with most problems: 21 patientSystemIdHosp 2,
layout__fake-naaccr13-1000-recs.txt.gz|1|: 1000 records, 1 problem \(1 No dictionary\), 0 item values checked|
layout__fake-naaccr-1-rec.txt|1|: 1 record, 1 problem \(1 No dictionary\), 0 item values checked|
CASES
  # With --codes (their outcome too is in the README).
  while IFS='|' read -r file status summary codes; do
    expect "$file --codes" "$status" "$summary.*: codes $codes" "$cli" check --codes --quiet "$peerdata/$file"
  done <<'CASES'
werth-naaccr__synthetic-naaccr-16-abstract.txt|0|: 10 records, 0 problems, 844 item values checked|by the lists of NAACCR 180: 10 tumours judged; .* judged 0, not 10 of other years
werth-naaccr__synthetic-naaccr-16-incidence.txt|0|: 10 records, 0 problems, 884 item values checked|by the lists of NAACCR 180: 10 tumours judged; .* judged 0, not 10 of other years
werth-naaccr__synthetic-naaccr-18-abstract.txt|0|: 20 records, 0 problems, 1685 item values checked|by the lists of NAACCR 180: 20 tumours judged; .* judged 0, not 20 of other years
werth-naaccr__synthetic-naaccr-18-incidence.txt|1|: 20 records, 1 problem \(1 Date order\), 1828 item values checked|by the lists of NAACCR 180: 20 tumours judged; .* judged 0, not 20 of other years
layout__fake-naaccr15-1-rec.txt|1|: 1 record, 68 problems \(38 Item data type, 27 Item date, 3 Invalid code\), 264 item values checked|by the lists of NAACCR 180: 1 tumour judged;
naaccr-xml__fake-naaccr14inc-2-rec.txt|1|: 2 records, 139 problems \(1 Last line ending missing, 77 Item data type, 54 Item date, 4 Invalid code, 3 Code combination\), 517 item values checked|by the lists of NAACCR 180: 2 tumours judged;
layout__fake-naaccr13-1000-recs.txt.gz|1|: 1000 records, 1 problem \(1 No dictionary\), 0 item values checked|not checked: no lists of codes for the file's version
layout__fake-naaccr-1-rec.txt|1|: 1 record, 1 problem \(1 No dictionary\), 0 item values checked|not checked: no lists of codes for the file's version
CASES
else
  fail "no peer data at $peerdata"
fi

echo "$failures failures"
[[ $failures -eq 0 ]]
