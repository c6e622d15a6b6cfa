#!/usr/bin/env bash
# browser_report_test.sh -- the HTML report of a sample folder rendered by a
# real browser, Debian's chromium, headless: its counts are those of
# `check --json`, a known problem's row names its patient, and a hostile
# value and file name show as text.  It fails when chromium is missing
# (tools/install_packages.sh browser installs it).
#   browser_report_test.sh CLI WORK SAMPLES XMLSAMPLES [SCREENSHOT.png]
# With SCREENSHOT, the rendered page is also saved there (docs/report.png).
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 work=$2 samples=$3 xmlsamples=$4 screenshot=${5:-}
rm -rf "$work" && mkdir -p "$work/sample/west" && cd "$work" || exit 1
failures=0

browser=$(command -v chromium || command -v chromium-browser) ||
  { echo "FAIL: no chromium: tools/install_packages.sh browser installs it"; exit 1; }
render() { # render MODE OUT: --dump-dom to OUT, or --screenshot=OUT
  local profile
  profile=$(mktemp -d "$work/profile.XXXXXX")
  local flags=(--headless --disable-gpu --no-first-run --disable-background-networking --disable-component-update
    --disable-sync --user-data-dir="$profile" --window-size=1100,1500)
  [[ $(id -u) -ne 0 ]] || flags+=(--no-sandbox)
  if [[ $1 == --dump-dom ]]; then
    timeout 120 "$browser" "${flags[@]}" --dump-dom "file://$work/report.html" >"$2" 2>browser.log
  else
    timeout 120 "$browser" "${flags[@]}" --screenshot="$2" "file://$work/report.html" >browser.log 2>&1
  fi
}

cp "$samples/illegal-character.txt" sample/faulty.txt
cp "$samples/i-180-lf.txt" sample/west/clean.txt
printf 'Dear registry,\nthe files of March.\n' >sample/west/letter.txt
# A value and a name that would be markup if the report let them through.
sed 's|<Item naaccrId="primarySite">C123</Item>|<Item naaccrId="dateOfDiagnosis">\&lt;b\&gt;1\&lt;/b\&gt;</Item>|' \
  "$xmlsamples/naaccr-xml__valid_standard-file-1.xml" >'sample/west/<i>hostile&amp;.xml'

"$cli" check --recursive --items --html report.html sample >check.out 2>&1
[[ $? -eq 1 ]] || fail "check --html: exit status, expected 1"
"$cli" check --recursive --items --json sample >check.json 2>/dev/null
render --dump-dom dom.html || fail "chromium could not render the report (browser.log)"
[[ -s dom.html ]] || { fail "chromium rendered nothing"; tail -5 browser.log; }
perl -0pe 's/<tr>/\n<tr>/g' dom.html >rows.html # a table row a line

# The counts are those of --json: each file's and the total.
grouped() { perl -e '$_ = shift; 1 while s/^(\d+)(\d{3})/$1,$2/; print' "$1"; } # 1136 as the page shows it: 1,136
total=$(perl -ne '$t += $1 if /"problem_count":(\d+)/; END { print $t + 0 }' check.json)
shown=$(perl -0ne 'print $1 =~ s/,//gr if /class="n total-problems">([\d,]+)</' dom.html)
[[ -n $shown && $shown -eq $total ]] || fail "total problems: the page shows '$shown', check --json counts $total"
while read -r path count; do
  grep -q "$path</a></td><td><span class=\"[a-z-]*\">.*<td class=\"n\">$(grouped "$count")</td>" rows.html || fail "$path: the page does not show its $count problems"
done < <(perl -ne 'print "$1 $2\n" if /"path":"([^"<>]*)".*"problem_count":(\d+)/ && $2 > 0' check.json)
grep -q 'sample/west/letter.txt</a></td><td><span class="not-naaccr">not NAACCR' dom.html ||
  fail "a letter is shown as no NAACCR file"

# A known problem's row, with its patient, tumour, item, value and label.
grep -q '<tr><td class="n">1</td><td>3RQ0WLL0</td><td>Q</td><td>KVGR9FCUD</td><td>Illegal character</td>' rows.html ||
  fail "the illegal character's row with its patient"

# What came from the file is text: escaped in the page, never an element.
grep -q '<td class="value">&lt;b&gt;1&lt;/b&gt;</td>' dom.html || fail "the hostile value is not shown as text"
grep -q '<b>1</b>' dom.html && fail "the hostile value became markup"
grep -q 'sample/west/&lt;i&gt;hostile&amp;amp;.xml' dom.html || fail "the hostile file name is not shown as text"
grep -q '<i>hostile' dom.html && fail "the hostile file name became markup"
grep -qi '<script' dom.html && fail "the page has a script"
grep -Eqi '(src|href)="(https?:)?//' dom.html && fail "the page fetches something"

if [[ -n $screenshot ]]; then
  render --screenshot "$screenshot" || fail "no screenshot"
fi
echo "$failures failures"
[[ $failures -eq 0 ]]
