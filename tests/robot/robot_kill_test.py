"""The robot killed with SIGKILL inside a store: each round sends uploads of
one call and kills the robot the moment a version's scratch file appears (the
first to the fourth new one, by turns: each upload writes two). Then the call's log is one
whole version sent, every version kept is whole, every row's version is in the
history, and the next start (the next round's robot) names every file the
kill left. At least one kill must leave such a file, or none landed inside a
store.

Usage: robot_kill_test.py ZVK_SCORE SAMPLE_LOG"""

import glob
import hashlib
import os
import re
import selectors
import signal
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.error
import urllib.request

ZVK_SCORE, SAMPLE_LOG = sys.argv[1], sys.argv[2]
ROUNDS = 6
WAIT = 60  # seconds, the bound of every wait
KNOWN_DIFFERENCES = re.compile(
    r"zvk-score serve: (\S+): (a version no receipt names|not the latest version of Q1ZVK "
    r"\(receipt \S+\)|left half-written by a stop during an upload)$")
LOGS = "received"
SCRATCH = LOGS + "/.incoming"


def versions():
    """Two versions of one log, each about 1 MB, so that a store takes a while."""
    with open(SAMPLE_LOG, "rb") as log:
        text = log.read()
    header, qsos = text.split(b"QSO:", 1)
    body = b"QSO:" + qsos.replace(b"END-OF-LOG:", b"")
    return [header + body * 100 + b"SOAPBOX: version %d\nEND-OF-LOG:\n" % n for n in (1, 2)]


def digest(data):
    return hashlib.sha256(data).hexdigest()


def read(path):
    with open(path, "rb") as file:
        return file.read()


def start_robot():
    """The robot and its upload address, once it has started (bounded)."""
    robot = subprocess.Popen([ZVK_SCORE, "serve", "--listen", "127.0.0.1:0", "--logs", LOGS,
                              "--upload-burst", "1000000"],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    with selectors.DefaultSelector() as selector:
        selector.register(robot.stdout, selectors.EVENT_READ)
        if not selector.select(timeout=WAIT):
            robot.kill()
            raise AssertionError("the robot did not start within %d s" % WAIT)
    port = re.search(r":(\d+)/$", robot.stdout.readline().strip()).group(1)
    return robot, "http://127.0.0.1:%s/upload" % port


def stop_robot(robot, sig):
    """Stops `robot` with `sig` (bounded) and returns its standard error."""
    if robot.poll() is None:
        robot.send_signal(sig)
    try:
        _, errors = robot.communicate(timeout=WAIT)
    except subprocess.TimeoutExpired:
        robot.kill()
        _, errors = robot.communicate()
    return errors


def upload(url, log):
    """Sends `log` as the form does: multipart, as a file."""
    boundary = b"----robot-kill-test"
    data = (b"--" + boundary + b'\r\nContent-Disposition: form-data; name="log"; '
            b'filename="q1zvk.log"\r\nContent-Type: text/plain\r\n\r\n' + log +
            b"\r\n--" + boundary + b"--\r\n")
    request = urllib.request.Request(url, data, {
        "Content-Type": "multipart/form-data; boundary=" + boundary.decode()})
    try:
        with urllib.request.urlopen(request, timeout=WAIT) as answer:
            return answer.status
    except (urllib.error.URLError, ConnectionError, OSError):
        return None


def kill_inside_a_store(robot, url, sent, nth_file):
    """Keeps uploading until the `nth_file`-th new scratch file appears, then kills."""
    stop = threading.Event()
    earlier = set(os.listdir(SCRATCH))

    def keep_sending():
        n = 0
        while not stop.is_set() and upload(url, sent[n % 2]) is not None:
            n += 1

    sender = threading.Thread(target=keep_sending)
    sender.start()
    try:
        seen = set()
        give_up = time.monotonic() + WAIT
        while len(seen) < nth_file and time.monotonic() < give_up:
            seen.update(set(os.listdir(SCRATCH)) - earlier)
        robot.send_signal(signal.SIGKILL)
        return len(seen) >= nth_file
    finally:
        stop.set()
        sender.join(timeout=WAIT)


def leftovers(rows):
    """The files a kill left that the next start must name."""
    paths = set(glob.glob(SCRATCH + "/*"))
    named = {"%s/.history/%s.log" % (LOGS, receipt) for receipt, _ in rows}
    paths |= set(glob.glob(LOGS + "/.history/*")) - named
    if rows and os.path.exists(LOGS + "/Q1ZVK.log"):
        if digest(read(LOGS + "/Q1ZVK.log")) != rows[-1][1]:
            paths.add(LOGS + "/Q1ZVK.log")
    return paths


class KilledRobotTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)

    def tearDown(self):
        os.chdir("/")
        self.folder.cleanup()

    def check_store(self, sent):
        """What the kill left: whole versions, every row's in the history."""
        digests = {digest(version) for version in sent}
        if os.path.exists(LOGS + "/Q1ZVK.log"):
            self.assertIn(read(LOGS + "/Q1ZVK.log"), sent)
        for path in glob.glob(LOGS + "/.history/*"):
            self.assertIn(digest(read(path)), digests, path)
        with sqlite3.connect(LOGS + "/.submissions.sqlite") as db:
            rows = db.execute("SELECT receipt, sha256 FROM submissions ORDER BY rowid").fetchall()
        for receipt, sha256 in rows:
            path = "%s/.history/%s.log" % (LOGS, receipt)
            self.assertTrue(os.path.exists(path), "row %s has no version" % receipt)
            self.assertEqual(digest(read(path)), sha256)
        return rows

    def check_report(self, report, expected):
        """The start's report: known kinds only, naming every file expected."""
        named = set()
        for line in report.splitlines():
            self.assertRegex(line, KNOWN_DIFFERENCES)
            named.add(KNOWN_DIFFERENCES.match(line).group(1))
        self.assertLessEqual(expected, named)

    def test_kill_inside_stores_leaves_whole_versions_and_the_restart_names_the_rest(self):
        sent = versions()
        robots = []
        try:
            left_something = 0
            expected = set()
            for round_number in range(ROUNDS):
                robot, url = start_robot()
                robots.append(robot)
                nth_file = round_number % 4 + 1
                self.assertTrue(kill_inside_a_store(robot, url, sent, nth_file),
                                "no scratch file appeared within %d s" % WAIT)
                report = stop_robot(robot, signal.SIGKILL)
                if round_number > 0:
                    self.check_report(report, expected)
                rows = self.check_store(sent)
                expected = leftovers(rows)
                left_something += bool(expected)
            last, _ = start_robot()
            robots.append(last)
            self.check_report(stop_robot(last, signal.SIGTERM), expected)
            self.assertGreater(left_something, 0, "no kill landed inside a store")
        finally:
            for robot in robots:
                if robot.poll() is None:
                    robot.kill()
                    robot.wait(timeout=WAIT)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
