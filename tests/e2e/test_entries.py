"""Starting the program, adding entries and loading one back by a click."""
import os

import pyatspi

import harness
from harness import key

FIELDS = ["Item:", "Status:", "Cost:", "Date:", "Supplier:", "Supplier Contact:",
          "Supplier Contact Details:", "Notes:"]
TYPED = ["Item:", "Status:", "Cost:", "Supplier:", "Supplier Contact:",
         "Supplier Contact Details:", "Notes:"]
COLUMNS = ["Item", "Status", "Cost", "Date", "Supplier", "Supplier Contact", "Supplier Detail",
           "Notes"]


def row_of(values):
    """The table row an entry typed as {label: text} becomes."""
    return [values.get(label, "") for label in FIELDS]


class EntriesTest(harness.ProgramTest):
    def add(self, p, values):
        for label, text in values.items():
            p.type_into(label, text)
        p.press("Add")

    def test_start_shows_named_controls_and_no_entries(self):
        p = self.start()
        self.assertEqual(p.main.name, "Halvenor")
        for label in FIELDS + ["Items:"]:
            self.assertEqual(p.field(label).name, label)
        for name in ["Quit", "Add", "Update", "Remove", "Clear", "List", "Select", "Help"]:
            self.assertEqual(p.find(pyatspi.ROLE_PUSH_BUTTON, name).name, name)
        table = p.table().queryTable()
        self.assertEqual([table.getColumnHeader(c).name for c in range(table.nColumns)], COLUMNS)
        self.assertEqual(table.nRows, 0)
        self.assertEqual(p.text(p.field("Items:")), "0")
        for read_only in ["Date:", "Items:"]:
            self.assertFalse(p.field(read_only).getState().contains(pyatspi.STATE_EDITABLE),
                             read_only)
        self.assertTrue(p.field("Cost:").getState().contains(pyatspi.STATE_EDITABLE))

    def test_add_puts_entries_on_top_and_empties_the_fields(self):
        p = self.start()
        entries = [
            {"Item:": "Venue", "Status:": "Booked", "Cost:": "1200", "Supplier:": "Old Mill",
             "Supplier Contact:": "Ann Roe", "Supplier Contact Details:": "01234 567890",
             "Notes:": "Deposit paid"},
            {"Item:": "Cake", "Cost:": "85.50", "Notes:": "Lemon, três camadas"},
        ]
        expected = []
        for count, values in enumerate(entries, start=1):
            self.add(p, values)
            expected.insert(0, row_of(values))
            harness.wait_for("%d rows" % count, lambda: p.rows() == expected)
            harness.wait_for("Items shows %d" % count,
                             lambda: p.text(p.field("Items:")) == str(count))
            for label in FIELDS:
                self.assertEqual(p.text(p.field(label)), "", label)

    def test_add_without_item_shows_the_error_box_and_adds_nothing(self):
        p = self.start()
        p.type_into("Cost:", "40")
        p.press("Add")
        box = p.alert("Error")
        self.assertEqual(box.getRole(), pyatspi.ROLE_ALERT)
        self.assertIn("Name Blank.\nNo entry added.", p.alert_text(box))
        buttons = [n.name for n in harness.descendants(box) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        self.assertEqual(buttons, ["OK"])
        self.assertFalse(any(n.getRole() == pyatspi.ROLE_ICON for n in harness.descendants(box)))
        p.answer(box, "OK")
        p.no_window("Error")
        self.assertEqual(p.rows(), [])
        self.assertEqual(p.text(p.field("Cost:")), "40")

    def test_duplicate_question_no_keeps_one_yes_adds_another(self):
        p = self.start()
        first = {"Item:": "Flowers", "Supplier:": "Bloom"}
        self.add(p, first)
        harness.wait_for("first entry", lambda: len(p.rows()) == 1)
        for answer, rows in [("No", 1), ("Yes", 2)]:
            self.add(p, {"Item:": "Flowers", "Supplier:": "Bloom", "Notes:": answer})
            box = p.alert("halvenor")
            self.assertIn("This entry is already in the list.\nDo you really want to add this item?",
                          p.alert_text(box))
            buttons = sorted(n.name for n in harness.descendants(box)
                             if n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
            self.assertEqual(buttons, ["No", "Yes"])
            self.assertTrue(any(n.getRole() == pyatspi.ROLE_ICON for n in harness.descendants(box)))
            p.answer(box, answer)
            p.no_window("halvenor")
            harness.wait_for("%d rows after %s" % (rows, answer), lambda: len(p.rows()) == rows)
            if answer == "No":
                # Nothing was added: the fields keep the entry for another try.
                self.assertEqual(p.text(p.field("Notes:")), "No")
                for label in TYPED:
                    p.focus(p.field(label))
                    key("ctrl+a", "BackSpace")
        self.assertEqual(p.rows()[0], row_of({"Item:": "Flowers", "Supplier:": "Bloom",
                                              "Notes:": "Yes"}))
        self.assertEqual(p.text(p.field("Items:")), "2")

    def test_row_click_loads_the_entry_into_the_fields(self):
        p = self.start()
        entries = [{"Item:": "Band", "Cost:": "900", "Supplier:": "Jazz Trio"},
                   {"Item:": "Chairs", "Status:": "Ordered", "Notes:": "120 white"}]
        for values in entries:
            self.add(p, values)
        harness.wait_for("two rows", lambda: len(p.rows()) == 2)
        table = p.table().queryTable()
        for row, values in [(1, entries[0]), (0, entries[1])]:
            p.click_at(table.getAccessibleAt(row, 0))
            for label in FIELDS:
                harness.wait_for("%s loaded from row %d" % (label, row),
                                 lambda: p.text(p.field(label)) == values.get(label, ""))

    def test_help_asks_the_desktop_to_open_the_manual(self):
        p = self.start()
        p.press("Help")
        opened = harness.wait_for("xdg-open called", p.opened)
        self.assertEqual(opened, [os.environ["HALVENOR_HOME_PAGE"]])
        self.assertTrue(opened[0].startswith("file://"), opened[0])


if __name__ == "__main__":
    harness.main()
