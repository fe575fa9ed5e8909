#!/usr/bin/env python3
"""Fails while a catalogue is not up to date with the sources, holds an unfinished entry, or translates a
message so that it loses what the program fills in or presses: its %1 placeholders, its & shortcut, or
its line breaks.

Usage: check_catalogues.py LUPDATE SOURCE_ROOT SOURCES_LIST CATALOGUE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(\d|n)")


def shortcut_count(text):
    return len(re.findall(r"(?<!&)&(?!&)[^&\s;]", text.replace("&&", "")))


def faults_of(message, where):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else "missing"
    # A message with plural forms holds each form apart; each is checked as a translation of its own.
    forms = translation.findall("numerusform") if translation is not None else []
    texts = [form.text or "" for form in forms] if forms else [translation.text or "" if translation is not None else ""]
    if kind in ("unfinished", "vanished", "obsolete", "missing") or not all(texts):
        return [f"{where}: {kind or 'empty'}: {source!r}"]
    return [fault for text in texts for fault in form_faults(source, text, where)]


def form_faults(source, text, where):
    faults = []
    if sorted(set(PLACEHOLDER.findall(source))) != sorted(set(PLACEHOLDER.findall(text))):
        faults.append(f"{where}: placeholders differ: {source!r} -> {text!r}")
    if shortcut_count(source) != shortcut_count(text):
        faults.append(f"{where}: the & shortcut is lost or doubled: {source!r} -> {text!r}")
    if source.count("\n") != text.count("\n"):
        faults.append(f"{where}: line breaks differ: {source!r} -> {text!r}")
    return faults


def messages_of(catalogue):
    """Each message as lupdate keys it, with its translator's note."""
    return {(context.findtext("name"), message.findtext("source"), message.findtext("comment"),
             message.findtext("extracomment"), message.get("numerus"))
            for context in ElementTree.parse(catalogue).getroot().iter("context")
            for message in context.iter("message")}


def main():
    lupdate, root, sources_list = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    catalogues = [Path(p) for p in sys.argv[4:]]
    sources = [line for line in sources_list.read_text().split(";") if line.strip()]
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            fresh = Path(scratch) / catalogue.name
            shutil.copyfile(catalogue, fresh)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", root, *sources, "-ts",
                            str(fresh)], check=True, stdout=subprocess.DEVNULL)
            # By the messages, not the bytes: lupdate's layout differs from one Qt to the next.
            if messages_of(fresh) != messages_of(catalogue):
                faults.append(f"{catalogue.name}: not up to date with the sources: "
                              "cmake --build BUILD --target update_translations, then translate what is new")
            for context in ElementTree.parse(fresh).getroot().iter("context"):
                for message in context.iter("message"):
                    faults += faults_of(message, f"{catalogue.name} {context.findtext('name')}")
    for fault in faults:
        print(fault)
    print(f"{len(catalogues)} catalogues, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
