# timing.sh -- the timing the benchmark scripts share; sourced, with `runs` set.

# once COMMAND...: its wall time in seconds (exit status 1, problems listed, allowed).
once() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || [[ $? -eq 1 ]]
  end=$(date +%s.%N)
  echo "$start $end" | awk '{ print $2 - $1 }'
}

# less A B: the smaller of two times.
less() { echo "$1 $2" | awk '{ print ($1 < $2 ? $1 : $2) }'; }

# best COMMAND...: the shortest wall time of $runs runs.
best() {
  local fastest=1e9
  for ((i = 0; i < runs; i++)); do
    fastest=$(less "$fastest" "$(once "$@")")
  done
  echo "$fastest"
}
