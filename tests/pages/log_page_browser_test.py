"""The page of `zvk-score --html` in a real browser: its numbers are the
JSON's, texts from a log stay text, and it draws something.

Usage: log_page_browser_test.py ZVK_SCORE STATS_LIBRARY EXAMPLES_DIR
Exits 77 (skipped) when chromium is not installed."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

import browser

ZVK_SCORE, STATS_LIBRARY, EXAMPLES = sys.argv[1:4]
SAMPLE = os.path.join(EXAMPLES, "zvk-sample.cbr")
HOSTILE = "<script>alert(1)</script> & Co"
HOSTILE_LOG = """START-OF-LOG: 3.0
CALLSIGN: Q1ZVK
CATEGORY-OPERATOR: SINGLE-OP
NAME: {hostile}
SOAPBOX: first & <b>second</b>
SOAPBOX: {hostile}
QSO:  3524 CW 2025-11-29 1200 Q1ZVK         599 417    Q8XB          599 NM
QSO: 14285 PH 2025-11-29 1300 Q1ZVK         59  417    <script>alert(1)</script> 59 3&4
END-OF-LOG:
""".format(hostile=HOSTILE)


def score(*arguments):
    done = subprocess.run([ZVK_SCORE, "--plugin", STATS_LIBRARY, *arguments],
                          capture_output=True, text=True, stdin=subprocess.DEVNULL, check=True)
    return done.stdout


def station(dom):
    """The station's details, label to value."""
    details = dom.find("dl", **{"class": "station"})
    cells = [c.text() for c in details.children if isinstance(c, browser.Element)]
    return dict(zip(cells[0::2], cells[1::2]))


class LogPageTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)

    def tearDown(self):
        os.chdir("/")
        self.folder.cleanup()

    def test_numbers_are_the_json_result(self):
        result = json.loads(score("--json", "--html", "page.html", "--out", "out", SAMPLE))
        dom = browser.load_dom("page.html")
        bands = dom.find("table", id="bands")
        self.assertEqual(browser.table_rows(bands), [
            [b["band"], str(b["qsos"]), str(b["points"]), str(b["members"])]
            for b in result["bands"]])
        total = result["total"]
        self.assertEqual(browser.table_rows(bands, "tfoot"), [
            ["Total", str(total["qsos"]), str(total["points"]), str(total["members"])]])
        self.assertEqual(dom.find(id="claimed-score").text(), str(result["claimedScore"]))
        self.assertEqual(browser.table_rows(dom.find("table", id="ubn-counts")), [
            [reason, str(len(lines))] for reason, lines in result["ubn"]["lines"].items()])
        rate, growth = dom.find_all("figure")
        with open(SAMPLE) as log:
            logged = sum(line.startswith("QSO:") for line in log)
        self.assertEqual(sum(int(row[-1]) for row in browser.table_rows(rate)), logged)
        self.assertEqual(browser.table_rows(growth)[-1][1], str(result["claimedScore"]))

    def test_texts_from_the_log_and_settings_stay_text(self):
        with open("hostile.cbr", "w") as log:
            log.write(HOSTILE_LOG)
        os.makedirs("settings/Plugins")
        with open("settings/Plugins/ZVK-CW.ini", "w") as ini:
            ini.write("[Settings]\nName=%s\nSoapBox=a & b<CR><LF>%s\n" % (HOSTILE, HOSTILE))
        adif = os.path.join(EXAMPLES, "zvk-sample.adi")
        cases = [("hostile.cbr", "cabrillo", HOSTILE, "first & <b>second</b>\n" + HOSTILE),
                 (adif, "settings", HOSTILE, "a & b\n" + HOSTILE)]
        for log, out, name, soapbox in cases:
            with self.subTest(log=log):
                score("--html", out + ".html", "--out", out, log)
                dom = browser.load_dom(out + ".html")
                self.assertEqual(dom.find_all("script"), [])
                self.assertEqual(dom.find_all("b"), [])
                self.assertEqual((station(dom)["Name"], station(dom)["Soapbox"]), (name, soapbox))
        dom = browser.load_dom("cabrillo.html")
        rejected = "".join(pre.text() for pre in dom.find_all("pre"))
        self.assertIn("<script>alert(1)</script>  59  3&4   NO CONTEST MODE !!!", rejected)

    def test_a_page_that_cannot_be_written_is_a_clear_error_and_leaves_nothing(self):
        done = subprocess.run([ZVK_SCORE, "--plugin", STATS_LIBRARY, "--html", "missing/page.html",
                               "--out", "out", SAMPLE], capture_output=True, text=True)
        self.assertEqual(done.returncode, 3)
        self.assertIn("missing/page.html: cannot write the page: No such file or directory",
                      done.stderr)
        self.assertFalse(os.path.exists("missing"))

    def test_screenshot_shows_the_charts(self):
        score("--html", "page.html", "--out", "out", SAMPLE)
        pixels = browser.screenshot_pixels("page.html")
        coloured = sum(1 for r, g, b in pixels if max(r, g, b) - min(r, g, b) > 60)
        self.assertGreater(len(set(pixels)), 50)
        self.assertGreater(coloured / len(pixels), 0.03)


if __name__ == "__main__":
    if browser.CHROMIUM is None:
        print("SKIPPED: chromium is not installed (scripts/install-deps.sh installs it)")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1])
