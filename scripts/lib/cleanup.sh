# shellcheck shell=bash
# Sourced by the scripts that start processes or make folders for a run:
# everything registered here is ended and removed when the script exits,
# whichever way it exits, last first.

cleanup_steps=()

# at_exit COMMAND [ARGUMENT...]: runs the command at exit, before every step
# registered earlier.
at_exit() {
  local step
  printf -v step '%q ' "$@"
  cleanup_steps+=("$step")
}

# end_process PID: asks the process to end and waits for it when it is ours.
end_process() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# new_work_folder NAME: a new folder under $TMPDIR in work, removed at exit.
new_work_folder() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/mirelda-$1.XXXXXX")
  at_exit rm -rf --one-file-system "$work"
}

run_cleanup() {
  local i
  for ((i = ${#cleanup_steps[@]} - 1; i >= 0; i--)); do
    eval "${cleanup_steps[i]}" || true
  done
  cleanup_steps=()
}
trap run_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
