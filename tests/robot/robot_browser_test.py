"""The log robot in a real browser: a person opens the form, chooses a log
file, checks it on the review page, sends it and lands on the receipt's page,
which a reload shows again without sending the log again; a broken log shows
its lines' errors, each line as sent; a wrong category is chosen again on the
review page and the log kept carries it. The organiser logs in on a 1280x800
screen, sees each row's Download button, cross-checks into a preview, and
publishes it after confirming, as the deadline is still ahead. Then the robot
stops on SIGTERM.

Usage: robot_browser_test.py ZVK_SCORE SAMPLE_LOG
Exits 77 (skipped) when chromium, its driver or Selenium is not installed."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

try:
    from selenium import webdriver
except ImportError:
    # Debian's package, when another Python runs the tests.
    sys.path.append("/usr/lib/python3/dist-packages")
    try:
        from selenium import webdriver
    except ImportError:
        sys.exit(77)
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.ui import Select, WebDriverWait

ZVK_SCORE, SAMPLE_LOG = sys.argv[1], sys.argv[2]
CHROMIUM, DRIVER = shutil.which("chromium"), shutil.which("chromedriver")
WAIT_SECONDS = 60
KEY = "organiser secret"
BROKEN_LOG = ("START-OF-LOG: 3.0\n"
              "CALLSIGN: Q1ZVK\n"
              "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n"
              "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417  Q4WZ 599 902\n"
              "QSO: 14022 CW 2025-11-29 25:03 Q1ZVK 599 417 <b>Q4WZ 599 902\n"
              "END-OF-LOG:\n")
WRONG_CATEGORY_LOG = ("START-OF-LOG: 3.0\n"
                      "CALLSIGN: Q1ZVK\n"
                      "CATEGORY-OPERATOR: SINGLE-OP <b>bold</b>\n"
                      "SOAPBOX: 73 & thanks\n"
                      "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n"
                      "END-OF-LOG:\n")


def start_robot():
    with open("organiser.key", "w") as key:
        key.write(KEY + "\n")
    robot = subprocess.Popen([ZVK_SCORE, "serve", "--listen", "127.0.0.1:0", "--deadline",
                              "2099-01-01", "--organiser-key-file", "organiser.key"],
                             stdout=subprocess.PIPE, text=True)
    port = re.search(r":(\d+)/$", robot.stdout.readline().strip()).group(1)
    return robot, "http://127.0.0.1:%s/" % port


def start_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--window-size=1280,800",
                 "--disable-background-networking", "--disable-component-update"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(DRIVER), options=options)


def details(driver):
    """The page's label: value pairs."""
    labels = [dt.text for dt in driver.find_elements(By.TAG_NAME, "dt")]
    return dict(zip(labels, [dd.text for dd in driver.find_elements(By.TAG_NAME, "dd")]))


class RobotInBrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        os.chdir(cls.folder.name)
        cls.robot, cls.url = start_robot()
        cls.driver = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        if cls.robot.poll() is None:
            cls.robot.kill()
        os.chdir("/")
        cls.folder.cleanup()

    def wait_for(self, heading):
        WebDriverWait(self.driver, WAIT_SECONDS).until(
            expected_conditions.text_to_be_present_in_element((By.TAG_NAME, "h1"), heading))

    def review_file(self, path):
        self.driver.get(self.url)
        self.driver.find_element(By.ID, "log").send_keys(os.path.abspath(path))
        self.driver.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
        self.wait_for("Check your log")

    def send_file(self, path, heading):
        self.review_file(path)
        self.driver.find_element(By.CSS_SELECTOR, "#header button[type=submit]").click()
        self.wait_for(heading)

    def press(self, label, heading):
        self.driver.find_element(By.XPATH, "//button[text()='%s']" % label).click()
        self.wait_for(heading)

    def test_1_chosen_file_gets_a_receipt_that_a_reload_shows_again(self):
        self.send_file(SAMPLE_LOG, "Log received")
        shown = details(self.driver)
        self.assertTrue(self.driver.current_url.endswith("/receipt/" + shown["Receipt"]))
        self.driver.refresh()
        self.assertEqual(details(self.driver), shown)
        self.assertEqual(os.listdir("received/.history"), [shown["Receipt"] + ".log"])
        self.assertEqual(shown["Contest"], "ZVK-CW-CONTEST")
        self.assertEqual(shown["Call"], "Q1ZVK")
        self.assertEqual(shown["QSOs"], "150")
        self.assertEqual(shown["CLAIMED-SCORE in the log"], "491")
        with open(SAMPLE_LOG, "rb") as sent, \
                open("received/.history/%s.log" % shown["Receipt"], "rb") as kept:
            self.assertEqual(kept.read(), sent.read())

    def test_2_broken_log_shows_each_line_and_its_error(self):
        with open("broken.cbr", "w") as log:
            log.write(BROKEN_LOG)
        self.send_file("broken.cbr", "Log not accepted")
        rows = [[cell.text for cell in row.find_elements(By.TAG_NAME, "td")]
                for row in self.driver.find_elements(By.CSS_SELECTOR, "table.problems tbody tr")]
        self.assertEqual(rows, [
            ["4", 'frequency: "14x22" is not a frequency in kHz',
             "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417  Q4WZ 599 902"],
            ["5", 'time: "25:03" is not a time (HHMM)',
             "QSO: 14022 CW 2025-11-29 25:03 Q1ZVK 599 417 <b>Q4WZ 599 902"]])

    def test_3_organiser_previews_then_publishes(self):
        self.driver.get(self.url + "organiser")
        self.driver.find_element(By.ID, "key").send_keys(KEY)
        self.press("Open", "Organiser")
        self.assertNotIn(KEY, self.driver.page_source)
        button = self.driver.find_element(By.XPATH, "//button[text()='Download']")
        # In view without scrolling sideways, neither the page nor the table.
        self.assertTrue(self.driver.execute_script(
            "const box = arguments[0].getBoundingClientRect();"
            "const table = arguments[0].closest('.wide').getBoundingClientRect();"
            "return box.left >= table.left && box.right <= table.right"
            " && box.right <= window.innerWidth;", button))
        self.assertLessEqual(self.driver.execute_script(
            "return document.documentElement.scrollWidth;"), 1280)
        self.press("Cross-check the logs received into a preview", "Preview ready")
        self.driver.find_element(By.LINK_TEXT, "The preview, seen by the organiser only").click()
        self.assertIn("Q1ZVK", self.driver.page_source)
        self.driver.get(self.url + "results/")
        self.assertNotIn("Q1ZVK", self.driver.page_source)
        self.driver.get(self.url + "organiser")
        self.press("Publish the preview", "Publish before the deadline?")
        self.press("Publish now, before the deadline", "Results published")
        self.driver.find_element(By.LINK_TEXT, "The results published").click()
        self.assertIn("Q1ZVK", self.driver.page_source)

    def test_4_wrong_category_is_chosen_again_on_the_review_page(self):
        with open("soapbox.cbr", "w") as log:
            log.write(WRONG_CATEGORY_LOG)
        self.review_file("soapbox.cbr")
        problems = [row.find_elements(By.TAG_NAME, "td")[1].text for row in
                    self.driver.find_elements(By.CSS_SELECTOR, "table.problems tbody tr")]
        self.assertEqual(problems, ['CATEGORY-OPERATOR: "SINGLE-OP <b>bold</b>" is not one of '
                                    "SINGLE-OP, MULTI-OP, MULTI-ONE, CHECKLOG"])
        operator = Select(self.driver.find_element(By.ID, "CATEGORY-OPERATOR"))
        self.assertEqual([option.text for option in operator.options],
                         ["(none)", "SINGLE-OP", "MULTI-OP", "MULTI-ONE", "CHECKLOG"])
        self.assertEqual(operator.first_selected_option.text, "(none)")
        operator.select_by_visible_text("SINGLE-OP")
        Select(self.driver.find_element(By.ID, "CATEGORY-POWER")).select_by_visible_text("QRP")
        self.driver.find_element(By.ID, "CLUB").send_keys("Q Club")
        self.driver.find_element(By.CSS_SELECTOR, "#header button[type=submit]").click()
        self.wait_for("Log received")
        receipt = details(self.driver)["Receipt"]
        self.assertEqual(details(self.driver)["Category"], "SINGLE-OP QRP")
        with open("received/Q1ZVK.log") as kept:
            self.assertEqual(kept.read(), (
                "START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\nCATEGORY-OPERATOR: SINGLE-OP\n"
                "CATEGORY-POWER: QRP\nCLUB: Q Club\nSOAPBOX: 73 & thanks\n"
                "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\nEND-OF-LOG:\n"))
        with open("received/.history/%s.sent.log" % receipt) as sent:
            self.assertEqual(sent.read(), WRONG_CATEGORY_LOG)

    def test_5_robot_stops_on_sigterm(self):
        self.robot.send_signal(signal.SIGTERM)
        self.assertEqual(self.robot.wait(timeout=WAIT_SECONDS), 0)


if __name__ == "__main__":
    if not CHROMIUM or not DRIVER:
        sys.exit(77)
    unittest.main(argv=sys.argv[:1])
