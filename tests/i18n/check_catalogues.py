#!/usr/bin/env python3
"""The catalogues hold every text of the program and each language is whole.

usage: check_catalogues.py LUPDATE SOURCE_DIR

- lupdate over the sources changes nothing: no text left out, none stale;
- every language has every text, none unfinished or vanished;
- each translation keeps its source's placeholders (%1 ... %9, %n), its keyboard
  accelerator (one & when the source has one, none when it has none) and its HTML tags.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, source_dir = sys.argv[1], sys.argv[2]
catalogue = os.path.join(source_dir, 'translations', 'stationery-editor.ts')
languages = sorted(glob.glob(os.path.join(source_dir, 'translations', 'stationery-editor_*.ts')))
failures = []


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().findall('context'):
        name = context.find('name').text
        for message in context.findall('message'):
            found[(name, message.find('source').text)] = message.find('translation')
    return found


# lupdate, run over the sources into a copy, finds nothing new and nothing gone.
sources = []
for pattern in ('src/editor/*.cpp', 'src/dialogs/*.cpp', 'src/platform/*.cpp',
                'src/platform/*.h', 'src/mail_account/*.cpp', 'src/app/*.cpp',
                'src/stationery/client_support.h'):
    sources += sorted(glob.glob(os.path.join(source_dir, pattern)))
with tempfile.TemporaryDirectory() as folder:
    copy = os.path.join(folder, 'copy.ts')
    shutil.copy(catalogue, copy)
    run = subprocess.run([lupdate, '-locations', 'none', '-I', os.path.join(source_dir, 'src'),
                          *sources, '-ts', copy],
                         capture_output=True, text=True)
    if run.returncode != 0:
        failures.append('lupdate failed: ' + run.stderr)
    before, after = messages(catalogue), messages(copy)
    gone = [key for key, text in after.items()
            if text is not None and text.get('type') in ('vanished', 'obsolete')]
    for key in sorted(set(after) - set(before)):
        failures.append('not in the catalogue: %s | %r' % key)
    for key in gone:
        failures.append('no longer in the sources: %s | %r' % key)

english = messages(catalogue)
placeholder = re.compile(r'%(?:\d+|n)')
tag = re.compile(r'</?([a-zA-Z][a-zA-Z0-9]*)')


def accelerators(text):
    return len(re.findall(r'(?<!&)&(?!&)', text.replace('&&', '')))


for path in languages:
    language = os.path.basename(path)[len('stationery-editor_'):-len('.ts')]
    translated = messages(path)
    for key in sorted(set(english) - set(translated)):
        failures.append('%s lacks %s | %r' % (language, *key))
    for key, translation in sorted(translated.items()):
        context, source = key
        if key not in english:
            failures.append('%s has a text the program no longer has: %s | %r' % (language, *key))
            continue
        if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete') \
                or not (translation.text or '').strip():
            failures.append('%s: not translated: %s | %r' % (language, context, source))
            continue
        text = translation.text
        if sorted(set(placeholder.findall(source))) != sorted(set(placeholder.findall(text))):
            failures.append('%s: placeholders differ: %r -> %r' % (language, source, text))
        if min(accelerators(source), 1) != accelerators(text):
            failures.append('%s: accelerator differs: %r -> %r' % (language, source, text))
        if sorted(tag.findall(source)) != sorted(tag.findall(text)):
            failures.append('%s: HTML tags differ: %r -> %r' % (language, source, text))

for failure in failures:
    print(failure)
print('%d languages, %d texts each: %s' % (len(languages), len(english),
                                             'all whole' if not failures else '%d problems' % len(failures)))
sys.exit(1 if failures else 0)
