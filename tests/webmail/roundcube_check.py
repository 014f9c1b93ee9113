#!/usr/bin/python3
"""A message template in a real webmail: Roundcube from Debian's packages, served by
lighttpd and php-cgi on 127.0.0.1 with its own configuration and SQLite database, reads a
throwaway Dovecot into which the editor's --upload put the template, and sends through
an SMTP sink. Headless Chromium logs in, shows the template, edits it as a new message,
types lines and sends it; the screenshots are measured, and the sent message is parsed.

usage: roundcube_check.py EDITOR EXPORT_SAMPLES [SCREENSHOT_FOLDER]
"""
import email
import email.policy
import os
import re
import shutil
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support import expected_conditions as ready
from selenium.webdriver.support.ui import WebDriverWait

from screenshot_measure import covered_share, screenshot

HERE = os.path.dirname(os.path.abspath(__file__))
ROUNDCUBE = "/var/lib/roundcube/public_html"
# The webmail's white and the sample stationery's background colour: what is neither is
# the picture.
PLAIN = ((255, 255, 255), (255, 255, 224))
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for_port(port, process, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if process is not None and process.poll() is not None:
            raise RuntimeError("it ended with status %d" % process.returncode)
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.05)
    raise RuntimeError("nothing listens on port %d" % port)


def roundcube_config(work, imap_port, smtp_port):
    """Roundcube's configuration folder: Debian's defaults and ours."""
    config = os.path.join(work, "roundcube-config")
    os.makedirs(config)
    for name in ("defaults.inc.php", "mimetypes.php"):
        shutil.copy(os.path.join("/etc/roundcube", name), config)
    for name in ("temp", "logs"):
        os.makedirs(os.path.join(work, name))
    database = os.path.join(work, "roundcube.db")
    with sqlite3.connect(database) as db:
        db.executescript(open("/usr/share/roundcube/SQL/sqlite.initial.sql").read())
    open(os.path.join(config, "config.inc.php"), "w").write(f"""<?php
$config = [];
$config['db_dsnw'] = 'sqlite:///{database}?mode=0600';
$config['imap_host'] = 'ssl://127.0.0.1:{imap_port}';
$config['imap_conn_options'] = ['ssl' => ['verify_peer' => false, 'verify_peer_name' => false]];
$config['smtp_host'] = '127.0.0.1:{smtp_port}';
$config['smtp_user'] = '';
$config['smtp_pass'] = '';
$config['mail_domain'] = 'example.test';
$config['temp_dir'] = '{work}/temp/';
$config['log_dir'] = '{work}/logs/';
$config['des_key'] = 'throwaway-key-for-one-test-0123';
$config['plugins'] = [];
$config['skin'] = 'elastic';
$config['language'] = 'en_US';
$config['htmleditor'] = 1;
$config['prefer_html'] = true;
$config['show_images'] = 1;
$config['drafts_mbox'] = 'Drafts';
$config['sent_mbox'] = 'Sent';
$config['templates_mbox'] = 'Templates';
$config['default_folders'] = ['INBOX', 'Drafts', 'Sent', 'Templates'];
$config['login_rate_limit'] = 0;
$config['session_lifetime'] = 30;
""")
    return config


def lighttpd_config(work, port, config):
    path = os.path.join(work, "lighttpd.conf")
    open(path, "w").write(f"""
server.modules = ("mod_fastcgi", "mod_access")
server.document-root = "{ROUNDCUBE}"
server.bind = "127.0.0.1"
server.port = {port}
server.follow-symlink = "enable"
server.errorlog = "{work}/lighttpd.log"
server.pid-file = "{work}/lighttpd.pid"
index-file.names = ("index.php")
mimetype.assign = (".css" => "text/css", ".js" => "text/javascript", ".png" => "image/png",
                   ".svg" => "image/svg+xml", ".woff2" => "font/woff2", ".woff" => "font/woff",
                   ".gif" => "image/gif", ".ico" => "image/x-icon", ".jpg" => "image/jpeg")
fastcgi.server = (".php" => ((
    "bin-path" => "/usr/bin/php-cgi",
    "socket" => "{work}/php.socket",
    "max-procs" => 1,
    "bin-environment" => ("ROUNDCUBE_CONFIG_DIR" => "{config}", "PHP_FCGI_CHILDREN" => "2"),
)))
""")
    return path


