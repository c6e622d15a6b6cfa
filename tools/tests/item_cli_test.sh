#!/usr/bin/env bash
# item_cli_test.sh -- `cvnaaccr items` and `cvnaaccr show` end to end on Linux:
#   item_cli_test.sh CLI WORK MANPAGE
# A failed case names itself and the test goes on.
set -uo pipefail
cli=$1 work=$2 manpage=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect LABEL STATUS REGEX COMMAND...: the exit status, and output (stdout and
# stderr, lines joined by blanks) matching the extended regular expression.
expect() {
  local label=$1 status=$2 pattern=$3
  shift 3
  local out rc
  out=$("$@" 2>&1)
  rc=$?
  [[ $rc -eq $status ]] || { fail "$label: exit $rc, expected $status"; echo "$out" | head -5; return; }
  [[ -z $pattern ]] || tr '\n' ' ' <<<"$out" | grep -Eq -- "$pattern" || { fail "$label: output lacks /$pattern/"; echo "$out" | head -5; }
}

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
expect "items: bad type" 2 "--type takes A, M, C or I, not 'X'" "$cli" items 180 --type X
expect "items: no version" 2 "Usage: cvnaaccr items" "$cli" items

# ---- show: a NAACCR 18 incidence record with a few items given.
record=$(printf 'I%015s180%-202s2%-321s20191345' "" "" "")
record=$(printf '%-4048s' "$record")
printf '%s\n%s\n' "$record" "$record" >two.txt
expect "show the given items" 0 \
  "two.txt: record 1 \(offset 0\), 4048 characters, type I, version 180 +10 +recordType +Record Type +1-1 +\"I\" +50 +naaccrRecordVersion .* 220 +sex +Sex +222-222 +\"2\" +390 +dateOfDiagnosis +Date of Diagnosis +544-551 +\"20191345\"" \
  "$cli" show two.txt
[[ $("$cli" show two.txt | wc -l) -eq 5 ]] || fail "show lists other than the 4 given items"
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
