"""zvk-score serve's options reach the robot it starts: the size limit
given is the one shown on the form and the one a log is refused by.

Usage: serve_limits_test.py ZVK_SCORE"""

import os
import re
import signal
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.request

ZVK_SCORE = sys.argv[1]
LIMIT_KIB = 2
QSO_LINE = b"QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n"


def log_of(qsos):
    return b"START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\n" + QSO_LINE * qsos + b"END-OF-LOG:\n"


def post(url, log):
    """Sends `log` as the form does: multipart, as a file; the answer's status."""
    boundary = b"----serve-limits-test"
    data = (b"--" + boundary + b'\r\nContent-Disposition: form-data; name="log"; '
            b'filename="q1zvk.log"\r\nContent-Type: text/plain\r\n\r\n' + log +
            b"\r\n--" + boundary + b"--\r\n")
    request = urllib.request.Request(url + "upload", data, {
        "Content-Type": "multipart/form-data; boundary=" + boundary.decode()})
    try:
        with urllib.request.urlopen(request, timeout=60) as answer:
            return answer.status
    except urllib.error.HTTPError as error:
        return error.code


class ServeLimitsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)
        self.robot = subprocess.Popen(
            [ZVK_SCORE, "serve", "--listen", "127.0.0.1:0", "--max-log-kib", str(LIMIT_KIB)],
            stdout=subprocess.PIPE, text=True)
        port = re.search(r":(\d+)/$", self.robot.stdout.readline().strip()).group(1)
        self.url = "http://127.0.0.1:%s/" % port

    def tearDown(self):
        self.robot.send_signal(signal.SIGTERM)
        self.robot.wait(timeout=60)
        self.robot.stdout.close()
        os.chdir("/")
        self.folder.cleanup()

    def test_the_size_limit_given_is_shown_and_kept(self):
        with urllib.request.urlopen(self.url, timeout=60) as form:
            self.assertIn("At most %d KiB." % LIMIT_KIB, form.read().decode())
        largest = (LIMIT_KIB * 1024 - len(log_of(0))) // len(QSO_LINE)
        self.assertEqual(post(self.url, log_of(largest)), 200)
        self.assertEqual(post(self.url, log_of(largest + 1)), 413)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
