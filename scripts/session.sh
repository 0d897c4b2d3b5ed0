# Sourced by scripts/desktop-tests.sh and tools/desktop-session.sh: a temporary
# work folder and the background programs (Xvfb, openbox) that end with the script.

# Sets $work to a new temporary folder named after $1 and empties $pids; on exit,
# every process whose id was added to $pids is stopped (last started first) and
# the folder removed.
kavorin_session_begin() {
  work=$(mktemp -d -t "$1.XXXXXX")
  pids=()
  trap kavorin_session_end EXIT
  trap 'exit 130' INT TERM
}

# shellcheck disable=SC2317  # runs from the trap
kavorin_session_end() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[$i]}" 2>/dev/null || true
    wait "${pids[$i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds=$1 tries
  shift
  for ((tries = 0; tries < seconds * 10; tries++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
