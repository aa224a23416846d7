#!/usr/bin/env python3
"""The real game on Xvfb under openbox, driven only with X input (xdotool) and seen only from outside
(screenshots, xprop, xwininfo, XFixes' pointer image). A failing test leaves a screenshot among the artefacts."""
import argparse
import contextlib
import os
import struct
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from game_board import BACKGROUND_SPOT, BOARD_CELLS, BOARD_SIZE, TITLE, cell_centre, shows_peg  # noqa: E402
from xdesktop import SANITIZER_REPORT, Desktop, Timeout, errors_of, stop, wait_for  # noqa: E402

LEVEL_DIALOG = "關卡選擇"
ABOUT_DIALOG = "關於 " + TITLE
PEG_POINTER = (32, 32, 16, 16)  # width, height, hot spot
# The Motif hints' function and decoration bits for the two buttons a fixed dialog has no use for.
MWM_HINTS_FUNCTIONS, MWM_HINTS_DECORATIONS = 1, 2
MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE = 1 << 3, 1 << 4
MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 1 << 5, 1 << 6
POINTER_PARKING = (1, 1)  # far from the board, on the bare desktop
GRADES = 5

ARGS = None
GAME = []  # the command that starts the game: the program, or Wine with it
ORACLE = []
WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake", "wine-run.sh")


def oracle(*args):
    out = subprocess.run([*ORACLE, *map(str, args)], capture_output=True, check=True, text=True).stdout
    return [tuple(map(int, line.split())) for line in out.splitlines()]


