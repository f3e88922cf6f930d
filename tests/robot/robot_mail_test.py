"""Receipts mailed through an SMTP relay the test runs on loopback: the mail
carries the receipt's facts to the log's EMAIL: address and nowhere else; with
the relay down a log is still kept and receipted at once, the organiser page
shows the mail waiting with its error (a relay that never answers holds no
upload back), and it goes out once the relay is back,
also after the robot was restarted in between (a stop does not wait for a
hung relay).

Usage: robot_mail_test.py ZVK_SCORE SAMPLE_LOG
Exits 77 (skipped) when aiosmtpd is not installed."""

import email
import email.policy
import html
import os
import queue
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

try:
    from aiosmtpd.controller import Controller
except ImportError:
    print("aiosmtpd is not installed (Debian: python3-aiosmtpd)", file=sys.stderr)
    sys.exit(77)

ZVK_SCORE, SAMPLE_LOG = sys.argv[1], sys.argv[2]
WAIT = 60  # seconds: the bound on every wait of this test
KEY = "mail-test-key"
SENDER = "robot@zvk.example.org"


class Inbox:
    """aiosmtpd's handler: every message received, with its recipients."""

    def __init__(self):
        self.messages = queue.Queue()

    async def handle_DATA(self, server, session, envelope):
        self.messages.put((envelope.rcpt_tos, envelope.content))
        return "250 OK"

    def next(self):
        recipients, content = self.messages.get(timeout=WAIT)
        return recipients, email.message_from_bytes(content, policy=email.policy.default)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def log_with(email_line):
    with open(SAMPLE_LOG, "rb") as log:
        text = log.read()
    return text.replace(b"CLUB:", email_line + b"\nCLUB:", 1) if email_line else text


