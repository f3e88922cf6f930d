"""Headless Chromium for the page tests: the DOM a page loads into, its
screenshot, and a small reader of both (standard library only)."""

import html.parser
import os
import shutil
import struct
import subprocess
import tempfile
import zlib

CHROMIUM = shutil.which("chromium")
# No network, no profile of its own, nothing kept: each run starts afresh.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
VOID = {"meta", "link", "br", "hr", "img", "input", "area", "base", "col", "embed", "source",
        "track", "wbr"}


def run_chromium(*arguments):
    with tempfile.TemporaryDirectory() as profile:
        done = subprocess.run([CHROMIUM, *FLAGS, "--user-data-dir=" + profile, *arguments],
                              capture_output=True, text=True, timeout=120, check=True)
    return done.stdout


def file_url(path):
    return "file://" + os.path.abspath(path)


class Element:
    def __init__(self, tag, attrs):
        self.tag, self.attrs, self.children = tag, dict(attrs), []

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def find_all(self, tag=None, **attrs):
        found = []
        for child in self.children:
            if isinstance(child, Element):
                if (tag is None or child.tag == tag) and all(
                        child.attrs.get(k.replace("_", "-")) == v for k, v in attrs.items()):
                    found.append(child)
                found.extend(child.find_all(tag, **attrs))
        return found

    def find(self, tag=None, **attrs):
        found = self.find_all(tag, **attrs)
        if not found:
            raise AssertionError("no <%s> with %s" % (tag, attrs))
        return found[0]


class _TreeBuilder(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Element("#document", [])
        self.stack = [self.root]

    def handle_starttag(self, tag, attrs):
        element = Element(tag, attrs)
        self.stack[-1].children.append(element)
        if tag not in VOID:
            self.stack.append(element)

    def handle_startendtag(self, tag, attrs):
        self.stack[-1].children.append(Element(tag, attrs))

    def handle_endtag(self, tag):
        while len(self.stack) > 1:
            if self.stack.pop().tag == tag:
                break

    def handle_data(self, data):
        self.stack[-1].children.append(data)


def load_dom(page):
    """The page's DOM as the browser built it."""
    builder = _TreeBuilder()
    builder.feed(run_chromium("--dump-dom", file_url(page)))
    builder.close()
    return builder.root


def table_rows(table, part="tbody"):
    """Each row of a table part as a list of its cells' texts."""
    return [[cell.text() for cell in row.children if isinstance(cell, Element)]
            for row in table.find(part).find_all("tr")]


def _unfilter(rows, stride, width):
    previous = bytearray(width)
    for kind, line in rows:
        line = bytearray(line)
        for i in range(width):
            left = line[i - stride] if i >= stride else 0
            up = previous[i]
            corner = previous[i - stride] if i >= stride else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + guess) & 255
        previous = line
        yield bytes(line)


def screenshot_pixels(page, size="1000,1400"):
    """The colours of a screenshot of the page, as (r, g, b) tuples."""
    with tempfile.TemporaryDirectory() as folder:
        shot = os.path.join(folder, "page.png")
        run_chromium("--screenshot=" + shot, "--window-size=" + size, file_url(page))
        with open(shot, "rb") as png:
            data = png.read()
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.setdefault(kind, []).append(data[at + 8:at + 8 + length])
        at += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][0][:10])
    assert depth == 8 and colour in (2, 6), "8-bit RGB or RGBA expected"
    stride = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks[b"IDAT"]))
    line = width * stride
    rows = ((raw[y * (line + 1)], raw[y * (line + 1) + 1:(y + 1) * (line + 1)])
            for y in range(height))
    pixels = []
    for row in _unfilter(rows, stride, line):
        pixels.extend(tuple(row[x:x + 3]) for x in range(0, line, stride))
    return pixels
