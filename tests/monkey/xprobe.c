/* A small X client for the monkey run, for what xdotool cannot ask:
 *   xprobe ping WINDOW MILLISECONDS  exits 0 once the window's program has answered a
 *                                    _NET_WM_PING, 1 when it has not in that time. The answer
 *                                    comes from the program's event loop, after every input sent
 *                                    before the ping, so it also tells that the input is handled.
 *   xprobe close WINDOW              asks the window manager to close the window, as its close
 *                                    button does.
 *   xprobe where WINDOW              prints "x y width height" of the window's inside on the
 *                                    screen (xdotool's own answer is off under a window manager).
 *   xprobe mark TEXT                 puts TEXT on the root window, to know the screen as one's own.
 *   xprobe marked TEXT               exits 0 when the root window holds TEXT so put.
 *   xprobe popups                    prints "id x y width height type" for each mapped window
 *                                    that the window manager does not frame (menus, tooltips),
 *                                    type being the end of its _NET_WM_WINDOW_TYPE (POPUP_MENU,
 *                                    DROPDOWN_MENU, TOOLTIP, COMBO, ...) or NONE.
 * Built by scripts/monkey.sh with cc and libxcb. */
#include <xcb/xcb.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

static long long now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static int ping(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, long wait_ms) {
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS"), net_wm_ping = atom(c, "_NET_WM_PING");
    /* The answer is sent to the root window for the window manager; listening there hears it too. */
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY; /* Qt sends its answer with this mask */
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const uint32_t token = (uint32_t)(now_ms() & 0x7fffffff) | 1u;
    xcb_client_message_event_t m;
    memset(&m, 0, sizeof m);
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = window;
    m.type = protocols;
    m.data.data32[0] = net_wm_ping;
    m.data.data32[1] = token;
    m.data.data32[2] = window;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char*)&m);
    xcb_flush(c);
    const long long end = now_ms() + wait_ms;
    for (;;) {
        xcb_generic_event_t* e;
        while ((e = xcb_poll_for_event(c))) {
            int answered = 0;
            if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const xcb_client_message_event_t* r = (const xcb_client_message_event_t*)e;
                answered =
                    r->window == root && r->data.data32[0] == net_wm_ping && r->data.data32[1] == token;
            }
            free(e);
            if (answered) return 0;
        }
        if (xcb_connection_has_error(c)) return 1;
        const long long left = end - now_ms();
        if (left <= 0) return 1;
        struct pollfd p = {xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, (int)(left < 100 ? left : 100));
    }
}

static int close_window(xcb_connection_t* c, xcb_window_t root, xcb_window_t window) {
    xcb_client_message_event_t m;
    memset(&m, 0, sizeof m);
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = window;
    m.type = atom(c, "_NET_CLOSE_WINDOW");
    m.data.data32[1] = 2; /* asked for by a tool, as a pager would */
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   (const char*)&m);
    xcb_flush(c);
    return 0;
}

static int where(xcb_connection_t* c, xcb_window_t root, xcb_window_t window) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), NULL);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), NULL);
    const int found = g && t;
    if (found) printf("%d %d %u %u\n", t->dst_x, t->dst_y, g->width, g->height);
    free(g);
    free(t);
    return found ? 0 : 1;
}

static int mark(xcb_connection_t* c, xcb_window_t root, const char* text, int check) {
    const xcb_atom_t name = atom(c, "_RUNEBOARD_MONKEY");
    if (!check) {
        xcb_void_cookie_t done = xcb_change_property_checked(
            c, XCB_PROP_MODE_REPLACE, root, name, XCB_ATOM_STRING, 8, (uint32_t)strlen(text), text);
        xcb_generic_error_t* e = xcb_request_check(c, done);
        free(e);
        return e ? 1 : 0;
    }
    xcb_get_property_reply_t* p =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, name, XCB_ATOM_STRING, 0, 1024), NULL);
    const int same = p && xcb_get_property_value_length(p) == (int)strlen(text) &&
                     memcmp(xcb_get_property_value(p), text, strlen(text)) == 0;
    free(p);
    return same ? 0 : 1;
}

static void print_type(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type_atom) {
    xcb_get_property_reply_t* p =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, type_atom, XCB_ATOM_ATOM, 0, 1), NULL);
    xcb_get_atom_name_reply_t* n = NULL;
    if (p && xcb_get_property_value_length(p) >= 4)
        n = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, *(xcb_atom_t*)xcb_get_property_value(p)), NULL);
    const char* prefix = "_NET_WM_WINDOW_TYPE_";
    if (n) {
        const int length = xcb_get_atom_name_name_length(n);
        const char* name = xcb_get_atom_name_name(n);
        const int skip = length > (int)strlen(prefix) && strncmp(name, prefix, strlen(prefix)) == 0
                             ? (int)strlen(prefix)
                             : 0;
        printf("%.*s\n", length - skip, name + skip);
    } else {
        printf("NONE\n");
    }
    free(n);
    free(p);
}

static int popups(xcb_connection_t* c, xcb_window_t root) {
    const xcb_atom_t type_atom = atom(c, "_NET_WM_WINDOW_TYPE");
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), NULL);
    if (!tree) return 1;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); i++) {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), NULL);
        xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), NULL);
        if (a && g && a->override_redirect && a->map_state == XCB_MAP_STATE_VIEWABLE && g->width > 1) {
            printf("%u %d %d %u %u ", children[i], g->x, g->y, g->width, g->height);
            print_type(c, children[i], type_atom);
        }
        free(a);
        free(g);
    }
    free(tree);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: xprobe ping WINDOW MILLISECONDS | close WINDOW | where WINDOW | mark TEXT | "
                        "marked TEXT | popups\n");
        return 2;
    }
    int screen_number = 0;
    xcb_connection_t* c = xcb_connect(NULL, &screen_number);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "xprobe: cannot reach the X server\n");
        return 2;
    }
    xcb_screen_iterator_t s = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen_number; i++) xcb_screen_next(&s);
    const xcb_window_t root = s.data->root;
    int status = 2;
    if (strcmp(argv[1], "ping") == 0 && argc == 4)
        status = ping(c, root, (xcb_window_t)strtoul(argv[2], NULL, 0), atol(argv[3]));
    else if (strcmp(argv[1], "close") == 0 && argc == 3)
        status = close_window(c, root, (xcb_window_t)strtoul(argv[2], NULL, 0));
    else if (strcmp(argv[1], "where") == 0 && argc == 3)
        status = where(c, root, (xcb_window_t)strtoul(argv[2], NULL, 0));
    else if ((strcmp(argv[1], "mark") == 0 || strcmp(argv[1], "marked") == 0) && argc == 3)
        status = mark(c, root, argv[2], strcmp(argv[1], "marked") == 0);
    else if (strcmp(argv[1], "popups") == 0)
        status = popups(c, root);
    else
        fprintf(stderr, "usage: xprobe ping WINDOW MILLISECONDS | close WINDOW | where WINDOW | mark TEXT | "
                        "marked TEXT | popups\n");
    xcb_disconnect(c);
    return status;
}