def upload(editor, stationery, dovecot):
    port = open(os.path.join(dovecot, "port")).read().strip()
    fingerprint = open(os.path.join(dovecot, "fingerprint")).read().strip()
    run = subprocess.run(
        [editor, "--upload", f"imaps://ann@127.0.0.1:{port}/Templates", "--password-stdin",
         "--trust-certificate", fingerprint, stationery],
        input="secret\n", capture_output=True, text=True, timeout=60,
        env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
    check(run.returncode == 0, "--upload puts the template in Templates: " + run.stderr.strip())


def browser(work, processes):
    """Headless Chromium driven through chromedriver. Both are reached at 127.0.0.1 by
    address, never by the name "localhost", which a minimal system may not resolve."""
    debugging, driving = free_port(), free_port()
    chromium = subprocess.Popen(
        [shutil.which("chromium"), "--headless=new", "--no-sandbox", "--disable-gpu",
         "--window-size=1200,900", "--force-device-scale-factor=1", "--hide-scrollbars",
         "--disable-dev-shm-usage", "--no-first-run", "--lang=en-US",
         "--remote-debugging-address=127.0.0.1", f"--remote-debugging-port={debugging}",
         "--user-data-dir=" + os.path.join(work, "chromium"), "about:blank"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes.append(chromium.pid)
    driver = subprocess.Popen([shutil.which("chromedriver"), f"--port={driving}"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes.append(driver.pid)
    wait_for_port(debugging, chromium)
    wait_for_port(driving, driver)
    options = webdriver.ChromeOptions()
    options.debugger_address = f"127.0.0.1:{debugging}"
    return webdriver.Remote(command_executor=f"http://127.0.0.1:{driving}", options=options)


def main():
    editor, export_samples = sys.argv[1], sys.argv[2]
    screenshots = sys.argv[3] if len(sys.argv) > 3 else None
    work = tempfile.mkdtemp(prefix="stationery-webmail-")
    os.chmod(work, 0o755)
    processes = []
    driver = None
    started = time.monotonic()
    try:
        subprocess.run([export_samples, os.path.join(work, "samples")], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        dovecot = os.path.join(work, "dovecot")
        subprocess.run([os.path.join(HERE, "..", "support", "throwaway_dovecot.sh"), dovecot],
                       check=True)
        processes.append(int(open(os.path.join(dovecot, "pid")).read()))
        imap_port = int(open(os.path.join(dovecot, "port")).read())

        maildir = os.path.join(work, "sent")
        for sub in ("tmp", "new", "cur"):
            os.makedirs(os.path.join(maildir, sub))
        smtp_port = free_port()
        smtp = subprocess.Popen(["/usr/bin/python3", "-m", "aiosmtpd", "-n", "-l",
                                 f"127.0.0.1:{smtp_port}", "-c", "aiosmtpd.handlers.Mailbox",
                                 maildir], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(smtp.pid)
        web_port = free_port()
        config = roundcube_config(work, imap_port, smtp_port)
        web = subprocess.Popen(["/usr/sbin/lighttpd", "-D", "-f",
                                lighttpd_config(work, web_port, config)])
        processes.append(web.pid)
        wait_for_port(smtp_port, smtp)
        wait_for_port(web_port, web)
        print("set-up: %.1f s" % (time.monotonic() - started), flush=True)

        stationery = os.path.join(work, "samples", "classic", "page.htm")
        upload(editor, stationery, dovecot)

        driver = browser(work, processes)
        wait = WebDriverWait(driver, 30)
        base = f"http://127.0.0.1:{web_port}/"
        driver.get(base)
        wait.until(ready.presence_of_element_located((By.ID, "rcmloginuser"))).send_keys("ann")
        driver.find_element(By.ID, "rcmloginpwd").send_keys("secret" + Keys.ENTER)
        wait.until(ready.presence_of_element_located((By.ID, "messagelist")))

        # The template as Roundcube shows a message.
        driver.get(base + "?_task=mail&_action=show&_uid=1&_mbox=Templates")
        body = wait.until(ready.presence_of_element_located((By.ID, "messagebody")))
        time.sleep(0.5)  # the picture decodes
        png = screenshot(driver, screenshots and os.path.join(screenshots, "roundcube-view.png"))
        share = covered_share(driver, png, body.rect, PLAIN)
        print("view: the picture covers %.0f %% of the message area" % (share * 100))
        check(share > 0.9, "view: the picture covers the message area, not a strip")
        area_style = driver.execute_script(
            "var a = document.querySelector('#messagebody [class*=\"stationery-area\"]');"
            "return a ? a.getAttribute('style') : '';")
        check("color: #000080" in area_style, "view: the wrapper keeps the text colour")

        # Edit as new, type three lines, send.
        driver.get(base + "?_task=mail&_action=compose&_uid=1&_mbox=Templates")
        frame = wait.until(ready.presence_of_element_located((By.ID, "composebody_ifr")))
        wait.until(lambda d: d.execute_script(
            "return !!(window.tinymce && tinymce.activeEditor && tinymce.activeEditor.initialized"
            " && rcmail.busy === false);"))
        time.sleep(1)  # the compose page settles: autosave's first look, the editor's focus
        # The caret where a person clicking into the message puts it: in the first line.
        driver.execute_script(
            "var editor = tinymce.activeEditor; editor.focus();"
            "var line = editor.getBody().querySelector('[class*=\"stationery-area\"] div');"
            "editor.selection.setCursorLocation(line, 0);")
        for line in ("First line", "Second line", "Third line"):
            webdriver.ActionChains(driver).send_keys(line).send_keys(Keys.ENTER).perform()
        driver.switch_to.frame(frame)
        wrappers = driver.execute_script(
            "return document.querySelectorAll('[class*=\"stationery-area\"]').length;")
        check(wrappers == 1, "compose: typed lines stay inside one wrapper (%d)" % wrappers)
        # Where a ruled picture's rules are: one line height apart from the wrapper's top,
        # where the picture starts. Each typed line sits there, one line height tall.
        lines = driver.execute_script("""
            var area = document.querySelector('[class*="stationery-area"]');
            var style = getComputedStyle(area), top = area.getBoundingClientRect().top;
            var height = parseFloat(style.lineHeight), pad = parseFloat(style.paddingTop);
            return {start: style.backgroundPosition, lines: Array.from(
                area.querySelectorAll(':scope > div')).slice(0, 3).map(function (line) {
                    var box = line.getBoundingClientRect();
                    return [(box.top - top - pad) / height, box.height / height]; })};""")
        check(lines["start"] in ("0% 0%", "0px 0px") and len(lines["lines"]) == 3 and
              all(abs(at - i) < 0.01 and abs(tall - 1) < 0.01
                  for i, (at, tall) in enumerate(lines["lines"])),
              "compose: typed lines keep the stationery's line height from the top margin "
              "down, on a picture that starts at the top (%s)" % lines)
        driver.switch_to.default_content()
        # The recipient last: its address book search takes the focus when it answers.
        driver.find_element(By.CSS_SELECTOR, "#compose_to .recipient-input input").send_keys(
            "bob@example.test,")
        subject = driver.find_element(By.ID, "compose-subject")
        if not subject.get_attribute("value"):
            subject.send_keys("Hello")
        png = screenshot(driver,
                         screenshots and os.path.join(screenshots, "roundcube-compose.png"))
        frame_share = covered_share(driver, png, frame.rect, PLAIN)
        print("compose: the picture covers %.0f %% of the editor" % (frame_share * 100))
        check(frame_share > 0.9, "compose: the picture covers the editor without seams")
        driver.find_element(By.CSS_SELECTOR, "button.send").click()
        end = time.monotonic() + 30
        sent = []
        while not sent and time.monotonic() < end:
            sent = os.listdir(os.path.join(maildir, "new"))
            time.sleep(0.2)
        check(len(sent) == 1, "send: the SMTP sink got the message")
        # Roundcube leaves the editor once it has stored the sent copy; leaving before
        # that races its own move to the message list.
        wait.until(lambda d: "_action=compose" not in d.current_url)
        if sent:
            check_sent(open(os.path.join(maildir, "new", sent[0]), "rb").read(), work,
                       screenshots, driver)
    finally:
        if driver:
            driver.quit()
        for pid in processes:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for log in ("logs/errors.log", "lighttpd.log"):
            path = os.path.join(work, log)
            if failures and os.path.exists(path):
                print("--- " + log + "\n" + open(path, errors="replace").read()[-3000:])
        shutil.rmtree(work, ignore_errors=True)
    print("whole check: %.0f s" % (time.monotonic() - started))
    print(f"{len(failures)} failed")
    return 1 if failures else 0


def check_sent(raw, work, screenshots, driver):
    """What Roundcube sent: the look and the picture on the wrapper, and no reference to a
    part it lacks."""
    message = email.message_from_bytes(raw, policy=email.policy.default)
    html = message.get_body(("html",))
    check(html is not None, "sent: an HTML part")
    if html is None:
        return
    page = html.get_content()
    cids = {part["Content-ID"].strip("<>") for part in message.walk() if part["Content-ID"]}
    area = re.search(r'<div[^>]*class="[^"]*stationery-area"[^>]*>', page)
    check(area is not None, "sent: the wrapper is there")
    style = area.group(0) if area else ""
    for what, pattern in (("text colour", "color: #000080"), ("font", "font-family"),
                          ("margins", "padding")):
        check(pattern in style, f"sent: the wrapper keeps its {what}")
    named = re.findall(r"cid:([^\"')\s>]+)", page)
    check(all(n in cids for n in named), "sent: no reference to a part it lacks (%s)" % named)
    check("First line" in page and "Third line" in page, "sent: the typed lines")
    # Shown as a recipient's browser would, with its parts resolved.
    for part in message.walk():
        if part["Content-ID"]:
            name = part.get_filename() or "picture"
            path = os.path.join(work, "sent-" + re.sub(r"[^A-Za-z0-9.]", "_", name))
            open(path, "wb").write(part.get_content())
            page = page.replace("cid:" + part["Content-ID"].strip("<>"), "file://" + path)
    rendered = os.path.join(work, "sent.htm")
    open(rendered, "w", encoding="utf-8").write(page)
    driver.get("file://" + rendered)
    time.sleep(0.3)
    png = screenshot(driver, screenshots and os.path.join(screenshots, "roundcube-sent.png"))
    area_rect = driver.execute_script(
        "var r = document.querySelector('[class*=\"stationery-area\"]').getBoundingClientRect();"
        "return {x: r.x, y: r.y, width: r.width, height: r.height};")
    share = covered_share(driver, png, area_rect, PLAIN)
    print("sent: the picture covers %.0f %% of the wrapper" % (share * 100))
    check(share > 0.9, "sent: the wrapper keeps its picture")


if __name__ == "__main__":
    sys.exit(main())