def bmp_pixel(path, x, y):
    """The (r, g, b) of a pixel of a 24-bit bottom-up BMP."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    base = offset + (height - 1 - y) * ((width * 3 + 3) // 4 * 4) + 3 * x
    return data[base + 2], data[base + 1], data[base]


class DesktopCase(unittest.TestCase):
    """The game started on the shared virtual desktop, and how to look at it and drive it."""

    scale = 1  # device pixels to the logical pixel, through QT_SCALE_FACTOR
    environment = {}  # more for the game's environment

    window_manager = "openbox"

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(ARGS.artefacts, cls.window_manager)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.start_game()

    def start_game(self, **environment):
        self.game = self.desktop.start(*GAME, **{"QT_SCALE_FACTOR": str(self.scale), **self.environment, **environment})
        # A cleanup, unlike tearDown, also runs when the game fails to come up.
        self.addCleanup(self.end_game)
        self.board = wait_for(self.find_board, "the board window")
        wait_for(lambda: self.pegs() == self.start_pegs(5, 30), "the standard game on screen")

    def end_game(self):
        """Closes the board as a player would, so the program ends by itself (and a sanitized build checks
        for leaks as it does); a program that will not, with a dialog open say, is stopped."""
        if self.game.poll() is None and getattr(self, "board", None):
            if self.window_manager:
                self.desktop.run("wmctrl", "-i", "-c", str(self.board), check=False)
            else:
                self.command("e")
            with contextlib.suppress(subprocess.TimeoutExpired):
                self.game.wait(5)  # leak check included
        stop(self.game)
        errors = errors_of(self.game)
        self.assertIsNone(SANITIZER_REPORT.search(errors), errors)
        wait_for(lambda: not self.desktop.windows(TITLE), "the game's windows to go", timeout=10)

    # -- looking -----------------------------------------------------------
    def scaled(self, point):
        return tuple(round(self.scale * value) for value in point)

    def find_board(self):
        for window in self.desktop.windows(TITLE):
            info = self.desktop.info(window)
            if info["viewable"] and (info["width"], info["height"]) == self.scaled(BOARD_SIZE):
                return window

    def origin(self):
        info = self.desktop.info(self.board)
        return info["x"], info["y"]

    def at(self, offset):
        """A point given in the board's logical pixels, on the screen."""
        (x, y), (dx, dy) = self.origin(), self.scaled(offset)
        return x + dx, y + dy

    def pegs(self):
        # The frame buffer holds the pointer too: it waits in the screen's corner while the holes are read.
        self.desktop.move(*POINTER_PARKING)
        shot = self.desktop.screenshot()
        return {cell for cell in BOARD_CELLS if shows_peg(shot.mean(*self.at(cell_centre(cell))))}

    def expect_outline(self):
        """The window's shape at the current scale: its four corner pixels are cut, the rim beside them is not."""
        shape = self.desktop.shape(self.board)
        for logical in [(2, 0), (0, 2), (196, 0), (198, 2), (3, 197), (195, 197), (99, 99)]:
            self.assertTrue(self.scaled(logical) in shape, "%s is cut off at scale %g" % (logical, self.scale))
        last = self.scale - 1  # a logical pixel's far device pixel
        for logical in [(0, 0), (198, 0), (0, 197), (198, 197)]:
            x, y = self.scaled(logical)
            self.assertFalse({(x, y), (x + last, y + last)} & shape,
                             "corner %s is not cut off at scale %g" % (logical, self.scale))

    def start_pegs(self, grade, level):
        return {cell for (cell,) in oracle("pegs", grade, level)}

    def wait_pegs(self, expected, what):
        return wait_for(lambda: self.pegs() == expected, what)

    def solve(self, grade, level):
        """Plays the level down to its last peg with real drags, the oracle's way. The last jump is not
        looked at: the message at the end of the game may cover the board."""
        pegs = self.start_pegs(grade, level)
        moves = oracle("solve", grade, level)
        for number, (source, target) in enumerate(moves, 1):
            self.drag_cell(source, cell_centre(target))
            pegs = pegs - {source, (source + target) // 2} | {target}
            if number < len(moves):
                self.wait_pegs(pegs, "the board after %d to %d" % (source, target))

    def expect_modal_on_x11(self, box):
        """X11 marks a box that blocks the board modal. Wine does not carry Windows' modality over to X:
        there the box is owned by a window of the game (Windows keeps an owned window above its owner)."""
        d = self.desktop
        if not ARGS.wine:
            self.assertIn("_NET_WM_STATE_MODAL", d.net_wm_state(box))
            return
        owner = d.prop(box, "WM_TRANSIENT_FOR").rpartition(" ")[2]
        self.assertIn("= %d" % self.game.pid, d.prop(owner, "_NET_WM_PID"))

    def message(self):
        """The open message box's (title, text, buttons), as Windows copies them with Ctrl+C and Wine hands
        them to X's clipboard."""
        d = self.desktop
        d.clear_clipboard()
        d.key("ctrl+c")
        copied = wait_for(lambda: d.run("xclip", "-selection", "clipboard", "-o", check=False).strip(),
                          "the message box's text on the clipboard")
        parts = [part.strip() for part in copied.replace("\r", "").split("-" * 27) if part.strip()]
        return parts[0], parts[1], parts[2].split()  # title, text, buttons

    def carrying(self):
        return self.desktop.cursor() == self.scaled(PEG_POINTER)

    def fully_within(self, width, height):
        info = self.desktop.info(self.board)
        return 0 <= info["x"] <= width - info["width"] and 0 <= info["y"] <= height - info["height"]

    def expect_the_jump_from_11_into_the_centre(self):
        self.wait_pegs(self.start_pegs(5, 30) - {11, 18} | {25}, "the jump from 11 over 18 into the centre")

    def dialog(self, title):
        window = wait_for(lambda: self.desktop.dialogs(title), "the dialog " + title)[0]
        wait_for(lambda: self.desktop.active_window() == str(window), "the dialog " + title + " to take the focus")
        return window

    def no_dialog(self, title):
        wait_for(lambda: not self.desktop.dialogs(title), "the dialog " + title + " to close")

    def close_dialog(self, title, key):
        self.desktop.key(key)
        self.no_dialog(title)

    def icon_sizes(self, window):
        """The sizes of the pictures in a window's icon, as a taskbar reads them."""
        out = self.desktop.run("xprop", "-id", str(window), "-f", "_NET_WM_ICON", "32c", " = $0+", "_NET_WM_ICON",
                               check=False)
        numbers = [int(v) for v in out.partition("=")[2].split(",") if v.strip().isdigit()]
        sizes = []
        while len(numbers) >= 2 and numbers[0] * numbers[1] > 0:
            width, height = numbers[:2]
            sizes.append((width, height))
            numbers = numbers[2 + width * height:]
        return sizes

    def expect_close_box_only(self, dialog):
        """The Motif hints ask every window manager for a title bar whose only button closes the dialog; this
        one grants neither maximising nor resizing. (openbox offers minimising anyway: InterruptionsOnDesktop.)"""
        d = self.desktop
        hints = d.prop(dialog, "_MOTIF_WM_HINTS").split("=")[1].split(",")
        flags, functions, decorations = (int(value, 0) for value in hints[:3])
        self.assertTrue(flags & MWM_HINTS_FUNCTIONS and flags & MWM_HINTS_DECORATIONS, flags)
        self.assertFalse(functions & (MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE), hex(functions))
        self.assertFalse(decorations & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE), hex(decorations))
        allowed = d.prop(dialog, "_NET_WM_ALLOWED_ACTIONS")
        for action in ("MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"):
            self.assertNotIn("_NET_WM_ACTION_" + action, allowed)

    # -- doing -------------------------------------------------------------
    def lift(self, cell):
        """Presses the left button on a cell and waits for the peg pointer."""
        d = self.desktop
        d.move(*self.at(cell_centre(cell)))
        d.down()
        what = "the peg pointer at scale %g" % self.scale
        # Under load Wine at times drops a press that comes with the pointer's arrival from outside the
        # window (the peg stays in its hole): press again. A release where the press was taken puts it back.
        for _ in range(2 if ARGS.wine else 0):
            try:
                wait_for(self.carrying, what, timeout=2)
                return
            except Timeout:
                d.up()
                d.down()
        wait_for(self.carrying, what)

    def drag_cell(self, source, target_offset):
        """Drags the peg of `source` and releases it at a point of the board."""
        (x, y), (tx, ty) = cell_centre(source), target_offset
        self.lift(source)
        self.desktop.move(*self.at(((x + tx) // 2, (y + ty) // 2)))
        self.desktop.move(*self.at(target_offset))
        self.desktop.up()
        self.expect_default_pointer()

    def expect_default_pointer(self):
        """Over the board, the pointer is the default one again."""
        wait_for(lambda: self.desktop.cursor() != self.scaled(PEG_POINTER), "the default pointer", timeout=3)

    def expect_about_to_leave_the_board_below(self, closing_key):
        """With the mark clear, About opened and closed with the key leaves the board below."""
        self.command("a")
        self.dialog(ABOUT_DIALOG)
        self.close_dialog(ABOUT_DIALOG, closing_key)
        time.sleep(0.3)  # nothing is to change: give it the chance to
        self.assertFalse(self.desktop.is_above(self.board))

    def choose_level(self, grade, level):
        self.command("l")
        self.dialog(LEVEL_DIALOG)
        self.enter_level(grade, level)
        self.no_dialog(LEVEL_DIALOG)
        self.wait_pegs(self.start_pegs(grade, level), "grade %d level %d on the board" % (grade, level))

    def enter_level(self, grade, text):
        """As a player types it: from the button, where the focus starts, Tab goes on to the grades, the
        arrows move among them, the space bar checks one, and Tab goes on to the text box."""
        self.desktop.key("Tab", *["Up"] * (GRADES - 1), *["Down"] * (grade - 1), "space", "Tab", "ctrl+a")
        self.desktop.type(str(text))
        self.desktop.key("alt+c")

    def open_menu(self):
        self.desktop.click(*self.at(BACKGROUND_SPOT), button=3)
        return wait_for(lambda: self.desktop.popups(self.game.pid), "the command menu")

    def command(self, access_key):
        self.open_menu()
        self.desktop.key(access_key)


class GameOnDesktop(DesktopCase):
    """The game as it is played."""

    def test_starts_shaped_centred_and_topmost_without_decorations(self):
        d = self.desktop
        info = d.info(self.board)  # find_board() took it by its size
        self.assertEqual((info["x"], info["y"]), ((d.WIDTH - 199) // 2, (d.HEIGHT - 198) // 2))
        self.assertIn("0, 0, 0, 0", d.prop(self.board, "_NET_FRAME_EXTENTS"))
        self.assertTrue(d.is_above(self.board))
        # The taskbar's icon comes once the board is drawn: every size on X11, Windows' small and large.
        expected = [(16, 16), (32, 32)] if ARGS.wine else [(16, 16), (32, 32), (48, 48), (64, 64), (128, 128)]
        self.assertEqual(sorted(wait_for(lambda: self.icon_sizes(self.board), "the board's icon")), expected)
        d.move(*self.at(cell_centre(25)))
        self.assertNotEqual(d.cursor(), PEG_POINTER)

    def test_cut_off_corners_are_not_the_boards(self):
        # What lies beneath the four cut corners (the desktop's own colour) shows there, and a press there
        # reaches it, so it does not drag the board.
        d = self.desktop
        shot, (x0, y0) = d.screenshot(), self.origin()
        self.assertEqual(shot.pixel(x0 + 100, y0 + 1), bmp_pixel(ARGS.board_picture, 100, 1))
        self.expect_outline()
        for cx, cy in [(0, 0), (198, 0), (0, 197), (198, 197)]:
            self.assertEqual(shot.pixel(x0 + cx, y0 + cy), d.BACKGROUND, (cx, cy))
            d.drag((x0 + cx, y0 + cy), (x0 + cx + 30, y0 + cy + 20))
            time.sleep(0.2)
            self.assertEqual(self.origin(), (x0, y0), (cx, cy))

    def test_standard_game_won_with_real_drags(self):
        self.solve(5, 30)
        self.expect_modal_on_x11(self.dialog(TITLE))
        if ARGS.wine:
            self.assertEqual(self.message(), (TITLE, "您實在是太強了！恭喜！", ["確定"]))
        self.close_dialog(TITLE, "Return")
        self.assertEqual(self.pegs(), {25})

    def test_a_back_button_pressed_mid_carry_leaves_the_peg_in_the_hand(self):
        d = self.desktop
        self.lift(11)
        d.click(*self.at(cell_centre(11)), button=8)  # X's button 8: a mouse's back button
        self.assertTrue(self.carrying())
        d.move(*self.at(cell_centre(25)))
        d.up()
        self.expect_the_jump_from_11_into_the_centre()

    def test_wrong_drops_return_the_peg(self):
        start = self.start_pegs(5, 30)
        # One cell short of the jump from 11 over 18 into 25.
        self.drag_cell(11, cell_centre(18))
        self.wait_pegs(start, "the peg back on 11")
        # Released far outside the window, at the screen's corner.
        d = self.desktop
        self.lift(32)
        self.assertNotIn(32, self.pegs())  # lifted: its hole shows
        d.move(300, 200)
        d.move(2, 2)
        d.up()
        self.wait_pegs(start, "the peg back on 32")
        d.move(*self.at(cell_centre(32)))
        self.expect_default_pointer()

    def test_dragging_the_background_moves_the_window_by_the_pointers_delta(self):
        d = self.desktop
        before, start = self.origin(), self.at(BACKGROUND_SPOT)
        d.drag(start, (start[0] + 45, start[1] - 25), steps=5)
        end = d.pointer()
        delta = (end[0] - start[0], end[1] - start[1])
        wait_for(lambda: self.origin() == (before[0] + delta[0], before[1] + delta[1]), "the window to follow")
        self.assertEqual(delta, (45, -25))
        self.wait_pegs(self.start_pegs(5, 30), "the board unchanged after the drag")

    def test_always_on_top_toggle_keeps_the_window_in_place(self):
        d = self.desktop
        before = d.info(self.board)
        self.command("t")
        wait_for(lambda: not d.is_above(self.board), "the board to leave the topmost band")
        self.assertEqual(self.origin(), (before["x"], before["y"]))
        self.assertEqual(self.find_board(), self.board)  # the same window, still shown
        self.command("t")
        wait_for(lambda: d.is_above(self.board), "the board back on top")
        self.assertEqual(d.info(self.board), before)

    def test_dialogs_take_the_board_off_the_top_until_they_close(self):
        d = self.desktop
        self.command("a")
        about = self.dialog(ABOUT_DIALOG)
        self.assertFalse(d.is_above(self.board))
        self.expect_close_box_only(about)
        self.assertTrue(self.icon_sizes(about))
        self.close_dialog(ABOUT_DIALOG, "Escape")
        wait_for(lambda: d.is_above(self.board), "the board back on top after About")

        self.command("l")
        self.expect_close_box_only(self.dialog(LEVEL_DIALOG))
        self.assertFalse(d.is_above(self.board))
        self.close_dialog(LEVEL_DIALOG, "alt+F4")  # the window manager closes it
        wait_for(lambda: d.is_above(self.board), "the board back on top after closing")

        self.command("t")  # mark cleared: a dialog's close leaves it below
        wait_for(lambda: not d.is_above(self.board), "the board off the top")
        self.expect_about_to_leave_the_board_below("Return")

    def test_level_chosen_by_typing(self):
        d = self.desktop
        self.command("l")
        dialog = self.dialog(LEVEL_DIALOG)
        self.enter_level(3, "abc")
        self.expect_modal_on_x11(self.dialog(TITLE))
        self.close_dialog(TITLE, "Return")
        self.assertEqual(d.dialogs(LEVEL_DIALOG), [dialog])
        self.assertFalse(d.is_above(self.board))

        wait_for(lambda: d.active_window() == str(dialog), "the dialog again")
        d.key("shift+Tab", "shift+Tab")  # back to the button, where it started
        self.enter_level(1, 4)
        self.no_dialog(LEVEL_DIALOG)
        self.wait_pegs(self.start_pegs(1, 4), "grade 1 level 4 on the board")
        wait_for(lambda: d.is_above(self.board), "the board back on top")

    def test_closing_the_board_from_the_window_manager_ends_the_program(self):
        self.desktop.run("xdotool", "windowactivate", "--sync", str(self.board))
        self.desktop.key("alt+F4")  # openbox's close
        wait_for(lambda: self.game.poll() is not None, "the game to end")
        self.assertEqual(self.game.returncode, 0)

    def test_exit_command_ends_the_program(self):
        self.command("e")
        wait_for(lambda: self.game.poll() is not None, "the game to end")
        self.assertEqual(self.game.returncode, 0)


class GameAtTwiceTheDensity(DesktopCase):
    """The game on a screen of two device pixels to the logical pixel."""

    scale = 2

    def test_the_board_and_its_outline_take_twice_the_pixels(self):
        self.expect_outline()  # the board was found by its size

    def test_the_peg_in_the_hand_is_a_peg_of_the_board(self):
        d = self.desktop
        self.lift(11)
        (width, height, x_hot, y_hot), rows = d.cursor_image()
        self.assertEqual((x_hot, y_hot), (width // 2, height // 2))
        # The ball's anti-aliased rim leaves a pixel or two of its square uncovered.
        covered = [x for x, pixel in enumerate(rows[y_hot]) if pixel >> 24]
        self.assertAlmostEqual(len(covered), 21 * self.scale, delta=3)  # a peg is 21 logical pixels wide
        self.assertAlmostEqual((covered[0] + covered[-1] + 1) / 2, x_hot, delta=1)
        d.move(*self.at(cell_centre(25)))
        d.up()
        self.expect_the_jump_from_11_into_the_centre()
        self.expect_default_pointer()


def in_wine(*command, check=True):
    """Runs a Windows program in the suite's prefix (reg.exe: the registry, where Windows' Settings keep values)."""
    subprocess.run([WINE_RUN, ARGS.wine, *command], check=check, capture_output=True, timeout=300)


def set_windows_display_scale(dpi):
    in_wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")


class GameAtWindowsDisplayScale(GameAtTwiceTheDensity):
    """The Windows build at Windows' own display scale of 200% (192 dpi), which Wine hands to a DPI-aware program."""

    environment = {"QT_SCALE_FACTOR": "1"}  # the scale is the system's alone

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        set_windows_display_scale(192)

    @classmethod
    def tearDownClass(cls):
        set_windows_display_scale(96)
        super().tearDownClass()


class BetweenScreensOfTwoDensities(DesktopCase):
    """The desktop as two monitors side by side, the right one at twice the density."""

    environment = {"QT_SCREEN_SCALE_FACTORS": "Left=1;Right=2"}

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        d = cls.desktop
        half = d.WIDTH // 2
        for name, left in (("Left", 0), ("Right", half)):
            d.run("xrandr", "--setmonitor", name, "%d/135x%d/203+%d+0" % (half, d.HEIGHT, left), "none")

    def drag_board_by(self, dx, scale):
        """Drags the board by its rim; where it rests at the new scale, the grabbed point is under the pointer."""
        start = self.at(BACKGROUND_SPOT)
        self.desktop.drag(start, (start[0] + dx, start[1]), steps=16)
        self.scale = scale
        self.board = wait_for(self.find_board, "the board at the size of its new screen")
        end, origin, grabbed = self.desktop.pointer(), self.origin(), self.scaled(BACKGROUND_SPOT)
        self.assertLessEqual(max(abs(end[0] - origin[0] - grabbed[0]), abs(end[1] - origin[1] - grabbed[1])), 1)

    def carry_and_put_back(self, cell):
        self.lift(cell)
        self.desktop.up()
        self.expect_default_pointer()

    def test_the_outline_and_the_pointer_follow_the_board_to_the_denser_screen_and_back(self):
        self.expect_outline()
        self.carry_and_put_back(11)
        self.drag_board_by(self.desktop.WIDTH // 2, scale=2)
        self.expect_outline()
        self.wait_pegs(self.start_pegs(5, 30), "the standard game at twice the size")
        self.command("a")  # dialogs open on the screen that holds the board
        about = self.desktop.info(self.dialog(ABOUT_DIALOG))
        self.assertGreater(about["x"] + about["width"] // 2, self.desktop.WIDTH // 2)
        self.close_dialog(ABOUT_DIALOG, "Escape")
        self.carry_and_put_back(11)
        self.drag_board_by(-self.desktop.WIDTH // 2, scale=1)
        self.expect_outline()


def ink(pixels):
    """Where a picture is darker than halfway from its commonest shade to its darkest: text, lines, frames."""
    shades = [sum(pixel) for row in pixels for pixel in row]
    background = max(set(shades), key=shades.count)
    middle = (background + min(shades)) / 2
    return {(x, y) for y, row in enumerate(pixels) for x, pixel in enumerate(row) if sum(pixel) < middle}


class TheTopmostBandUnderWine(unittest.TestCase):
    """The board's way into the topmost band, tried on two plain windows: the window that is active stays so."""

    def test_going_into_the_topmost_band_leaves_the_activation_where_it_is(self):
        with Desktop(ARGS.artefacts) as desktop:
            result = subprocess.run([WINE_RUN, "--display", ARGS.wine, ARGS.probe, "stacking"],
                                    env=desktop.env, capture_output=True, text=True, timeout=120)
        self.assertEqual(result.stdout.strip(), "other active", result.stderr)


class AtTheDesktopsTextSize(DesktopCase):
    """Both dialogs on a desktop whose texts are larger than Qt's own size (a Plasma session's 10 points;
    11 and 14 as players set them) keep the text size their layout is made for, so every line is drawn where
    it is at the usual size. (The drawing is compared, give or take a fiftieth of its pixels where the
    anti-aliasing of the desktop's other shades tips over.)"""

    def dialog_pictures(self):
        pictures = []
        for key, title, closing in (("a", ABOUT_DIALOG, "Escape"), ("l", LEVEL_DIALOG, "alt+F4")):
            self.command(key)
            dialog = self.dialog(title)
            self.desktop.move(*POINTER_PARKING)
            pictures.append(ink(wait_for(lambda: self.steady_picture(dialog), "the dialog %s drawn" % title)))
            self.close_dialog(title, closing)
        return pictures

    def steady_picture(self, window):
        first = self.desktop.client_pixels(window)
        time.sleep(0.1)
        return first if first == self.desktop.client_pixels(window) else None

    def with_desktop_text_size(self, points):
        """The game's environment for a Plasma session at that text size."""
        config = os.path.join(self.desktop.home, "plasma-%d" % points)
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "kdeglobals"), "w", encoding="utf-8") as f:
            f.write("[General]\nfont=Noto Sans,%d,-1,5,50,0,0,0,0,0\n" % points)
        return {"XDG_CONFIG_HOME": config, "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": "5",
                "XDG_CURRENT_DESKTOP": "KDE"}

    def test_the_dialogs_show_as_at_the_usual_text_size(self):
        usual = self.dialog_pictures()
        for points in (10, 11, 14):
            self.end_game()
            self.start_game(**self.with_desktop_text_size(points))
            for drawn, expected in zip(self.dialog_pictures(), usual):
                self.assertLessEqual(len(drawn ^ expected), len(expected) / 50, "at %d points" % points)


class AtWindowsTextSizeUnderWine(AtTheDesktopsTextSize):
    """The same with Windows' own larger text: the message font, which Qt takes for every widget's."""

    def with_desktop_text_size(self, points):
        height = round(points * 96 / 72)
        logfont = struct.pack("<5i8B64s", -height, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Tahoma".encode("utf-16-le"))
        key = r"HKCU\Control Panel\Desktop\WindowMetrics"
        in_wine("reg", "add", key, "/v", "MessageFont", "/t", "REG_BINARY", "/d", logfont.hex(), "/f")
        self.addCleanup(in_wine, "reg", "delete", key, "/v", "MessageFont", "/f", check=False)
        return {}


class ScreensThatShrink(DesktopCase):
    """No window manager to bring windows back, and a screen that shrinks (as when a monitor is unplugged)."""

    window_manager = None

    def test_a_board_left_off_the_smaller_screen_comes_back_whole(self):
        d = self.desktop
        start = self.at(BACKGROUND_SPOT)
        d.drag(start, (start[0] + 480, start[1] + 400), steps=8)
        wait_for(lambda: not self.fully_within(800, 600), "the board in the bottom right corner")
        # xrandr reports the screen's one output as too large for the new size, and shrinks it all the same.
        d.run("xrandr", "--fb", "800x600", check=False)
        wait_for(lambda: self.fully_within(800, 600), "the board back wholly on the smaller screen")


class UnderIcewm(DesktopCase):
    """icewm keeps a window mapped with the above state in its top layer for good: the board asks once shown."""

    window_manager = "icewm"

    def test_the_always_on_top_command_and_the_dialogs_take_the_board_out_of_the_top_layer(self):
        d = self.desktop
        wait_for(lambda: d.is_above(self.board), "the board on top")
        self.command("a")
        self.dialog(ABOUT_DIALOG)
        wait_for(lambda: not d.is_above(self.board), "the board below the dialog")
        self.close_dialog(ABOUT_DIALOG, "Escape")
        wait_for(lambda: d.is_above(self.board), "the board back on top")
        self.command("t")
        wait_for(lambda: not d.is_above(self.board), "the board out of the top layer")


class WindowsMessagesUnderWine(DesktopCase):
    """The end of a level as the Windows build shows it, under Wine."""

    def test_a_won_level_offers_the_next_one_and_yes_lays_it_out(self):
        self.choose_level(1, 1)
        self.solve(1, 1)
        self.dialog(TITLE)
        self.assertEqual(self.message(), (TITLE, "恭喜，您成功了！是否繼續下一關？", ["是(&Y)", "否(&N)"]))
        self.close_dialog(TITLE, "Return")  # Yes is the default
        self.wait_pegs(self.start_pegs(1, 2), "grade 1 level 2 on the board")


class InterruptionsOnDesktop(DesktopCase):
    """What the window manager and other programs do to the game."""

    def test_a_carry_cut_short_by_minimising_or_another_desktop_puts_the_peg_home(self):
        d = self.desktop
        for away, back in ((["xdotool", "windowminimize", "--sync", str(self.board)],
                            ["xdotool", "windowactivate", "--sync", str(self.board)]),
                           (["wmctrl", "-s", "1"], ["wmctrl", "-s", "0"])):
            self.lift(11)
            d.run(*away)
            d.up()
            d.run(*back)
            self.board = wait_for(self.find_board, "the board back")
            self.wait_pegs(self.start_pegs(5, 30), "peg 11 back in its hole")
            d.move(*self.at(cell_centre(25)))
            self.expect_default_pointer()
        # A click on the empty centre now changes nothing.
        d.click(*self.at(cell_centre(25)))
        time.sleep(0.3)
        self.assertEqual(self.pegs(), self.start_pegs(5, 30))

    def test_the_check_mark_follows_a_layer_change_made_by_the_window_manager(self):
        d = self.desktop
        d.run("wmctrl", "-i", "-r", str(self.board), "-b", "remove,above")
        wait_for(lambda: not d.is_above(self.board), "the window manager to lower the board")
        self.command("t")  # the mark was taken off with the layer: this puts it back
        wait_for(lambda: d.is_above(self.board), "the board on top after one toggle")

        d.run("wmctrl", "-i", "-r", str(self.board), "-b", "remove,above")
        wait_for(lambda: not d.is_above(self.board), "the board lowered again")
        self.expect_about_to_leave_the_board_below("Escape")

    def test_a_minimised_message_box_comes_back_with_the_board(self):
        # openbox minimises a box's owner with it: the board went with it.
        d = self.desktop
        self.choose_level(1, 1)
        self.solve(1, 1)
        box = self.dialog(TITLE)
        d.run("xdotool", "windowminimize", str(box))
        for window in (box, self.board):
            wait_for(lambda: d.info(window)["viewable"] and "_NET_WM_STATE_HIDDEN" not in d.net_wm_state(window),
                     "the box and the board back on screen")
        self.close_dialog(TITLE, "Escape")  # No: the board keeps its last peg
        self.assertEqual(self.pegs(), {25})

    def test_a_dialog_destroyed_by_another_program_closes_and_the_board_plays_on(self):
        d = self.desktop
        for key, title in (("l", LEVEL_DIALOG), ("a", ABOUT_DIALOG)):
            self.command(key)
            d.run("xdotool", "windowclose", str(self.dialog(title)))
            self.no_dialog(title)
            self.open_menu()
            d.key("Escape")
            wait_for(lambda: not d.popups(self.game.pid), "the menu to close")
        self.drag_cell(11, cell_centre(25))
        self.expect_the_jump_from_11_into_the_centre()

    def test_a_minimised_dialog_comes_back(self):
        d = self.desktop
        self.command("l")
        dialog = self.dialog(LEVEL_DIALOG)
        self.assertIn("%#x" % self.board, d.prop(dialog, "WM_TRANSIENT_FOR"))
        d.run("xdotool", "windowminimize", str(dialog))
        wait_for(lambda: d.info(dialog)["viewable"] and "_NET_WM_STATE_HIDDEN" not in d.net_wm_state(dialog),
                 "the dialog back on screen")
        self.close_dialog(LEVEL_DIALOG, "alt+F4")

    def test_the_game_ends_when_another_program_destroys_its_window(self):
        self.desktop.run("xdotool", "windowclose", str(self.board))
        wait_for(lambda: self.game.poll() is not None, "the game to end")

    def test_a_window_taking_the_keyboard_mid_carry_leaves_the_peg_in_the_hand(self):
        d = self.desktop
        self.lift(11)
        other = d.start("xmessage", "-center", "another program")
        self.addCleanup(stop, other)
        note = wait_for(lambda: d.windows("xmessage"), "another program's window")[0]
        d.run("xdotool", "windowactivate", str(note))
        wait_for(lambda: d.active_window() == str(note), "the other window to take the keyboard")
        time.sleep(0.3)  # Qt deactivates a window a moment after it lost the keyboard: give it the chance
        self.assertTrue(self.carrying())
        d.move(*self.at(cell_centre(25)))
        d.up()
        self.expect_the_jump_from_11_into_the_centre()

    def test_without_a_display_it_says_so_and_ends(self):
        bare = {k: v for k, v in self.desktop.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        live = self.desktop.display
        # None set; an X display that does not answer; a Wayland one that does not; a screen the X
        # server does not have; X named with no display; Wayland named, or asked for on the command
        # line, in a session that has only X.
        cases = [{}, {"DISPLAY": ":1999"}, {"WAYLAND_DISPLAY": "kmq-no-such-compositor"},
                 {"DISPLAY": live + ".5"}, {"QT_QPA_PLATFORM": "xcb"}, {"QT_QPA_PLATFORM": " XCB"},
                 {"DISPLAY": live, "QT_QPA_PLATFORM": "wayland"}]
        for arguments, unanswered in [([], case) for case in cases] + [(["-platform", "wayland"], {"DISPLAY": live})]:
            env = dict(bare, **unanswered)
            result = subprocess.run([ARGS.game, *arguments], env=env, capture_output=True, timeout=20)
            self.assertEqual(result.returncode, 1, unanswered)
            lines = result.stderr.decode().splitlines()
            self.assertEqual(len(lines), 2, lines)
            self.assertIn("找不到", lines[0])
            self.assertIn("no display", lines[1])


# The game as Linux runs it, and the Windows build as Wine runs it.
ON_LINUX = [GameOnDesktop, GameAtTwiceTheDensity, BetweenScreensOfTwoDensities, InterruptionsOnDesktop,
            AtTheDesktopsTextSize, ScreensThatShrink, UnderIcewm]
UNDER_WINE = [GameOnDesktop, WindowsMessagesUnderWine, GameAtWindowsDisplayScale, AtWindowsTextSizeUnderWine,
              TheTopmostBandUnderWine]


class KeepingScreens(unittest.TextTestResult):
    """Keeps the screen of a failing test: the result hears of it before the test's cleanups end the game."""

    def addFailure(self, test, err):
        self.keep_screen(test)
        super().addFailure(test, err)

    def addError(self, test, err):
        self.keep_screen(test)
        super().addError(test, err)

    def keep_screen(self, test):
        if getattr(test, "desktop", None):
            test.desktop.keep(test.id().split(".")[-1])


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    for option in ("--game", "--oracle", "--artefacts", "--board-picture"):
        parser.add_argument(option, required=True)
    parser.add_argument("--wine", metavar="PREFIX", help="run the Windows game and oracle under Wine in PREFIX")
    parser.add_argument("--probe", help="windows_probe.exe, which the Windows suite runs under Wine")
    ARGS, rest = parser.parse_known_args()
    GAME[:] = [WINE_RUN, "--display", ARGS.wine, ARGS.game] if ARGS.wine else [ARGS.game]
    ORACLE[:] = [WINE_RUN, ARGS.wine, ARGS.oracle] if ARGS.wine else [ARGS.oracle]
    if ARGS.wine:
        in_wine("cmd", "/c", "exit")  # a prefix of the suite's own, made before the first test's clock runs
    loader = unittest.defaultTestLoader
    suites = UNDER_WINE if ARGS.wine else ON_LINUX
    tests = (loader.loadTestsFromNames(rest, sys.modules[__name__]) if rest
             else unittest.TestSuite(loader.loadTestsFromTestCase(suite) for suite in suites))
    result = unittest.TextTestRunner(verbosity=2, resultclass=KeepingScreens).run(tests)
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed - len(result.skipped), failed))
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
