// A weston module for the Wayland test stage: what a desktop session has
// and a headless compositor lacks.
//
// - A seat named "default" with a keyboard and a pointer, so that the shell
//   gives the keyboard focus to the window it maps and activates it, as on a
//   desktop (with no seat, nothing is ever active or focused).
// - The close request of a shell's close button or Alt+F4: on SIGUSR2 the
//   window that has the keyboard focus is asked to close
//   (xdg_toplevel.close), so a test can close the program from outside.
//
// Loaded with weston --modules=<path of this module>.
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <weston.h>

#include <signal.h>
#include <stdlib.h>

// Exported by libweston for its input backends; not in its public headers.
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec,
                      const char* seat_name);
void weston_seat_release(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
int weston_seat_init_pointer(struct weston_seat* seat);

struct test_seat {
    struct weston_seat seat;
    struct wl_event_source* close_request;
    struct wl_listener compositor_destroyed;
};

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
    weston_seat_init(&test->seat, compositor, "default");
    if (weston_seat_init_keyboard(&test->seat, NULL) < 0 ||
        weston_seat_init_pointer(&test->seat) < 0) {
        weston_seat_release(&test->seat);
        free(test);
        return -1;
    }
    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    test->close_request = wl_event_loop_add_signal(loop, SIGUSR2, close_focused_window, test);
    test->compositor_destroyed.notify = release_test_seat;
    wl_signal_add(&compositor->destroy_signal, &test->compositor_destroyed);
    weston_log("test seat: keyboard and pointer ready; SIGUSR2 closes the focused window\n");
    return 0;
}
