#!/usr/bin/env python3
"""Parses the exported message templates with Python's email package, as a mail client
would, and checks their structure, headers, parts and texts.

usage: message_check.py EXPORT_SAMPLES
"""
import base64
import email
import email.policy
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


class Elements(html.parser.HTMLParser):
    """The elements and attributes of a page, and the text of its title."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags, self.attributes, self.title, self._in_title = [], {}, "", False
        self.styles, self._in_style = [], False

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        self.attributes.setdefault(tag, []).append(dict(attrs))
        self._in_title = tag == "title"
        self._in_style = tag == "style"

    def handle_endtag(self, tag):
        self._in_title = self._in_style = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data
        if self._in_style:
            self.styles.append(data)


def check_lines(raw, name):
    lines = raw.split(b"\r\n")
    check(b"\n" not in raw.replace(b"\r\n", b""), f"{name}: every line ends in CR LF")
    check(max(len(line) for line in lines) <= 998, f"{name}: no line over 998 bytes")


def main():
    export_samples = sys.argv[1]
    work = tempfile.mkdtemp(prefix="stationery-message-")
    try:
        subprocess.run([export_samples, work], check=True)
        picture = open(os.path.join(work, "source", "sky & sea #1.jpg"), "rb").read()

        raw = open(os.path.join(work, "message", "page.eml"), "rb").read()
        check_lines(raw, "message")
        message = email.message_from_bytes(raw, policy=email.policy.default)
        check(message.defects == [], f"message: no defects ({message.defects})")
        check(message["X-Unsent"] == "1", "message: X-Unsent: 1")
        check(message["MIME-Version"] == "1.0", "message: MIME-Version 1.0")
        check("Subject" in message and message["Subject"] == "", "message: an empty subject")
        for header in ("Date", "Message-ID", "From", "To"):
            check(header not in message, f"message: no {header} header")
        # The text and the page as alternatives, the root of a multipart/related that
        # holds the picture beside them: the one nesting Evolution's editor takes.
        check(message.get_content_type() == "multipart/related" and
              message.get_param("type") == "multipart/alternative",
              "message: multipart/related, its root the alternatives")
        alternatives, image = list(message.iter_parts())
        check(alternatives.get_content_type() == "multipart/alternative",
              "message: the alternatives first")
        text_part, page = list(alternatives.iter_parts())
        check(text_part.get_content_type() == "text/plain" and text_part.get_content_charset()
              == "utf-8", "message: a UTF-8 text part first, for the typed words")
        check(page.get_content_type() == "text/html", "message: then the page")
        check(message.get_body(("html",)) is page,
              "message: a client finds the page as the body it shows")
        check(image.get_content_type() == "image/jpeg", "message: then the picture")
        check(page.get_content_charset() == "utf-8", "message: the HTML is UTF-8")
        check(page["Content-Transfer-Encoding"] == "quoted-printable", "message: HTML quoted-printable")
        check(image["Content-Transfer-Encoding"] == "base64", "message: picture in base64")
        check(image.get_content_disposition() == "inline", "message: the picture is inline")
        check(image.get_filename() == "sky & sea #1.jpg", "message: the picture keeps its name")
        check(image.get_content() == picture, "message: the picture's bytes are intact")

        text = page.get_content()
        elements = Elements()
        elements.feed(text)
        content_id = image["Content-ID"].strip("<>")
        cids = [value for attrs in elements.attributes.values() for a in attrs
                for value in a.values() if value and "cid:" in value]
        check(cids != [] and all(f"cid:{content_id}" in v for v in cids),
              "message: every cid: reference names the picture's part")
        # A client's editor resolves the part's name in the body's attribute only: the
        # body's CSS names no picture, which unresolved would hide it. The wrapper's CSS
        # does, for readers whose client drops the body's look, with no colour over it.
        body_style = elements.attributes["body"][0]["style"]
        area_style = [a for a in elements.attributes["div"]
                      if a.get("class") == "stationery-area"][0]["style"]
        check("cid:" not in body_style, "message: the body's CSS names no picture")
        copied = re.search(r"\.stationery-area \{ background-image: "
                           r"url\('data:image/jpeg;base64,([A-Za-z0-9+/=]+)'\); \}",
                           "".join(elements.styles))
        check(copied is not None and base64.b64decode(copied.group(1)) == picture
              and "background-color" not in area_style
              and "background-image" not in area_style,
              "message: a style sheet gives the wrapper the picture itself, no colour over it")
        check("cid:" not in "".join(elements.styles) and not any(
            "cid:" in a.get("style", "") for attrs in elements.attributes.values() for a in attrs),
              "message: no CSS names a part (Thunderbird takes that for remote content)")
        body = elements.attributes["body"][0]
        check(body.get("background") == f"cid:{content_id}", "message: <body background> is the part")
        check(body.get("text") == "#000080", "message: the body carries its text colour")
        check("script" not in elements.tags and "img" not in elements.tags,
              "message: hostile texts make no script or img element")
        check(elements.title == "</title><script>alert(1)</script> Caf\u00e9",
              "message: the title is kept as text")
        check(not any(k.startswith("on") for attrs in elements.attributes.values()
                      for a in attrs for k in a), "message: no event handler attributes")
        check("/source/" not in text and work not in text, "message: no path of this computer")
        check("chime" not in raw.decode("ascii", "replace"), "message: no sound")
        check("\x0c" not in body.get("style", ""), "message: the form feed is escaped in the CSS")

        raw = open(os.path.join(work, "message-plain", "page.eml"), "rb").read()
        check_lines(raw, "plain message")
        plain = email.message_from_bytes(raw, policy=email.policy.default)
        check([p.get_content_type() for p in plain.iter_parts()] == ["text/plain", "text/html"],
              "plain message: the text, then the HTML alone")
        check("cid:" not in plain.get_body(("html",)).get_content(),
              "plain message: refers to no part")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
