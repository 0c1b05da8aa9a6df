# Sourced by the scripts that drive the viewer on a display of their own.
# Expects $root, the project's folder.

# build_x_probe DIR: compiles the display probe (scripts/lib/x_probe.c: the
# viewer's windows, and whether it answers) into DIR and sets probe to it.
build_x_probe() {
  probe=$1/x_probe
  # shellcheck disable=SC2046
  cc -std=c11 -O2 -Wall -Wextra -Wpedantic -Werror -o "$probe" "$root/scripts/lib/x_probe.c" \
    $(pkg-config --cflags --libs xcb)
}
