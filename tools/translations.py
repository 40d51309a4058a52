#!/usr/bin/env python3
"""Keeps the interface translations in translation/*.ts in step with the sources.

  tools/translations.py untranslated [--no-scan]
      Lists every text that some language lacks a translation for, as
      "<language>: <context>: <source text>", and exits 1 when there is any.
      By default the sources are scanned first (into temporary copies), so texts
      that are in the code but not yet in the .ts files are listed too.

  tools/translations.py update
      Brings the 15 .ts files in line with the sources (lupdate, without line
      numbers so merges stay quiet). New texts arrive untranslated; English gets
      the source text itself.

  tools/translations.py fill FILE.json
      Writes translations from a JSON list of entries
      {"context": ..., "source": ..., "Zh_SM": ..., "German": ..., ...}
      into the .ts files (run "update" first so the entries exist).

Translate every text you add in all 15 languages; the test "translations_complete"
fails while any is missing.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = os.path.join(TOP, "translation")
SOURCE_DIRS = ["app", "widgets", "devicelink", "devicepage", "keyboardview", "keys", "lighting",
               "macros", "advancedkeys", "magnetic", "firmware", "sdk", "platform", "forms"]
LANGUAGES = {
    "Zh_SM": "zh_CN", "Zh_TR": "zh_TW", "English": "en", "Japanese": "ja", "Korean": "ko",
    "Russian": "ru", "Arabic": "ar", "Spanish": "es", "Portugal": "pt", "German": "de",
    "Italian": "it", "Polish": "pl", "French": "fr", "Ukrainian": "uk", "Czech": "cs",
}
SOURCE_LANGUAGE = "English"


def ts_path(lang, folder=TS_DIR):
    return os.path.join(folder, lang + ".ts")


def ensure_file(path, code):
    if os.path.exists(path):
        return
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                '<TS version="2.1" language="%s" sourcelanguage="en">\n</TS>\n' % code)


def run_lupdate(ts_files):
    sources = [os.path.join(TOP, d) for d in SOURCE_DIRS if os.path.isdir(os.path.join(TOP, d))]
    cmd = ["lupdate", "-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h,ui", "-I", TOP]
    cmd += sources + ["-ts"] + ts_files
    subprocess.run(cmd, check=True, cwd=TOP)


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            yield name, message


def is_untranslated(message):
    translation = message.find("translation")
    if translation is None:
        return True
    if translation.get("type") in ("unfinished", "vanished", "obsolete"):
        return translation.get("type") == "unfinished"
    return not (translation.text or "").strip() and not list(translation)


def write_tree(tree, path):
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # Keep the doctype line Qt's tools write.
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text if text.endswith("\n") else text + "\n")


def fill_source_language(folder=TS_DIR):
    path = ts_path(SOURCE_LANGUAGE, folder)
    tree = ET.parse(path)
    changed = False
    for _, message in messages(tree):
        if is_untranslated(message):
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            translation.text = message.findtext("source")
            translation.attrib.pop("type", None)
            changed = True
    if changed:
        write_tree(tree, path)


def cmd_update():
    files = []
    for lang, code in LANGUAGES.items():
        ensure_file(ts_path(lang), code)
        files.append(ts_path(lang))
    run_lupdate(files)
    fill_source_language()
    return 0


def cmd_untranslated(scan):
    folder = TS_DIR
    tmp = None
    if scan:
        tmp = tempfile.mkdtemp(prefix="ts-check-")
        files = []
        for lang, code in LANGUAGES.items():
            target = ts_path(lang, tmp)
            if os.path.exists(ts_path(lang)):
                shutil.copy(ts_path(lang), target)
            else:
                ensure_file(target, code)
            files.append(target)
        run_lupdate(files)
        fill_source_language(tmp)
        folder = tmp
    missing = 0
    try:
        for lang in LANGUAGES:
            path = ts_path(lang, folder)
            if not os.path.exists(path):
                print("%s: no translation file" % lang)
                missing += 1
                continue
            for context, message in messages(ET.parse(path)):
                if is_untranslated(message):
                    print("%s: %s: %s" % (lang, context, message.findtext("source")))
                    missing += 1
    finally:
        if tmp:
            shutil.rmtree(tmp, ignore_errors=True)
    if missing:
        print("%d untranslated entries (translate them, see tools/translations.py fill)" % missing)
        return 1
    print("all texts translated in %d languages" % len(LANGUAGES))
    return 0


def cmd_fill(table_path):
    with open(table_path, encoding="utf-8") as f:
        entries = json.load(f)
    wanted = {}
    for entry in entries:
        for lang in LANGUAGES:
            if lang in entry:
                wanted[(lang, entry["context"], entry["source"])] = entry[lang]
    unused = set(wanted)
    for lang in LANGUAGES:
        path = ts_path(lang)
        if not os.path.exists(path):
            continue
        tree = ET.parse(path)
        changed = False
        for context, message in messages(tree):
            key = (lang, context, message.findtext("source"))
            if key not in wanted:
                continue
            unused.discard(key)
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            translation.text = wanted[key]
            translation.attrib.pop("type", None)
            changed = True
        if changed:
            write_tree(tree, path)
    # Let lupdate write the files back in its own layout, so later runs change nothing.
    run_lupdate([ts_path(lang) for lang in LANGUAGES if os.path.exists(ts_path(lang))])
    for lang, context, source in sorted(unused):
        print("not in %s.ts: %s: %s" % (lang, context, source))
    return 1 if unused else 0


def main(argv):
    if len(argv) < 2 or argv[1] in ("-h", "--help"):
        print(__doc__)
        return 0 if len(argv) >= 2 else 2
    if argv[1] == "update":
        return cmd_update()
    if argv[1] == "untranslated":
        return cmd_untranslated(scan="--no-scan" not in argv[2:])
    if argv[1] == "fill" and len(argv) == 3:
        return cmd_fill(argv[2])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
