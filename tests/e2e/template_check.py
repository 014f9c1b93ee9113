#!/usr/bin/env python3
"""Checks one message template as a mail client reads it: Python's email package parses
it, its page names the picture by its cid: URL, and the picture part holds the picture's
bytes exactly.

usage: template_check.py MESSAGE PICTURE
"""
import email
import email.policy
import sys

message = email.message_from_bytes(open(sys.argv[1], "rb").read(), policy=email.policy.default)
picture = open(sys.argv[2], "rb").read()
problems = []
parts = list(message.iter_parts()) if message.is_multipart() else []
alternatives = list(parts[0].iter_parts()) if parts and parts[0].is_multipart() else []
if message.get_content_type() != "multipart/related" or \
        parts[0].get_content_type() != "multipart/alternative" or \
        [p.get_content_type() for p in alternatives] != ["text/plain", "text/html"]:
    problems.append("not a text part and a page with their picture: " +
                    message.get_content_type())
else:
    page = alternatives[1]
    images = [part for part in parts[1:] if part.get_content_maintype() == "image"]
    if len(images) != 1 or images[0].get_content() != picture:
        problems.append("the picture part does not hold the picture")
    elif "cid:" + images[0]["Content-ID"].strip("<>") not in page.get_content():
        problems.append("the page does not name the picture's part")
for defect in message.defects:
    problems.append("defect: " + str(defect))
print("\n".join(problems) or "ok")
sys.exit(1 if problems else 0)
