#!/usr/bin/env bash
# check_cli_test.sh -- the cvnaaccr program end to end on Linux:
#   check_cli_test.sh CLI MAKE_CHECK_FILES MAKE_SAMPLES WORK PEERDATA MANPAGE
# Each group of cases is a table; a failed case names itself and the test
# goes on, so one run shows every failure.
set -uo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/expect.sh"
cli=$1 make_check_files=$2 make_samples=$3 work=$4 peerdata=$5 manpage=$6
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0

# The problems of a check's text output as "record offset LABEL" lines; the
# ids a record gives stand in brackets after its column.
problems() { sed -n 's/^.*: record \([0-9]*\) (offset \([0-9]*\)), column [0-9]*\( \[[^]]*\]\)\{0,1\}: \([^:]*\):.*$/\1 \2 \4/p'; }

# ---- every kind of problem at the first, a middle and the last record, at
# buffer and piece boundaries, in each terminator form: the same problems in
# the same order with 1, 2 and 8 threads, through gzip and standard input.
mkdir files && "$make_check_files" files || exit 1
for expected in files/*.expected; do
  file=${expected%.expected}
  want=$(<"$expected")
  flags=(--max-problems 0)
  [[ $file == *checksums* ]] && flags+=(--checksums)
  for threads in 1 2 8; do
    got=$("$cli" check "${flags[@]}" --threads "$threads" "$file" | problems)
    [[ $got == "$want" ]] || fail "$file, $threads threads: $(diff <(echo "$got") "$expected" | head -3)"
  done
  gzip -1 -c "$file" >"$file.gz"
  got=$("$cli" check "${flags[@]}" "$file.gz" | problems)
  [[ $got == "$want" ]] || fail "$file.gz: $(diff <(echo "$got") "$expected" | head -3)"
  got=$("$cli" check "${flags[@]}" - <"$file" | problems)
  [[ $got == "$want" ]] || fail "$file on standard input: $(diff <(echo "$got") "$expected" | head -3)"
  got=$("$cli" check "${flags[@]}" - <"$file.gz" | problems)
  [[ $got == "$want" ]] || fail "$file gzipped on standard input"
done

# ---- check's exit status, limits and summary.
f=files/crlf-large.txt
expect "problems give 1" 1 "5438 records, 10 problems \(1 Record length, 2 Record type" \
  "$cli" check "$f"
expect "at most N listed" 1 "crlf-large.txt: \.\.\. and 7 more problems" "$cli" check --max-problems 3 "$f"
[[ $("$cli" check --max-problems 3 "$f" | problems | wc -l) -eq 3 ]] || fail "--max-problems 3 lists other than 3"
[[ $("$cli" check --quiet "$f" | wc -l) -eq 1 ]] || fail "--quiet writes more than the summary"
head -c 8100 files/crlf-omitted.txt >anomaly.txt && printf '\x1a' >>anomaly.txt
expect "stray Ctrl-Z alone gives 0" 0 "2 records, 1 problem \(1 Stray Ctrl-Z\)" "$cli" check anomaly.txt
head -c 8098 files/crlf-omitted.txt >omitted.txt
expect "omitted terminator alone gives 0" 0 "Last line ending missing" "$cli" check omitted.txt
expect "missing file gives 2" 2 "absent.txt: cannot be opened" "$cli" check absent.txt
expect "directory gives 2" 2 "cannot be opened" "$cli" check files
expect "worst status wins" 2 "" "$cli" check anomaly.txt "$f" absent.txt
: >empty.txt
expect "empty file gives 1" 1 "the input is empty" "$cli" check empty.txt
printf 'not gzip' >plain.gz
expect "a .gz name without gzip data" 2 "not in gzip format" "$cli" check plain.gz
head -c 100000 "$f.gz" >cut.gz
expect "gzip data cut short" 2 "cut short" "$cli" check cut.gz
{ cat "$f.gz"; printf 'trailing'; } >trailing.gz
expect "bytes after the gzip data" 2 "damaged or followed by other bytes" "$cli" check trailing.gz
{ gzip -c files/crlf-small.txt; gzip -c files/crlf-small.txt; } >members.gz
expect "gzip members in a row" 1 "24 records" "$cli" check members.gz

# JSON: one object per file, the schema's fields, names as UTF-8 or escaped.
json=$("$cli" check --json --checksums --max-problems 2 files/checksums-crlf.txt)
for field in '"schema":1' '"path":"files/checksums-crlf.txt"' '"records":10' '"problem_count":3' '"unlisted":1' \
  '"NAACCR_CHECK_CHECKSUM_MISMATCH":2' '"NAACCR_CHECK_CHECKSUM_BLANK":1' '"record_type":"I"' '"version":"180"' \
  '"record_length":4050' '"layout_length":4048' '"first_terminator":13' '"second_terminator":10' \
  '"checksums_matched":7' '"checksums":{"match":7,"mismatch":2,"blank":1,"not_checked":0}' '"stopped":0' \
  '"problems":[{"record":2,"offset":4050,"column":2607,"code":12,"code_name":"NAACCR_CHECK_CHECKSUM_MISMATCH"'; do
  grep -qF -- "$field" <<<"$json" || fail "check --json lacks $field"
done
[[ $("$cli" check --json files/*-small.txt | wc -l) -eq 5 ]] || fail "check --json: not one line per file"
# "passed" says what the exit status says of each file; "code" stays the checker's result.
head -c -1 "$peerdata/werth-naaccr__synthetic-naaccr-18-incidence.txt" >no-last-terminator.txt
while IFS='|' read -r label file passed; do
  json=$("$cli" check --json $file)
  [[ $json == *"\"code\":0,\"code_name\":\"NAACCR_REC_OK\",\"error\":null,\"passed\":$passed,"* ]] ||
    fail "passed of $label: $(grep -o '"error":[^,]*,"passed":[^,]*' <<<"$json")"
done <<CASES
problems found|files/checksums-crlf.txt --checksums|false
none|$peerdata/werth-naaccr__synthetic-naaccr-18-incidence.txt|true
an anomaly alone, listed|no-last-terminator.txt|true
CASES

# Problems name their patient and tumour (1.6), in text and JSON; show
# --patient prints that patient's tumours.
werth18=$peerdata/werth-naaccr__synthetic-naaccr-18-incidence.txt
expect "ids in text" 1 'record 15 \(offset 56686\), column 544 \[patient ID 00000013, tumour record 01\]: Date order: ' \
  "$cli" check --codes "$werth18"
expect "ids in JSON" 1 '"value":"20180203","label":"Date order","patient_id":"00000013","tumor_record_number":"01"\}' \
  "$cli" check --codes --json "$werth18"
expect "show --patient" 0 "record 15 \(offset 56686\), .*record 16 \(offset 60735\), " \
  "$cli" show --patient 00000013 "$werth18"

# ---- check agrees with inspection on the first record of every generated
# sample (inspection reports the column of an illegal byte as the length, and
# nothing for too short or empty files, by design).
# One run checks every sample: one JSON line per file, in the order given.
mkdir samples && "$make_samples" samples >/dev/null || exit 1
names=() types=() versions=() lengths=()
while IFS=$'\t' read -r name code type version length count size; do
  [[ $name == file || $code == 512 || $code == 16 || $code == 32 ]] && continue
  names+=("samples/$name") types+=("$type") versions+=("$version") lengths+=("$length")
done <samples/expected.tsv
mapfile -t answers < <("$cli" check --json --quiet "${names[@]}")
[[ ${#answers[@]} -eq ${#names[@]} ]] || fail "check --json of ${#names[@]} samples gave ${#answers[@]} lines"
for i in "${!answers[@]}"; do
  json=${answers[i]}
  for field in "\"record_type\":\"${types[i]}\"" "\"version\":\"${versions[i]}\"" "\"record_length\":${lengths[i]}"; do
    [[ $json == *"$field"* ]] || fail "${names[i]}: check says $(grep -o "${field%%:*}:[^,]*" <<<"$json")"
  done
done

# ---- checksum verify and assign.
# Twenty NAACCR 18 abstracts with CR LF and blank checksum fields: the peer
# project's sample with CR LF.
sed 's/$/\r/' "$peerdata/werth-naaccr__synthetic-naaccr-18-abstract.txt" >abstract-crlf.txt ||
  fail "no NAACCR 18 abstracts at $peerdata"
expect "CR LF copy of the abstract: 20 records, blank fields" 1 \
  "20 records, 0 match, 0 mismatch, 20 blank, 0 not checked" "$cli" checksum verify abstract-crlf.txt
[[ $("$cli" checksum verify abstract-crlf.txt | wc -l) -eq 1 ]] || fail "blank fields listed one line each"
expect "assign the abstract" 0 "20 records, 20 assigned, 0 not assigned" \
  "$cli" checksum assign abstract-crlf.txt -o abstract-assigned.txt
expect "verify the copy" 0 "20 records, 20 match, 0 mismatch, 0 blank, 0 not checked" \
  "$cli" checksum verify abstract-assigned.txt
# Only bytes inside a checksum field change: columns 2607 to 2616 of each
# 24194-character record with its CR LF.
changed=$(cmp -l abstract-crlf.txt abstract-assigned.txt | awk '{ c = ($1 - 1) % 24196 + 1; if (c < 2607 || c > 2616) print $1 }')
[[ -z $changed ]] || fail "assign changed bytes outside the checksum fields: $(head -3 <<<"$changed")"
[[ $(stat -c %s abstract-crlf.txt) -eq $(stat -c %s abstract-assigned.txt) ]] || fail "assign changed the size"
expect "verify a large file on 2 threads" 1 "5438 records, [0-9]+ match" "$cli" checksum verify --threads 2 "$f"

# verify lists mismatches and why records were not checked, never blanks.
expect "verify lists mismatches" 1 \
  "record 10 \(offset 36450\), column 2607( \[[^]]*\])?: Checksum mismatch.*10 records, 7 match, 2 mismatch, 1 blank, 0 not checked" \
  "$cli" checksum verify files/checksums-crlf.txt
[[ $("$cli" checksum verify --quiet files/checksums-crlf.txt | wc -l) -eq 1 ]] || fail "verify --quiet"
expect "verify a partial record: not checked, and why" 1 \
  "Partial record.*5 records, 4 match, 0 mismatch, 0 blank, 1 not checked" \
  "$cli" checksum verify files/crlf-partial.txt

# (1) A TAB, 0xE9 or NUL in the first record does not re-cut the file.
for byte in '\t' '\xe9' '\x00'; do
  { head -c 99 files/checksums-crlf.txt; printf "$byte"; tail -c +101 files/checksums-crlf.txt; } >first-bad.txt
  expect "verify, first record holds $byte" 1 \
    "record 1 \(offset 0\), column 100( \[[^]]*\])?: Illegal character.*10 records, 6 match, 3 mismatch, 1 blank" \
    "$cli" checksum verify first-bad.txt
  expect "assign, first record holds $byte" 1 "record 1 \(offset 0\): not assigned: Illegal character.*10 records, 9 assigned, 1 not assigned" \
    "$cli" checksum assign first-bad.txt -o first-bad-out.txt
  cmp -s <(head -c 4050 first-bad.txt) <(head -c 4050 first-bad-out.txt) || fail "assign changed the refused record"
done

# (2) A record longer than its layout: every byte is covered, so a change past
# the layout's length is a mismatch.
expect "record longer than the layout" 1 "3 records, 2 match, 1 mismatch" \
  "$cli" checksum verify files/longer-than-layout.txt

# Files whose records cannot be split cleanly are refused whole; OUT is not written.
for case in "crlf-omitted.txt:Record length" "crlf-ends.txt:Split record" \
  "crlf-other-form.txt:Line ending" "crlf-partial.txt:Partial record" \
  "longer-than-layout.txt:Layout length"; do
  name=${case%%:*} kind=${case#*:}
  rm -f refused.txt
  expect "assign refuses $name" 1 "$kind: .*cannot be split cleanly into records; refused.txt not written" \
    "$cli" checksum assign "files/$name" -o refused.txt
  [[ ! -e refused.txt ]] || fail "assign wrote OUT for $name"
done
echo old >kept.txt
expect "a refusal keeps the old OUT" 1 "not written" "$cli" checksum assign files/crlf-partial.txt -o kept.txt
[[ $(cat kept.txt) == old ]] || fail "a refused assign changed the existing OUT"
# A byte-order mark and a stray Ctrl-Z are copied as they are.
{ printf '\xef\xbb\xbf'; cat files/checksums-crlf.txt; printf '\x1a'; } >marked.txt
expect "assign with a byte-order mark and Ctrl-Z" 0 "10 records, 10 assigned" "$cli" checksum assign marked.txt -o marked-out.txt
[[ $(head -c 3 marked-out.txt | od -An -tx1 | tr -d ' ') == efbbbf && $(tail -c 1 marked-out.txt | od -An -tx1 | tr -d ' ') == 1a ]] ||
  fail "the byte-order mark or the Ctrl-Z was not copied"
expect "assign from standard input and gzip" 0 "10 records, 10 assigned" \
  bash -c "gzip -c files/checksums-crlf.txt | '$cli' checksum assign - -o from-gzip.txt"
expect "the copy from gzip verifies" 0 "10 match" "$cli" checksum verify from-gzip.txt

# (3) OUT naming a directory, FIFO, device or link is refused and left intact.
mkdir out-dir && mkfifo out-fifo && ln -s abstract-assigned.txt out-link && ln -s out-dir out-dir-link
for out in out-dir out-fifo /dev/null out-link out-dir-link; do
  expect "OUT $out refused" 2 "not a regular file" "$cli" checksum assign abstract-crlf.txt -o "$out"
done
[[ -d out-dir && -p out-fifo && -L out-link && -c /dev/null ]] || fail "a refused OUT was changed"
expect "OUT naming the input" 2 "must not be the input" "$cli" checksum assign abstract-crlf.txt -o ./abstract-crlf.txt
ln abstract-crlf.txt hard-link.txt
expect "OUT a hard link of the input" 2 "must not be the input" "$cli" checksum assign abstract-crlf.txt -o hard-link.txt
expect "OUT the file behind standard input" 2 "must not be the input" \
  bash -c "'$cli' checksum assign - -o abstract-crlf.txt <abstract-crlf.txt"

# (5) The copy has the input's permission bits.
cp abstract-crlf.txt private.txt && chmod 600 private.txt
(umask 022 && "$cli" checksum assign private.txt -o private-out.txt >/dev/null)
[[ $(stat -c %a private-out.txt) == 600 ]] || fail "a 0600 input gave a $(stat -c %a private-out.txt) copy"

# (6) SIGINT, SIGTERM and SIGHUP during assign leave no temporary file: assign
# reads a FIFO that is held open, so it waits with its temporary file made.
for sig in INT TERM HUP; do
  rm -f feed && mkfifo feed
  # A background job of a script starts with SIGINT ignored, which the
  # program respects; env gives it the default action back.
  env --default-signal=INT "$cli" checksum assign - -o signalled.txt <feed >/dev/null 2>&1 &
  pid=$!
  exec 3>feed
  head -c 100000 abstract-crlf.txt >&3
  for _ in $(seq 100); do compgen -G '.cvnaaccr-*.tmp' >/dev/null && break; sleep 0.05; done
  compgen -G '.cvnaaccr-*.tmp' >/dev/null || fail "SIG$sig: no temporary file appeared"
  kill -s "$sig" "$pid"
  wait "$pid"
  rc=$?
  exec 3>&-
  [[ $rc -gt 128 ]] || fail "SIG$sig: exit $rc, not ended by the signal"
  ! compgen -G '.cvnaaccr-*.tmp' >/dev/null || fail "SIG$sig left $(compgen -G '.cvnaaccr-*.tmp')"
  [[ ! -e signalled.txt ]] || fail "SIG$sig: OUT was written"
done

# (6b) A report that cannot be written: every line about the records is
# written before OUT is replaced, so a failure there leaves OUT as it was and
# no temporary file; only the final summary line comes after it (status 2,
# OUT replaced).  A pipe whose reader has gone is made without a race: the
# FIFO is opened for reading and writing, then for writing, then the first
# end is closed.  Each case: label, input, where stdout goes, OUT replaced.
while IFS=: read -r label input sink replaced; do
  rm -f sunk.txt && echo old >sunk.txt
  if [[ $sink == pipe ]]; then
    rm -f gone && mkfifo gone && exec 4<>gone 5>gone 4<&-
    "$cli" checksum assign "$input" -o sunk.txt >&5 2>sunk.err
    rc=$?
    exec 5>&-
  else
    "$cli" checksum assign "$input" -o sunk.txt >/dev/full 2>sunk.err
    rc=$?
  fi
  [[ $rc -eq 2 ]] || fail "$label: exit $rc, expected 2"
  grep -q "write error on standard output" sunk.err || fail "$label: no write error reported"
  ! compgen -G '.cvnaaccr-*.tmp' >/dev/null || fail "$label left $(compgen -G '.cvnaaccr-*.tmp')"
  if [[ $replaced == yes ]]; then
    cmp -s sunk.txt from-gzip.txt || fail "$label: OUT was not replaced by the copy"
  else
    [[ $(cat sunk.txt) == old ]] || fail "$label: OUT was changed"
  fi
done <<'CASES'
closed pipe, a record not assigned:first-bad.txt:pipe:no
closed pipe, only the summary line:files/checksums-crlf.txt:pipe:yes
full disk, a record not assigned:first-bad.txt:full:no
full disk, only the summary line:files/checksums-crlf.txt:full:yes
CASES

# ---- names exactly as given.
# (7) Leading blanks: the file named is the file inspected, checked, assigned.
cp files/checksums-crlf.txt "  blank.txt"
expect "inspect a name with leading blanks" 0 "record count: +10" "$cli" inspect "  blank.txt"
expect "check a name with leading blanks" 1 "  blank.txt: 10 records" "$cli" check --checksums "  blank.txt"
expect "a name without the blanks is another file" 2 "" "$cli" inspect "blank.txt"
# (8) Paths of 1024 characters or more: refused by inspect, used whole by check.
long=$(printf 'd%.0s' {1..200})
mkdir -p "$long/$long/$long/$long/$long/$long"
longpath="$long/$long/$long/$long/$long/$long/records.txt"
cp files/crlf-small.txt "$longpath"
expect "inspect a path of ${#longpath} characters" 2 "path too long" "$cli" inspect "$longpath"
expect "check a path of ${#longpath} characters" 1 "12 records" "$cli" check "$longpath"
expect "inspect standard input" 2 "inspection needs a file" "$cli" inspect -
# Control bytes in names are escaped; UTF-8 names stay; other bytes are escaped in JSON.
cp files/crlf-small.txt $'esc\x1b[2J.txt' && cp files/crlf-small.txt 'registre_été.txt' && cp files/crlf-small.txt $'latin\xe9.txt'
expect "control bytes escaped in check" 1 "esc<27>\[2J.txt: 12 records" "$cli" check $'esc\x1b[2J.txt'
expect "control bytes escaped in inspect" 1 "esc<27>\[2J" "$cli" inspect $'esc\x1b[2J.txt'
expect "control bytes escaped in JSON" 1 '"path":"esc\\u001b\[2J.txt"' "$cli" check --json $'esc\x1b[2J.txt'
expect "UTF-8 name in JSON" 1 '"path":"registre_été.txt"' "$cli" check --json 'registre_été.txt'
expect "UTF-8 name in inspect's JSON" 1 '"file_name":"registre_été"' "$cli" inspect --json 'registre_été.txt'
expect "Latin-1 byte in JSON" 1 '"path":"latin\\udce9.txt"' "$cli" check --json $'latin\xe9.txt'
"$cli" checksum assign $'esc\x1b[2J.txt' -o $'out\x1b.txt' | grep -q $'\x1b' && fail "assign wrote a raw control byte"

# ---- options and output.
expect "options after the files" 1 "crlf-small.txt: 12 records" "$cli" check files/crlf-small.txt --quiet --threads 2
expect "-- ends options" 2 "'--quiet'|--quiet: cannot be opened" "$cli" check -- --quiet
expect "unknown option named" 2 "cvnaaccr inspect: unknown option '--jsno'" "$cli" inspect --jsno x
expect "unknown letter named" 2 "cvnaaccr check: unknown option '-z'" "$cli" check -z x
expect "missing value" 2 "option '--max-problems' needs a value" "$cli" check x --max-problems
# What the user typed is escaped in every message about an option, as names
# are: no control byte reaches the terminal.  Each case: label, what the
# message shows, then the command's arguments.
while IFS='|' read -r label shown args; do
  eval "set -- $args"
  out=$("$cli" "$@" 2>&1)
  rc=$?
  [[ $rc -eq 2 ]] || fail "$label: exit $rc, expected 2"
  [[ $out != *$'\e'* && $out != *$'\a'* ]] || fail "$label: a raw control byte in: $(od -c <<<"$out" | head -2)"
  grep -qF -- "$shown" <<<"$out" || fail "$label: output lacks $shown: $out"
done <<'CASES'
value of --max-problems|not '<27>[7mX'|check --max-problems $'\e[7mX' files/crlf-small.txt
value of --threads|not '<7>'|check --threads=$'\a' files/crlf-small.txt
unknown long option|unknown option '--<27>[2J'|check $'--\e[2J' files/crlf-small.txt
unknown long option with a value|unknown option '--x<27>'|checksum verify $'--x\e=1' files/crlf-small.txt
unknown letter|unknown option '-<27>'|inspect $'-\e' files/crlf-small.txt
unknown option of the program|unknown option '--<27>[7m'|$'--\e[7m' check
unknown letter of the program|unknown option '-<7>'|$'-\a' check
CASES
expect "no files" 2 "Usage: cvnaaccr check" "$cli" check
expect "no command" 2 "Usage:" "$cli"
expect "unknown command" 2 "unknown command 'chek'" "$cli" chek
expect "--version" 0 "cvnaaccr library [0-9.]+" "$cli" --version
expect "version" 0 "cvnaaccr library [0-9.]+" "$cli" version
for command in "" inspect check "checksum" "checksum verify" "checksum assign" version; do
  expect "help of '$command'" 0 "^Usage: " "$cli" $command --help
done
expect "a write error on standard output" 2 "write error on standard output" bash -c "'$cli' check files/crlf-small.txt >/dev/full"
expect "a write error in inspect" 2 "write error" bash -c "'$cli' inspect files/crlf-small.txt >/dev/full"
expect "a write error in help" 2 "" bash -c "'$cli' --help >/dev/full"

# ---- the manual page names every option and command that --help shows.
if [[ -f $manpage ]]; then
  manual=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$manpage")
  for command in "" inspect check "checksum verify" "checksum assign" version; do
    for option in $("$cli" $command --help | grep -oE '(^|[ [,])--?[a-z][a-z-]*' | tr -d ' [,' | sort -u); do
      grep -qF -- "$option" <<<"$manual" || fail "cvnaaccr.1 lacks $option (from cvnaaccr $command --help)"
    done
  done
  for command in inspect check "checksum verify" "checksum assign" version; do
    grep -qF -- "$command" <<<"$manual" || fail "cvnaaccr.1 lacks the command $command"
  done
  # Its NAME line, which apropos and whatis show, names what each command does.
  name_line=$(sed -n '/^\.SH NAME/{n;p;q}' "$manpage")
  for word in inspect check show convert items checksums; do
    [[ $name_line == *"$word"* ]] || fail "the NAME line of cvnaaccr.1 does not say $word"
  done
  if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z "$manpage" 2>&1)
    [[ -z $warnings ]] || fail "groff warns about cvnaaccr.1: $warnings"
  fi
else
  fail "no manual page at $manpage"
fi

echo "$failures failures"
[[ $failures -eq 0 ]]
