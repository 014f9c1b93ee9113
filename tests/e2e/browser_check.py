#!/usr/bin/env python3
"""Loads exported stationery in headless Chromium and checks what a reader would see.

Chromium is driven through its DevTools protocol over a pipe (--remote-debugging-pipe),
so nothing beyond Python's standard library is needed.

usage: browser_check.py CHROMIUM EXPORT_SAMPLES
"""
import base64
import email
import email.policy
import fcntl
import json
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time


class Browser:
    def __init__(self, chromium):
        self.profile = tempfile.mkdtemp(prefix="stationery-chromium-")
        to_browser_r, to_browser_w = os.pipe()
        from_browser_r, from_browser_w = os.pipe()
        # The browser reads commands on descriptor 3 and answers on 4; keep ours clear
        # of those numbers first.
        child_in = fcntl.fcntl(to_browser_r, fcntl.F_DUPFD, 100)
        child_out = fcntl.fcntl(from_browser_w, fcntl.F_DUPFD, 100)
        os.close(to_browser_r)
        os.close(from_browser_w)

        def descriptors():
            os.dup2(child_in, 3)
            os.dup2(child_out, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless=new", "--remote-debugging-pipe", "--no-sandbox",
             "--disable-gpu", "--no-first-run", "--no-default-browser-check",
             "--user-data-dir=" + self.profile, "about:blank"],
            pass_fds=(3, 4), preexec_fn=descriptors,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(child_in)
        os.close(child_out)
        self.writer = to_browser_w
        self.reader = from_browser_r
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def close(self):
        self.process.kill()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self, deadline):
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.reader], [], [], left)[0]:
                raise TimeoutError("the browser did not answer")
            chunk = os.read(self.reader, 1 << 16)
            if not chunk:
                raise RuntimeError("the browser closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None, timeout=30):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.writer, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            answer = self._read_message(deadline)
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            self.events.append(answer)

    def wait_for(self, method, session, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            for event in self.events:
                if event.get("method") == method and event.get("sessionId") == session:
                    self.events.remove(event)
                    return event
            self.events.append(self._read_message(deadline))

    def open(self, url, reduced_motion=False, dark=False):
        """A new tab showing `url`, to a reader who asks for reduced motion or a dark
        colour scheme, or neither; returns a Page."""
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.send("Target.attachToTarget",
                            {"targetId": target, "flatten": True})["sessionId"]
        self.send("Page.enable", session=session)
        self.send("Debugger.enable", session=session)  # reports every script compiled
        features = [{"name": "prefers-reduced-motion",
                     "value": "reduce" if reduced_motion else "no-preference"},
                    {"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]
        self.send("Emulation.setEmulatedMedia", {"features": features}, session)
        self.send("Page.navigate", {"url": url}, session)
        self.wait_for("Page.loadEventFired", session)
        return Page(self, session, url)


class Page:
    def __init__(self, browser, session, url):
        self.browser, self.session, self.url = browser, session, url

    def scripts_that_ran(self):
        """Scripts the page itself brought (ours, evaluated here, have no URL)."""
        return [e["params"]["url"] for e in self.browser.events
                if e.get("sessionId") == self.session
                and e.get("method") == "Debugger.scriptParsed" and e["params"].get("url")]

    def evaluate(self, expression):
        result = self.browser.send("Runtime.evaluate",
                                   {"expression": expression, "returnByValue": True,
                                    "awaitPromise": True}, self.session)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def background_position(self):
        text = self.evaluate("getComputedStyle(document.body).backgroundPosition")
        return [float(part.rstrip("px%")) for part in text.split()]

    def picture_width(self, element="document.body"):
        """The element's background picture, loaded: its width, or -1 when it fails."""
        return self.evaluate("""new Promise(done => {
            const css = getComputedStyle(ELEMENT).backgroundImage;""".replace("ELEMENT", element)
            + """
            const match = /^url\\("(.*)"\\)$/.exec(css);
            if (!match) return done(-2);
            const picture = new Image();
            picture.onload = () => done(picture.naturalWidth);
            picture.onerror = () => done(-1);
            picture.src = match[1];
        })""")


failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def main():
    chromium, export_samples = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix="stationery-browser-")
    browser = None
    try:
        subprocess.run([export_samples, work], check=True)
        browser = Browser(chromium)
        url = lambda folder: "file://" + os.path.join(work, folder, "page.htm")

        for folder, axis, sign in [("today-up", 1, -1), ("today-down", 1, 1),
                                   ("today-left", 0, -1), ("today-right", 0, 1)]:
            page = browser.open(url(folder))
            check(page.evaluate("document.scripts.length") == 0, f"{folder}: no script element")
            check(page.evaluate("[...document.querySelectorAll('*')].every(e => "
                                "![...e.attributes].some(a => a.name.startsWith('on')))"),
                  f"{folder}: no event handler attributes")
            check(page.scripts_that_ran() == [], f"{folder}: no script ran")
            check(page.picture_width() == 300, f"{folder}: the picture is the body's background")
            first = page.background_position()
            time.sleep(0.4)
            second = page.background_position()
            moved = (second[axis] - first[axis]) * sign
            check(moved > 5, f"{folder}: the background moves the right way ({first} -> {second})")
            check(second[1 - axis] == first[1 - axis], f"{folder}: and only along its axis")

        page = browser.open(url("today-up"), reduced_motion=True)
        first = page.background_position()
        time.sleep(0.4)
        check(page.background_position() == first, "reduced motion: the background stays put")

        page = browser.open(url("today-still"))
        first = page.background_position()
        time.sleep(0.3)
        check(page.background_position() == first, "no direction: the background stays put")

        page = browser.open(url("classic"))
        check(page.picture_width() == 300, "classic export: the picture shows")
        check(page.scripts_that_ran() != [], "classic export: its ticker runs (scripts are seen)")

        # A message template's HTML, with its cid: parts resolved as a mail client does
        # (here as data: URLs): the picture is the page's background, and nothing runs.
        message = email.message_from_bytes(
            open(os.path.join(work, "message", "page.eml"), "rb").read(),
            policy=email.policy.default)
        page_part = message.get_body(("html",))
        pictures = list(message.iter_parts())[1:]
        text = page_part.get_content()
        for part in pictures:
            data = "data:%s;base64,%s" % (part.get_content_type(),
                                          base64.b64encode(part.get_content()).decode())
            text = text.replace("cid:" + part["Content-ID"].strip("<>"), data)
        rendered = os.path.join(work, "message", "rendered.htm")
        open(rendered, "w", encoding="utf-8").write(text)
        page = browser.open("file://" + rendered)
        check(page.picture_width() == 300, "message: the picture is the page's background")
        check(page.evaluate("document.body.getAttribute('background').startsWith('data:')"),
              "message: <body background> names the picture's part")
        check(page.scripts_that_ran() == [], "message: no script ran")
        # The wrapper's picture starts where the body's does and covers the window, so a
        # ruled picture's lines meet and a client that shows only the wrapper shows a page.
        check(page.evaluate("document.querySelector('.stationery-area')"
                            ".getBoundingClientRect().top") == 0,
              "message: the wrapper's picture starts at the top, with the body's")
        check(page.evaluate("document.querySelector('.stationery-area').offsetHeight "
                            ">= window.innerHeight"), "message: the wrapper covers the window")
        check(page.evaluate("getComputedStyle(document.querySelector('.stationery-area > div'))"
                            ".fontSize") == page.evaluate(
                                "getComputedStyle(document.querySelector('.stationery-area'))"
                                ".fontSize"), "message: typed text has the stationery's size")
        check(page.evaluate("document.title") == "</title><script>alert(1)</script> Caf\u00e9",
              "message: the hostile title stays text")
        check(page.evaluate("getComputedStyle(document.body).backgroundImage.startsWith('url(\"data:')"),
              "message: the font name's form feed injects no other background")

        # As Gmail shows it: the body's attributes and style gone. The wrapper around the
        # text carries the picture, the text colour, the font and the left margin (and
        # on today's page the background colour too), and typing starts inside it.
        today = open(os.path.join(work, "today-up", "page.htm"), encoding="utf-8").read()
        for name, source, folder in [("message", text, "message"), ("today", today, "today-up")]:
            stripped = os.path.join(work, folder, "stripped.htm")
            open(stripped, "w", encoding="utf-8").write(re.sub(r"<body[^>]*>", "<body>", source))
            area = "document.querySelector('div.stationery-area')"
            typing = "getComputedStyle(document.querySelector('br'))"
            for reduced, dark in [(False, False), (True, False), (False, True)]:
                reader = ("reduced motion" if reduced else "dark scheme" if dark
                          else "no preference")
                said = f"{name}, body stripped, {reader}: "
                page = browser.open("file://" + stripped, reduced_motion=reduced, dark=dark)
                check(page.evaluate("document.body.attributes.length") == 0,
                      said + "the body has no attributes left")
                check(page.picture_width(area) == 300, said + "the picture is the wrapper's")
                if name == "today":
                    check(page.evaluate(f"getComputedStyle({area}).backgroundColor") ==
                          "rgb(255, 255, 224)", said + "the background colour shows")
                check(page.evaluate(typing + ".color") == "rgb(0, 0, 128)",
                      said + "typed text takes the text colour")
                check(page.evaluate(f"{area}.contains(document.querySelector('br'))"),
                      said + "typing starts inside the designed area")
                check(page.evaluate(f"getComputedStyle({area}).paddingLeft") == "25px",
                      said + "the left margin stays")
                check(page.evaluate(typing + ".fontFamily").endswith(", sans-serif"),
                      said + "the font falls back on a generic family")
                animations = page.evaluate("document.getAnimations().length")
                check((animations == 0) if reduced else (animations > 0),
                      said + f"{animations} animations")
                check(page.evaluate("getComputedStyle(document.documentElement).colorScheme") ==
                      "light", said + "the page keeps its light colour scheme")

        # The folder moved elsewhere still shows its picture.
        moved = os.path.join(work, "moved", "somewhere", "else")
        for folder in ("today-up", "classic"):
            shutil.copytree(os.path.join(work, folder), os.path.join(moved, folder))
            page = browser.open("file://" + os.path.join(moved, folder, "page.htm"))
            check(page.picture_width() == 300, f"{folder}, moved: the picture shows")
    finally:
        if browser:
            browser.close()
        shutil.rmtree(work, ignore_errors=True)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
