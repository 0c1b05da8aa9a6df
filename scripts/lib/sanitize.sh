# Sourced by the scripts that build and run the sanitizer build
# (test-sanitize, monkey). Expects $root, the project's folder.

sanitize_dir=${MIRELDA_SANITIZE_BUILD_DIR:-$root/build-sanitize}

# sanitize_build [TARGET...]: configures (once) and builds the project with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# $sanitize_dir; the given targets only, or everything.
sanitize_build() {
  local configure=(cmake -S "$root" -B "$sanitize_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DMIRELDA_SANITIZE=ON) targets=() target
  [[ -f "$sanitize_dir/CMakeCache.txt" ]] || configure+=(-G Ninja)
  "${configure[@]}"
  for target; do targets+=(--target "$target"); done
  cmake --build "$sanitize_dir" --parallel "${MIRELDA_JOBS:-$(nproc)}" "${targets[@]}"
}

# sanitize_environment: the options under which any report of the
# sanitizers ends the program with a failure.
sanitize_environment() {
  [[ -n "${LANG:-}${LC_ALL:-}" ]] || export LANG=C.UTF-8
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  # Only leaks inside system libraries are suppressed, never the program's own code.
  # The path quoted: the sanitizers split their options at blanks and colons.
  export LSAN_OPTIONS="suppressions='$root/scripts/test-sanitize.supp':print_suppressions=0"
}
