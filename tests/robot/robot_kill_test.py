"""The robot killed with SIGKILL while uploads of one call go on: the call's
log is one whole version sent, every version kept is whole, every accepted
row's version is in the history, and the next start names each difference.

Usage: robot_kill_test.py ZVK_SCORE SAMPLE_LOG"""

import glob
import hashlib
import os
import re
import signal
import sqlite3
import subprocess
import sys
import tempfile
import threading
import unittest
import urllib.error
import urllib.request

ZVK_SCORE, SAMPLE_LOG = sys.argv[1], sys.argv[2]
UPLOADS = 40
KILL_AFTER = 5  # receipts
KNOWN_DIFFERENCES = re.compile(
    r"zvk-score serve: \S+: (a version no receipt names|not the latest version of Q1ZVK "
    r"\(receipt \S+\)|left half-written by a stop during an upload)$")


def versions():
    """Two versions of one log, each about 1 MB, so that a kill finds one in flight."""
    with open(SAMPLE_LOG, "rb") as log:
        text = log.read()
    header, qsos = text.split(b"QSO:", 1)
    body = b"QSO:" + qsos.replace(b"END-OF-LOG:", b"")
    return [header + body * 100 + b"SOAPBOX: version %d\nEND-OF-LOG:\n" % n for n in (1, 2)]


def start_robot():
    robot = subprocess.Popen([ZVK_SCORE, "serve", "--listen", "127.0.0.1:0"],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    port = re.search(r":(\d+)/$", robot.stdout.readline().strip()).group(1)
    return robot, "http://127.0.0.1:%s/upload" % port


def upload(url, log):
    """Sends `log` as the form does: multipart, as a file."""
    boundary = b"----robot-kill-test"
    data = (b"--" + boundary + b'\r\nContent-Disposition: form-data; name="log"; '
            b'filename="q1zvk.log"\r\nContent-Type: text/plain\r\n\r\n' + log +
            b"\r\n--" + boundary + b"--\r\n")
    request = urllib.request.Request(url, data, {
        "Content-Type": "multipart/form-data; boundary=" + boundary.decode()})
    try:
        with urllib.request.urlopen(request, timeout=60) as answer:
            return answer.status
    except (urllib.error.URLError, ConnectionError, OSError):
        return None


class KilledRobotTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)

    def tearDown(self):
        os.chdir("/")
        self.folder.cleanup()

    def test_kill_during_uploads_leaves_whole_versions(self):
        sent = versions()
        robot, url = start_robot()
        receipts = threading.Semaphore(0)

        def keep_sending():
            for n in range(UPLOADS):
                if upload(url, sent[n % 2]) == 200:
                    receipts.release()

        sender = threading.Thread(target=keep_sending)
        sender.start()
        for _ in range(KILL_AFTER):
            self.assertTrue(receipts.acquire(timeout=120))
        robot.send_signal(signal.SIGKILL)
        robot.wait()
        sender.join()
        robot.stdout.close()
        robot.stderr.close()

        with open("received/Q1ZVK.log", "rb") as log:
            self.assertIn(log.read(), sent)
        digests = {hashlib.sha256(version).hexdigest() for version in sent}
        for path in glob.glob("received/.history/*"):
            with open(path, "rb") as version:
                self.assertIn(hashlib.sha256(version.read()).hexdigest(), digests)
        with sqlite3.connect("received/.submissions.sqlite") as db:
            rows = db.execute("SELECT receipt, sha256 FROM submissions").fetchall()
        self.assertGreaterEqual(len(rows), KILL_AFTER)
        for receipt, digest in rows:
            with open("received/.history/%s.log" % receipt, "rb") as version:
                self.assertEqual(hashlib.sha256(version.read()).hexdigest(), digest)

        restarted, _ = start_robot()
        restarted.send_signal(signal.SIGTERM)
        _, notices = restarted.communicate(timeout=60)
        for line in notices.splitlines():
            self.assertRegex(line, KNOWN_DIFFERENCES)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
