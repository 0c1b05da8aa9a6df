/* Starts a program and reports how long it took until windows with the given
 * titles were all mapped on the X display, and the program's peak resident
 * memory (VmHWM) half a second later; then ends the program.
 *   map_watch TITLE... -- PROGRAM [ARGUMENT...]
 * Prints "<milliseconds> <kB>"; exits 1 when the windows did not come up in
 * 30 seconds or the program ended first. */
#define _POSIX_C_SOURCE 200809L
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1000.0 + (double)t.tv_nsec / 1e6;
}

static long peak_kb(pid_t pid) {
  char path[64], line[256];
  long kb = -1;
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  while (fgets(line, sizeof line, f)) {
    if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
  }
  fclose(f);
  return kb;
}

/* The title of a window, from WM_NAME or _NET_WM_NAME; "" if it has none. */
static void title_of(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_name, char* out, int size) {
  const xcb_atom_t names[2] = {net_name, XCB_ATOM_WM_NAME};
  out[0] = '\0';
  for (int i = 0; i < 2 && out[0] == '\0'; ++i) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, names[i], XCB_GET_PROPERTY_TYPE_ANY, 0, 256), NULL);
    if (!r) continue;
    int len = xcb_get_property_value_length(r);
    if (len >= size) len = size - 1;
    memcpy(out, xcb_get_property_value(r), (size_t)len);
    out[len] = '\0';
    free(r);
  }
}

int main(int argc, char** argv) {
  int split = 1;
  while (split < argc && strcmp(argv[split], "--") != 0) ++split;
  const int titles = split - 1;
  if (titles < 1 || split + 1 >= argc) {
    fprintf(stderr, "usage: map_watch TITLE... -- PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) {
    fprintf(stderr, "map_watch: no X display\n");
    return 2;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 12, "_NET_WM_NAME"), NULL);
  const xcb_atom_t net_name = atom ? atom->atom : XCB_ATOM_WM_NAME;
  free(atom);
  xcb_flush(c);

  const double start = now_ms();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[split + 1], argv + split + 1);
    _exit(127);
  }
  int seen = 0;
  char found[64] = {0};
  struct pollfd p = {xcb_get_file_descriptor(c), POLLIN, 0};
  double mapped = -1;
  while (mapped < 0 && now_ms() - start < 30000) {
    xcb_generic_event_t* e;
    while ((e = xcb_poll_for_event(c)) != NULL) {
      if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        char title[512];
        title_of(c, ((xcb_map_notify_event_t*)e)->window, net_name, title, sizeof title);
        for (int i = 0; i < titles && i < 64; ++i) {
          if (!found[i] && strcmp(title, argv[1 + i]) == 0) {
            found[i] = 1;
            ++seen;
          }
        }
        if (seen == titles) mapped = now_ms() - start;
      }
      free(e);
    }
    if (mapped >= 0 || waitpid(pid, NULL, WNOHANG) == pid) break;
    poll(&p, 1, 20);
  }
  long kb = -1;
  if (mapped >= 0) {
    const struct timespec settle = {0, 500 * 1000 * 1000};
    nanosleep(&settle, NULL);
    kb = peak_kb(pid);
  }
  kill(pid, SIGTERM);
  waitpid(pid, NULL, 0);
  xcb_disconnect(c);
  if (mapped < 0) {
    fprintf(stderr, "map_watch: the windows did not all come up\n");
    return 1;
  }
  printf("%.1f %ld\n", mapped, kb);
  return 0;
}
