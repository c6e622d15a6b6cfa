#!/usr/bin/env bash
# folder_speed.sh -- a month's folder checked in one run, on one thread and on
# two, and the HTML report of a file with a million problems, its peak memory.
#   tools/benchmarks/folder_speed.sh [CLI [FOLDER [FILES [MEGABYTES]]]]
# Makes FOLDER/month (about MEGABYTES, 1000 by default, in FILES files, 200
# by default): three in four of them flat, made by repeating the peers' real
# NAACCR 16 and 18 abstract and incidence records (PEERDATA, default
# data/flat-samples), one in four NAACCR XML, made by repeating the Patients
# of the peers' NAACCR 25 incidence sample (XMLSAMPLES, default
# data/xml-samples).  The folder is read once so that it is in the page
# cache; then `check --recursive --items` runs three times on each number of
# threads and the best runs are compared.  Then `check --items --html` on a
# file of repeated generated records with about a million item problems,
# with its peak resident memory (getrusage), against the same check without
# --html.  Not a test: the machine is shared and the numbers move.
set -euo pipefail
cli=${1:-build/native/tools/cvnaaccr}
folder=${2:-${TMPDIR:-/tmp}/folder_speed}
files=${3:-200}
megabytes=${4:-1000}
runs=3
here=$(cd "$(dirname "$0")/../.." && pwd)
peerdata=${PEERDATA:-$here/data/flat-samples}
xmlsamples=${XMLSAMPLES:-$here/data/xml-samples}
source "$(dirname "$0")/timing.sh"

month=$folder/month
each=$((megabytes * 1000000 / files))
make_month() {
  rm -rf "$month" && mkdir -p "$month"
  local flat=("$peerdata"/werth-naaccr__synthetic-naaccr-1[68]-*.txt)
  local xml=$folder/seed.xml
  gzip -dc "$xmlsamples/naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz" >"$xml"
  for ((n = 1; n <= files; n++)); do
    local name
    name=$(printf '%s/facility-%03d' "$month" "$n")
    if ((n % 4 == 0)); then
      # The root and its items, the Patients as often as the size asks, the end.
      perl -0777 -ne '
        my ($head, $body, $tail) = /\A(.*?)(<Patient>.*<\/Patient>\s*)(<\/NaaccrData>.*)\z/s or die "no Patients";
        my $copies = int('"$each"' / length($body)) + 1;
        print $head, $body x $copies, $tail' "$xml" >"$name.xml"
    else
      local seed=${flat[$((n % ${#flat[@]}))]}
      local copies=$((each / $(stat -c %s "$seed") + 1))
      for ((i = 0; i < copies; i++)); do cat "$seed"; done >"$name.txt"
    fi
  done
  rm -f "$xml"
}
[[ -d $month && $(ls "$month" | wc -l) -eq $files ]] || make_month
cat "$month"/* >/dev/null
size=$(du -sb "$month" | cut -f1)

one=$(best "$cli" check --recursive --items --quiet --threads 1 "$month")
two=$(best "$cli" check --recursive --items --quiet --threads 2 "$month")
echo "$files files, $((size / 1000000)) MB: --threads 1 ${one}s, --threads 2 ${two}s, $(echo "$one $two" |
  awk '{ printf "%.2f", $1 / $2 }')x"

# About a million problems: the generator's NAACCR 18 incidence records, each of about 400 item problems.
big=$folder/million.txt
if [[ ! -f $big ]]; then
  for ((i = 0; i < 1250; i++)); do cat "$here/samples/i-180-lf.txt"; done >"$big"
fi
peak() { # peak COMMAND...: the command's peak resident memory in MB, and its problems
  python3 - "$@" <<'PY'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print("%.1f" % (resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024))
PY
}
problems=$({ "$cli" check --items --json --max-problems 1 "$big" || true; } | perl -ne 'print $1 if /"problem_count":(\d+)/')
plain=$(peak "$cli" check --items --quiet --threads 2 "$big")
html=$(peak "$cli" check --items --quiet --threads 2 --html "$folder/million.html" "$big")
report=$(stat -c %s "$folder/million.html")
echo "$problems problems: peak memory ${plain} MB without --html, ${html} MB with it; report $((report / 1000)) kB"