class Robot:
    def __init__(self, relay_port):
        self.process = subprocess.Popen(
            [ZVK_SCORE, "serve", "--listen", "127.0.0.1:0", "--organiser-key-file", "key",
             "--smtp-url", "smtp://127.0.0.1:%d" % relay_port, "--mail-from", SENDER],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        line = self.process.stdout.readline().strip()
        self.url = "http://127.0.0.1:%s" % re.search(r":(\d+)/$", line).group(1)

    def upload(self, log):
        """The receipt page of `log`, sent as the form sends it, and how long it took."""
        boundary = b"----robot-mail-test"
        data = (b"--" + boundary + b'\r\nContent-Disposition: form-data; name="log"; '
                b'filename="q1zvk.log"\r\nContent-Type: text/plain\r\n\r\n' + log +
                b"\r\n--" + boundary + b"--\r\n")
        request = urllib.request.Request(self.url + "/upload", data, {
            "Content-Type": "multipart/form-data; boundary=" + boundary.decode()})
        started = time.monotonic()
        with urllib.request.urlopen(request, timeout=WAIT) as answer:
            return html.unescape(answer.read().decode()), time.monotonic() - started

    def organiser_page(self):
        request = urllib.request.Request(self.url + "/organiser", headers={
            "X-Organiser-Key": KEY})
        with urllib.request.urlopen(request, timeout=WAIT) as answer:
            return html.unescape(answer.read().decode())

    def wait_for_page(self, pattern):
        give_up = time.monotonic() + WAIT
        while time.monotonic() < give_up:
            page = self.organiser_page()
            if re.search(pattern, page):
                return page
            time.sleep(0.2)
        raise AssertionError("the organiser page never showed " + pattern + "\n" + page)

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            return self.process.wait(timeout=WAIT)
        finally:
            if self.process.poll() is None:
                self.process.kill()
                self.process.wait()
            self.process.stdout.close()


def receipt_of(page):
    return re.search(r"<dt>Receipt</dt><dd>([^<]+)</dd>", page).group(1)


class RobotMailTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)
        with open("key", "w") as key:
            key.write(KEY + "\n")
        self.port = free_port()
        self.inbox = Inbox()
        self.relay = None
        self.robots = []

    def tearDown(self):
        for robot in self.robots:
            if robot.process.poll() is None:
                robot.stop()
        self.stop_relay()
        os.chdir("/")
        self.folder.cleanup()

    def start_relay(self):
        self.relay = Controller(self.inbox, hostname="127.0.0.1", port=self.port)
        self.relay.start()

    def stop_relay(self):
        if self.relay:
            self.relay.stop()
            self.relay = None

    def start_robot(self):
        robot = Robot(self.port)
        self.robots.append(robot)
        return robot

    def test_receipt_mailed_to_the_logs_address_only(self):
        self.start_relay()
        robot = self.start_robot()
        refusals = {
            None: "none sent: the log has no EMAIL: line",
            b"EMAIL: ann@example.org, bob@example.org":
                'none sent: EMAIL: "ann@example.org, bob@example.org" is not one e-mail address',
        }
        for line, note in refusals.items():
            page, _ = robot.upload(log_with(line))
            self.assertIn("<dt>E-mail</dt><dd>%s</dd>" % note, page)
        page, _ = robot.upload(log_with(b"EMAIL: ann@example.org"))
        receipt = receipt_of(page)
        recipients, message = self.inbox.next()
        self.assertEqual(recipients, ["ann@example.org"])
        self.assertEqual(message["To"], "ann@example.org")
        self.assertEqual(message["From"], SENDER)
        self.assertEqual(message["Subject"],
                         "ZVK-CW-CONTEST: log of Q1ZVK received, receipt " + receipt)
        self.assertEqual(message["Message-ID"], "<%s.receipt@zvk.example.org>" % receipt)
        body = message.get_content().replace("\r\n", "\n")
        self.assertTrue(body.startswith("Log received. Keep the receipt code.\n\n"), body)
        details = re.findall(r"^(\S[^:\n]*): (.*)$", body, re.MULTILINE)
        self.assertEqual([label for label, _ in details][:3], ["Contest", "Receipt", "Received"])
        for label, value in details:
            self.assertIn("<dt>%s</dt><dd>%s</dd>" % (label, value), page)
        self.assertIn("E-mail: a copy of this receipt is mailed to ann@example.org\n", body)
        robot.wait_for_page(r"Receipts mailed \(1 sent, 0 waiting, 0 failed\)")
        self.assertEqual(robot.stop(), 0)
        self.assertTrue(self.inbox.messages.empty())

    def silent_relay(self):
        """A relay that takes connections and never answers, as a hung one does."""
        silent = socket.socket()
        silent.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        silent.bind(("127.0.0.1", self.port))
        silent.listen()
        return silent

    def test_relay_down_keeps_the_log_and_mails_it_later(self):
        silent = self.silent_relay()
        robot = self.start_robot()
        page, seconds = robot.upload(log_with(b"EMAIL: ann@example.org"))
        first = receipt_of(page)
        self.assertLess(seconds, 10)
        self.assertTrue(os.path.exists("received/.history/%s.log" % first))
        silent.close()  # the connection waiting on it is reset: the attempt fails
        robot.wait_for_page(r"<td>%s</td><td>ann@example.org</td><td>waiting</td>"
                            r"<td class=\"n\">[1-9]</td><td>next try [^<]+</td><td>[^<]+</td>"
                            % first)
        self.start_relay()
        self.assertIn("receipt " + first, self.inbox.next()[1]["Subject"])
        robot.wait_for_page(r"<td>%s</td><td>ann@example.org</td><td>sent</td>" % first)

        self.stop_relay()
        silent = self.silent_relay()
        second = receipt_of(robot.upload(log_with(b"EMAIL: bob@example.org"))[0])
        robot.wait_for_page(r"<td>%s</td><td>bob@example.org</td><td>waiting</td>" % second)
        # A stop gives up the mail the hung relay holds, long before its timeout.
        started = time.monotonic()
        self.assertEqual(robot.stop(), 0)
        self.assertLess(time.monotonic() - started, 10)
        silent.close()
        self.start_relay()
        restarted = self.start_robot()
        recipients, message = self.inbox.next()
        self.assertEqual(recipients, ["bob@example.org"])
        self.assertIn("receipt " + second, message["Subject"])
        restarted.wait_for_page(r"Receipts mailed \(2 sent, 0 waiting, 0 failed\)")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
