"""Every way of ending the program ends it with status 0 and writes the
table to hv.dat."""
import os
import signal
import subprocess

import pyatspi

import harness
from datafile import data_file, read
from harness import key

ROWS = [
    ["Venue", "Booked", "1200", "2026-06-20", "Old Mill", "Ann Roe", "01234 567890", "Deposit paid"],
    ["Cake", "", "85.50", "", "Sugar & Co", "", "", "Lemon, três camadas"],
    ["Band", "Asked", "", "", "", "", "", ""],
]


def enter_in_cost(p):
    p.focus(p.field("Cost:"))
    key("Return")


def escape(p):
    p.focus(p.field("Item:"))
    key("Escape")


def close_request(p):
    subprocess.run(["wmctrl", "-c", "Halvenor"], check=True)


def alt_f4(p):
    p.focus(p.find(pyatspi.ROLE_PUSH_BUTTON, "Add"))
    key("alt+F4")


def sigterm(p):
    p.process.send_signal(signal.SIGTERM)


def sighup(p):
    p.process.send_signal(signal.SIGHUP)


def sigterm_over_error_box(p):
    p.press("Add")  # with a blank Item: the error box comes up
    p.alert("Error")
    p.process.send_signal(signal.SIGTERM)


def sigint_over_date_dialog(p):
    p.press("Select")
    p.window("Date Selection")
    p.process.send_signal(signal.SIGINT)


WAYS = [enter_in_cost, escape, close_request, alt_f4, sigterm, sighup, sigterm_over_error_box,
        sigint_over_date_dialog]


class ClosingTest(harness.ProgramTest):
    def test_each_way_of_ending_keeps_the_data_file(self):
        for way in WAYS:
            with self.subTest(way=way.__name__):
                p = self.start(files={"hv.dat": data_file(ROWS)})
                harness.wait_for("rows loaded", lambda: p.rows() == ROWS)
                self.assertEqual(p.text(p.field("Items:")), "3")
                way(p)
                self.assertEqual(p.wait_exit(), 0)
                self.assertEqual(read(p.path("hv.dat")), data_file(ROWS))

    def test_an_added_entry_is_saved_when_the_program_is_ended(self):
        for way in [escape, sigterm]:
            with self.subTest(way=way.__name__):
                p = self.start(files={"hv.dat": data_file(ROWS[:1])})
                harness.wait_for("row loaded", lambda: len(p.rows()) == 1)
                p.type_into("Item:", "Lights")
                p.type_into("Notes:", "fairy")
                p.press("Add")
                harness.wait_for("row added", lambda: len(p.rows()) == 2)
                way(p)
                self.assertEqual(p.wait_exit(), 0)
                added = ["Lights", "", "", "", "", "", "", "fairy"]
                self.assertEqual(read(p.path("hv.dat")), data_file([added] + ROWS[:1]))

    def test_without_a_data_file_an_empty_one_is_left(self):
        p = self.start()
        escape(p)
        self.assertEqual(p.wait_exit(), 0)
        self.assertTrue(os.path.exists(p.path("hv.dat")))
        self.assertEqual(read(p.path("hv.dat")), b"")


if __name__ == "__main__":
    harness.main()
