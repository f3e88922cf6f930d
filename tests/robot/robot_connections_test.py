"""The robot under slow, idle and stopping connections: slow clients hold no
new request back, a stop right after the start is kept, and a stop answers
every upload already sent.

Usage: robot_connections_test.py ZVK_SCORE SAMPLE_LOG"""

import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

ZVK_SCORE, SAMPLE_LOG = sys.argv[1], sys.argv[2]
SLOW_CLIENTS = 32
STARTS = 40
UPLOADS_IN_FLIGHT = 12
WAIT = 30  # seconds: the bound on every wait of this test


def start_robot():
    robot = subprocess.Popen([ZVK_SCORE, "serve", "--listen", "127.0.0.1:0"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    port = int(re.search(r":(\d+)/$", robot.stdout.readline().strip()).group(1))
    return robot, port


def stop_robot(robot):
    if robot.poll() is None:
        robot.send_signal(signal.SIGTERM)
    try:
        return robot.wait(timeout=WAIT)
    finally:
        if robot.poll() is None:
            robot.kill()
            robot.wait()
        robot.stdout.close()


def read_answer(connection):
    """The status line of the answer on `connection`, empty when it closed with none."""
    connection.settimeout(WAIT)
    answer = b""
    try:
        while b"\r\n" not in answer:
            chunk = connection.recv(4096)
            if not chunk:
                break
            answer += chunk
    except OSError:
        pass
    return answer.split(b"\r\n", 1)[0].decode(errors="replace")


def get_front_page(port):
    with socket.create_connection(("127.0.0.1", port), timeout=WAIT) as connection:
        connection.sendall(b"GET / HTTP/1.1\r\nHost: robot\r\nConnection: close\r\n\r\n")
        return read_answer(connection)


def upload_request(log):
    boundary = b"----robot-connections-test"
    body = (b"--" + boundary + b'\r\nContent-Disposition: form-data; name="log"; '
            b'filename="q1zvk.log"\r\nContent-Type: text/plain\r\n\r\n' + log +
            b"\r\n--" + boundary + b"--\r\n")
    head = ("POST /upload HTTP/1.1\r\nHost: robot\r\nConnection: close\r\n"
            "Content-Type: multipart/form-data; boundary=%s\r\nContent-Length: %d\r\n\r\n"
            % (boundary.decode(), len(body)))
    return head.encode() + body


class RobotConnectionsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)

    def tearDown(self):
        os.chdir("/")
        self.folder.cleanup()

    def test_slow_clients_hold_no_new_request_back(self):
        robot, port = start_robot()
        stop = threading.Event()
        slow = [socket.create_connection(("127.0.0.1", port), timeout=WAIT)
                for _ in range(SLOW_CLIENTS)]

        def trickle():
            n = 0
            while not stop.wait(0.5):
                for connection in slow:
                    try:
                        connection.sendall(b"X-Slow-%d: 1\r\n" % n)
                    except OSError:
                        pass
                n += 1

        trickler = threading.Thread(target=trickle)
        trickler.start()
        try:
            time.sleep(1)  # every slow client has sent a request line and headers by now
            started = time.monotonic()
            self.assertEqual(get_front_page(port), "HTTP/1.1 200 OK")
            # Generous for a busy machine; with too few workers it waits for the slow ones.
            self.assertLess(time.monotonic() - started, 5)
        finally:
            stop.set()
            trickler.join()
            for connection in slow:
                connection.close()
            self.assertEqual(stop_robot(robot), 0)

    def test_stop_right_after_start_is_kept(self):
        for _ in range(STARTS):
            robot, _ = start_robot()
            self.assertEqual(stop_robot(robot), 0)

    def test_stop_answers_every_upload_already_sent(self):
        with open(SAMPLE_LOG, "rb") as log:
            header, qsos = log.read().split(b"QSO:", 1)
        body = b"QSO:" + qsos.replace(b"END-OF-LOG:", b"")
        robot, port = start_robot()
        connections = []
        for n in range(UPLOADS_IN_FLIGHT):
            text = header.replace(b"Q1ZVK", b"Q%dZVK" % (n % 10)) + body * 20 + b"END-OF-LOG:\n"
            connection = socket.create_connection(("127.0.0.1", port), timeout=WAIT)
            connection.sendall(upload_request(text))
            connections.append(connection)
        robot.send_signal(signal.SIGTERM)
        answers = [read_answer(connection) for connection in connections]
        for connection in connections:
            connection.close()
        self.assertEqual(stop_robot(robot), 0)
        self.assertEqual(answers, ["HTTP/1.1 303 See Other"] * UPLOADS_IN_FLIGHT)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
