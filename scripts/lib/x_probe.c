/* What the monkey test asks of the X display, quickly and without a window
 * of its own.
 *   x_probe windows PID
 *     One line "ID X Y WIDTH HEIGHT TITLE" for each mapped top-level window
 *     of process PID (as the window manager lists them, or the root's
 *     children when there is none): its id, its client area on the screen
 *     and its title.
 *   x_probe ping WINDOW TIMEOUT-MS
 *     Sends the window the window manager's ping (_NET_WM_PING) and waits
 *     for its client to send it back, as a client that handles its events
 *     does at once. Prints the milliseconds the answer took. Its queue is
 *     handled in order, so an answer also means that every input event sent
 *     to it before has been handled.
 * Exit status: 0 done (answered), 1 no answer within the time, 2 the window
 * is gone, 3 no display or bad use. */
#define _POSIX_C_SOURCE 200809L
#include <poll.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/xcb.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1000.0 + (double)t.tv_nsec / 1e6;
}

static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
  xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
  free(r);
  return a;
}

static xcb_get_property_reply_t* property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name) {
  return xcb_get_property_reply(
      c, xcb_get_property(c, 0, w, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), NULL);
}

static int list_windows(xcb_connection_t* c, xcb_window_t root, uint32_t pid) {
  const xcb_atom_t net_pid = atom(c, "_NET_WM_PID");
  const xcb_atom_t net_name = atom(c, "_NET_WM_NAME");
  xcb_get_property_reply_t* list = property(c, root, atom(c, "_NET_CLIENT_LIST"));
  xcb_query_tree_reply_t* tree = NULL;
  const xcb_window_t* windows;
  int count;
  if (list && xcb_get_property_value_length(list) > 0) {
    windows = xcb_get_property_value(list);
    count = xcb_get_property_value_length(list) / (int)sizeof(xcb_window_t);
  } else {
    tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), NULL);
    if (!tree) return 3;
    windows = xcb_query_tree_children(tree);
    count = xcb_query_tree_children_length(tree);
  }
  for (int i = 0; i < count; ++i) {
    const xcb_window_t w = windows[i];
    xcb_get_property_reply_t* p = property(c, w, net_pid);
    const int ours = p && xcb_get_property_value_length(p) == 4 &&
                     *(const uint32_t*)xcb_get_property_value(p) == pid;
    free(p);
    if (!ours) continue;
    xcb_get_window_attributes_reply_t* a =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), NULL);
    const int mapped = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    free(a);
    if (!mapped) continue;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, root, 0, 0), NULL);
    xcb_get_property_reply_t* n = property(c, w, net_name);
    if (g && t) {
      printf("%u %d %d %u %u %.*s\n", (unsigned)w, t->dst_x, t->dst_y, g->width, g->height,
             n ? xcb_get_property_value_length(n) : 0,
             n ? (const char*)xcb_get_property_value(n) : "");
    }
    free(g);
    free(t);
    free(n);
  }
  free(list);
  free(tree);
  return 0;
}

static int ping(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, double timeout) {
  const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
  const xcb_atom_t net_ping = atom(c, "_NET_WM_PING");
  xcb_get_window_attributes_reply_t* attributes =
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), NULL);
  if (!attributes) return 2;
  free(attributes);

  /* The answer goes to the root window as a structure event. */
  const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);

  /* A stamp of our own tells our answer from anyone else's pings. */
  const uint32_t stamp = (uint32_t)((uint64_t)now_ms() & 0x7fffffff);
  xcb_client_message_event_t message;
  memset(&message, 0, sizeof message);
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols;
  message.data.data32[0] = net_ping;
  message.data.data32[1] = stamp;
  message.data.data32[2] = window;
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char*)&message);
  xcb_flush(c);

  const double start = now_ms();
  for (;;) {
    xcb_generic_event_t* event;
    while ((event = xcb_poll_for_event(c)) != NULL) {
      const uint8_t type = event->response_type & 0x7f;
      int answered = 0, gone = 0;
      if (type == XCB_CLIENT_MESSAGE) {
        const xcb_client_message_event_t* m = (const xcb_client_message_event_t*)event;
        answered = m->type == protocols && m->data.data32[0] == net_ping &&
                   m->data.data32[1] == stamp && m->data.data32[2] == window;
      } else if (type == 0) {
        gone = ((xcb_generic_error_t*)event)->error_code == XCB_WINDOW;
      }
      free(event);
      if (answered) {
        printf("%.0f\n", now_ms() - start);
        return 0;
      }
      if (gone) return 2;
    }
    if (xcb_connection_has_error(c)) return 3;
    const double left = timeout - (now_ms() - start);
    if (left <= 0) return 1;
    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    poll(&fd, 1, (int)left + 1);
  }
}

int main(int argc, char** argv) {
  const int windows = argc == 3 && strcmp(argv[1], "windows") == 0;
  const int pinging = argc == 4 && strcmp(argv[1], "ping") == 0;
  if (!windows && !pinging) {
    fprintf(stderr, "usage: x_probe windows PID | x_probe ping WINDOW TIMEOUT-MS\n");
    return 3;
  }
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) {
    fprintf(stderr, "x_probe: cannot open the display\n");
    return 3;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const int status =
      windows ? list_windows(c, root, (uint32_t)strtoul(argv[2], NULL, 10))
              : ping(c, root, (xcb_window_t)strtoul(argv[2], NULL, 0), strtod(argv[3], NULL));
  xcb_disconnect(c);
  return status;
}
