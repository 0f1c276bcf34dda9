// A weston module for the Wayland test stage: what a desktop session has
// and a headless compositor lacks.
//
// - A seat named "default" with a keyboard and a pointer, so that the shell
//   gives the keyboard focus to the window it maps and activates it, as on a
//   desktop (with no seat, nothing is ever active or focused).
// - Key presses, as a user's keyboard makes them: on SIGUSR1 the keys held
//   down are released, then the keys whose Linux key codes the file
//   $XDG_RUNTIME_DIR/test-seat-keys lists (such as "56 30" for Alt+A) are
//   pressed in that order, on the window that has the keyboard focus, and
//   held until the next SIGUSR1 (the keyboard does not repeat). A toolkit
//   takes them for real input: a pop-up opened by one is a pop-up of its
//   window (xdg_popup, which the compositor grants only while the key that
//   opened it is down), where one opened without real input cannot be.
// - The close request of a shell's close button or Alt+F4: on SIGUSR2 the
//   window that has the keyboard focus is asked to close
//   (xdg_toplevel.close), so a test can close the program from outside.
//
// Loaded with weston --modules=<path of this module>.
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <weston.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

// Exported by libweston for its input backends; not in its public headers.
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec,
                      const char* seat_name);
void weston_seat_release(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
int weston_seat_init_pointer(struct weston_seat* seat);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);

enum { max_held_keys = 8 };

struct test_seat {
    struct weston_seat seat;
    uint32_t held_keys[max_held_keys];
    size_t held_count;
    struct wl_event_source* key_presses;
    struct wl_event_source* close_request;
    struct wl_listener compositor_destroyed;
};

// Releases the keys held, in the reverse order of their presses, then
// presses and holds those listed in $XDG_RUNTIME_DIR/test-seat-keys (at
// most max_held_keys); the modifiers follow the keys.
static int press_listed_keys(int signal_number, void* data) {
    (void)signal_number;
    struct test_seat* test = data;
    struct timespec now;
    weston_compositor_get_time(&now);
    while (test->held_count > 0)
        notify_key(&test->seat, &now, test->held_keys[--test->held_count],
                   WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    char path[4096];
    snprintf(path, sizeof path, "%s/test-seat-keys", runtime ? runtime : ".");
    FILE* file = fopen(path, "r");
    if (!file) {
        weston_log("test seat: no keys to press in %s\n", path);
        return 0;
    }
    unsigned key;
    while (test->held_count < max_held_keys && fscanf(file, "%u", &key) == 1) {
        test->held_keys[test->held_count++] = key;
        notify_key(&test->seat, &now, key, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
    }
    fclose(file);
    return 0;
}

// Sends the close request to the toplevel (or popup) with the keyboard
// focus; does nothing when no window has it.
static int close_focused_window(int signal_number, void* data) {
    (void)signal_number;
    struct test_seat* test = data;
    struct weston_keyboard* keyboard = weston_seat_get_keyboard(&test->seat);
    if (!keyboard || !keyboard->focus)
        return 0;
    struct weston_surface* surface = weston_surface_get_main_surface(keyboard->focus);
    if (weston_surface_is_desktop_surface(surface))
        weston_desktop_surface_close(weston_surface_get_desktop_surface(surface));
    return 0;
}

static void release_test_seat(struct wl_listener* listener, void* data) {
    (void)data;
    struct test_seat* test = wl_container_of(listener, test, compositor_destroyed);
    wl_list_remove(&test->compositor_destroyed.link);
    wl_event_source_remove(test->key_presses);
    wl_event_source_remove(test->close_request);
    weston_seat_release(&test->seat);
    free(test);
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
    (void)argc;
    (void)argv;
    struct test_seat* test = calloc(1, sizeof *test);
    if (!test)
        return -1;
    // Keys held down between two SIGUSR1 do not repeat.
    compositor->kb_repeat_rate = 0;
    weston_seat_init(&test->seat, compositor, "default");
    if (weston_seat_init_keyboard(&test->seat, NULL) < 0 ||
        weston_seat_init_pointer(&test->seat) < 0) {
        weston_seat_release(&test->seat);
        free(test);
        return -1;
    }
    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    test->key_presses = wl_event_loop_add_signal(loop, SIGUSR1, press_listed_keys, test);
    test->close_request = wl_event_loop_add_signal(loop, SIGUSR2, close_focused_window, test);
    test->compositor_destroyed.notify = release_test_seat;
    wl_signal_add(&compositor->destroy_signal, &test->compositor_destroyed);
    weston_log("test seat: keyboard and pointer ready; SIGUSR1 presses keys, SIGUSR2 closes "
               "the focused window\n");
    return 0;
}
