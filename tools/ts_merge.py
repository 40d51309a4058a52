#!/usr/bin/env python3
"""Git merge driver for translation/*.ts files.

Both sides of a merge usually add messages for texts of their own; a line merge
then conflicts or breaks the XML. This driver merges by message instead: every
message of either side is kept (keyed by context, source and comment), and where
both sides have one, a finished translation wins over an unfinished one, ours
over theirs otherwise.

Register it once per clone:
    git config merge.tsmerge.driver "python3 tools/ts_merge.py %O %A %B"
(.gitattributes names the driver for translation/*.ts.)
"""
import copy
import sys
import xml.etree.ElementTree as ET


def key_of(message):
    return (message.findtext("source") or "", message.findtext("comment") or "")


def finished(message):
    translation = message.find("translation")
    return translation is not None and translation.get("type") is None and (
        (translation.text or "").strip() or list(translation))


def load(path):
    return ET.parse(path)


def merge(ours_path, theirs_path):
    ours = load(ours_path)
    theirs = load(theirs_path)
    root = ours.getroot()
    contexts = {c.findtext("name") or "": c for c in root.findall("context")}
    for their_context in theirs.getroot().findall("context"):
        name = their_context.findtext("name") or ""
        context = contexts.get(name)
        if context is None:
            context = copy.deepcopy(their_context)
            root.append(context)
            contexts[name] = context
            continue
        mine = {key_of(m): m for m in context.findall("message")}
        for message in their_context.findall("message"):
            existing = mine.get(key_of(message))
            if existing is None:
                context.append(copy.deepcopy(message))
            elif finished(message) and not finished(existing):
                index = list(context).index(existing)
                context.remove(existing)
                context.insert(index, copy.deepcopy(message))
    # Contexts in name order, as lupdate writes them.
    ordered = sorted(root.findall("context"), key=lambda c: c.findtext("name") or "")
    for c in root.findall("context"):
        root.remove(c)
    for c in ordered:
        root.append(c)
    # lupdate's layout: contexts at the left margin, four spaces per level inside.
    root.text = "\n"
    for c in ordered:
        ET.indent(c, space="    ")
        c.tail = "\n"
    ours.write(ours_path, encoding="utf-8", xml_declaration=True)
    with open(ours_path, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>', 1)
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
    with open(ours_path, "w", encoding="utf-8") as f:
        f.write(text if text.endswith("\n") else text + "\n")


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        merge(argv[2], argv[3])
    except ET.ParseError as error:
        print("ts_merge: cannot parse a side: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
