"""The cross-check's pages in a real browser: the index's numbers are
results.json's, each call leads to its entrant's page, which holds his
report's lines, and texts from the logs stay text.

Usage: contest_pages_browser_test.py ZVK_SCORE
Exits 77 (skipped) when chromium is not installed."""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

import browser

ZVK_SCORE = sys.argv[1]
HOSTILE_TEXT = "<b>HIGH</b> & co"
# Call: (exchange sent, QSOs as (kHz, time, call, exchange received)): a
# busted call, a station without a log, and a category and a club that are
# markup: the category is refused, the club shown as text.
LOGS = {
    "Q1AAA": ("417", [("3524", "1200", "Q2BBB", "NM"), ("7024", "1230", "Q3CCC", "624"),
                      ("14022", "1300", "Q9XYZ", "NM"), ("14030", "1330", "Q2BBC", "NM")]),
    "Q2BBB": ("NM", [("3524", "1201", "Q1AAA", "417"), ("7030", "1235", "Q3CCC", "624"),
                     ("14030", "1330", "Q1AAA", "417")]),
    "Q3CCC": ("624", [("7024", "1230", "Q1AAA", "417"), ("7030", "1235", "Q2BBB", "NM"),
                      ("21040", "1400", "Q9XYZ", "NM")]),
}


def write_log(call, sent, qsos):
    power = HOSTILE_TEXT if call == "Q3CCC" else "LOW"
    lines = ["START-OF-LOG: 3.0", "CALLSIGN: " + call, "CATEGORY-OPERATOR: SINGLE-OP",
             "CATEGORY-POWER: " + power, "CLUB: " + HOSTILE_TEXT, "CLAIMED-SCORE: 10"]
    lines += ["QSO: %5s CW 2025-11-29 %s %-13s 599 %-6s %-13s 599 %s" % (khz, time, call, sent,
                                                                        worked, rcvd)
              for khz, time, worked, rcvd in qsos]
    with open(call.lower() + ".cbr", "w") as log:
        log.write("\n".join(lines + ["END-OF-LOG:", ""]))
    return call.lower() + ".cbr"


class ContestPagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        os.chdir(cls.folder.name)
        files = [write_log(call, *log) for call, log in LOGS.items()]
        subprocess.run([ZVK_SCORE, "crosscheck", "--out", "out", *files], check=True,
                       capture_output=True)
        with open("out/results.json") as results:
            cls.results = json.load(results)
        cls.index = browser.load_dom("out/index.html")

    @classmethod
    def tearDownClass(cls):
        os.chdir("/")
        cls.folder.cleanup()

    def test_index_numbers_are_the_json_results(self):
        shown = []
        for section in self.index.find_all("section", **{"class": "category"}):
            category = section.find("h2").text()
            shown += [[category] + row for row in browser.table_rows(section.find("table"))]
        expected = [[" ".join(e["category"].values()), str(e["place"]), e["call"],
                     str(e["claimedScore"]), str(e["checkedScore"]), str(e["qsosConfirmed"]),
                     "%.1f" % e["errorRate"]] for e in self.results["entrants"]]
        self.assertEqual(shown, expected)
        self.assertEqual(sorted(row[0] for row in shown), ["SINGLE-OP", "SINGLE-OP LOW",
                                                           "SINGLE-OP LOW"])
        self.assertEqual(self.index.find_all("b") + self.index.find_all("script"), [])

    def test_each_call_links_to_its_page_with_the_report_lines(self):
        for link in self.index.find("main").find_all("a"):
            with self.subTest(call=link.text()):
                page = browser.load_dom(os.path.join("out", link.attrs["href"]))
                with open("out/reports/%s.txt" % link.text()) as report:
                    text = report.read()
                lost = page.find_all("table", id="lost-qsos")
                rows = browser.table_rows(lost[0]) if lost else []
                counted = re.search(r"judged by hand: (\d+)", text)
                self.assertIsNotNone(counted, text)
                self.assertEqual(len(rows), int(counted.group(1)))
                self.assertEqual([dd.text() for dd in page.find("section", id="station")
                                  .find_all("dd")], [HOSTILE_TEXT])
                self.assertEqual(page.find_all("b"), [])
                for code in (code for table in lost for code in table.find_all("code")):
                    self.assertIn(code.text().split("  ", 1)[1], text)
                confirmed = page.find_all("figure")[1]
                entrant = next(e for e in self.results["entrants"] if e["call"] == link.text())
                self.assertEqual(browser.table_rows(confirmed),
                                 [[b["band"], str(b["confirmed"])] for b in entrant["bands"]])

    def test_screenshots_are_not_blank(self):
        for page in ("out/index.html", "out/entrants/Q1AAA.html"):
            with self.subTest(page=page):
                pixels = browser.screenshot_pixels(page, "800,900")
                self.assertGreater(len(set(pixels)), 30)
                self.assertGreater(sum(p != (255, 255, 255) for p in pixels) / len(pixels), 0.02)


if __name__ == "__main__":
    if browser.CHROMIUM is None:
        print("SKIPPED: chromium is not installed (scripts/install-deps.sh installs it)")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1])
