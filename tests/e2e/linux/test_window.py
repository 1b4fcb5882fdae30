"""The menu window in a real X server: place, size, first frame, lighting
under the real pointer, dragging out of the window, and closing."""

import unittest

import xsession as xs

setUpModule = xs.start_display
tearDownModule = xs.stop_display


class WindowTest(unittest.TestCase):
    def setUp(self):
        self.disc, self.menu = xs.start_menu(self)

    def test_window_is_centred_with_the_form_size(self):
        self.assertEqual(self.menu.geometry(), (xs.WINDOW_X, xs.WINDOW_Y, xs.WINDOW_W, xs.WINDOW_H))

    def test_first_frame_is_the_background_inside_the_band(self):
        # The first frame: nothing has moved the pointer over the window.
        xs.wait_for_window(xs.pictures.background(), "the first frame")

    def test_window_carries_the_icon_and_the_caption(self):
        def props():
            return xs.subprocess.run(["xprop", "-id", self.menu.window, "_NET_WM_ICON", "_NET_WM_NAME"],
                                     capture_output=True, text=True, check=True).stdout
        # Both images, 32 x 32 and 16 x 16, set once the first frame is out.
        shown = xs.wait_for("the window icon", lambda: "Icon (16 x 16)" in props() and props())
        self.assertIn("Icon (32 x 32)", shown)
        self.assertIn(xs.CAPTION, shown)

    def test_each_entry_lights_inside_its_rectangle_only(self):
        for tag, (left, top, right, bottom) in xs.ENTRIES.items():
            with self.subTest(tag=tag):
                lit = xs.pictures.lit(tag)
                # Inside: both top-left and bottom-right pixels, entered straight from outside.
                for point in [(left, top), (right - 1, bottom - 1), (left + 100, top + 15)]:
                    xs.move_to_client(*point)
                    xs.wait_for_window(lit, f"entry {tag} lit at {point}")
                    xs.move_to_client(300, 300)
                    xs.wait_for_window(xs.pictures.background(), "no entry lit at (300, 300)")
                # Just outside each edge: the right and bottom edges are outside.
                for point in [(right, top + 10), (left + 10, bottom), (left - 1, top + 10), (left + 10, top - 1)]:
                    xs.move_to_client(left + 5, top + 5)
                    xs.wait_for_window(lit, f"entry {tag} lit")
                    xs.move_to_client(*point)
                    xs.wait_for_window(xs.pictures.background(), f"entry {tag} unlit at {point}")

    def test_crossing_the_gap_between_two_entries(self):
        xs.move_to_client(500, 70)
        xs.wait_for_window(xs.pictures.lit(2), "database entry lit")
        for y in range(79, 86):
            xs.move_to_client(500, y)
            xs.wait_for_window(xs.pictures.background(), f"nothing lit at y {y}")
        xs.move_to_client(500, 86)
        xs.wait_for_window(xs.pictures.lit(3), "server entry lit at y 86")

    def test_leaving_from_a_lit_entry_keeps_it_lit(self):
        xs.move_to_client(500, 100)
        xs.wait_for_window(xs.pictures.lit(3), "server entry lit")
        xs.move_to_client(500, 100 - 1000)  # off the top of the screen
        xs.stays(xs.pictures.lit(3), "left straight from the lit entry")

    def test_drag_out_and_release_outside_blanks_the_window_until_the_next_move(self):
        xs.move_to_client(100, 100)
        xs.wait_for_window(xs.pictures.background(), "background")
        xs.xdotool("mousedown", 1)
        xs.move_to_client(-1, 100)  # the band is outside the client area
        xs.wait_for_window(xs.pictures.blank(), "blank on the band while held")
        xs.move_to_client(700, 100)
        xs.xdotool("mouseup", 1)
        xs.wait_for_window(xs.pictures.blank(), "blank after release outside")
        # The next move over the window brings the menu back, lit as usual.
        xs.move_to_client(500, 100)
        xs.wait_for_window(xs.pictures.lit(3), "server entry lit after the next move")
        xs.click()
        setups = xs.wait_for("the server setup", lambda: self.disc.setups())
        self.assertEqual([s["component"] for s in setups], ["KVServer"])

    def test_drag_out_and_back_in_keeps_the_window_working(self):
        xs.move_to_client(100, 100)
        xs.wait_for_window(xs.pictures.background(), "background")
        xs.xdotool("mousedown", 1)
        xs.move_to_client(100, -20)
        xs.wait_for_window(xs.pictures.blank(), "blank while dragged out")
        xs.move_to_client(500, 100)  # back in, onto the server entry, still held
        xs.wait_for_window(xs.pictures.lit(3), "background and server entry again")
        xs.move_to_client(100, 100)
        xs.xdotool("mouseup", 1)
        xs.wait_for_window(xs.pictures.background(), "background after release")
        xs.move_to_client(500, 370)
        xs.wait_for_window(xs.pictures.lit(7), "exit entry lit afterwards")
        self.assertEqual(self.disc.setups(), [])  # the release on the background clicked nothing

    def test_click_on_the_background_does_nothing(self):
        xs.move_to_client(100, 100)
        xs.click()
        xs.stays(xs.pictures.background(), "after a click on the background")
        self.assertTrue(self.menu.running())

    def test_exit_entry_ends_the_program_with_0(self):
        xs.move_to_client(500, 370)
        xs.wait_for_window(xs.pictures.lit(7), "exit entry lit")
        xs.click()
        self.assertEqual(self.menu.wait_exit(), 0)

    def test_alt_f4_ends_the_program_with_0(self):
        xs.wait_for_window(xs.pictures.background(), "the first frame")
        xs.xdotool("key", "alt+F4")
        self.assertEqual(self.menu.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
