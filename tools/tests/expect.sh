# expect.sh -- what the command-line test scripts share, sourced by each:
# `fail` counts a failed case and names it (the test goes on); `expect` runs
# a case.  The script sets failures=0 and ends on it.

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
