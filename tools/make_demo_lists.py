#!/usr/bin/env python3
"""Writes the demo sample lists demo/pxddance, demo/pxdrave, demo/pxdhiphp.

Each list is in Ejay's sample list format as Pelmora writes it: records of
seven quoted lines (number, path, extra text, keyword, duration, name line 1,
name line 2), CR LF line ends, text in code page 1252, categories grouped
from loop to rap. Beside them, small stand-ins for the PXD files the lists
name, laid out as in Ejay's folder (C:\Ejay\Dance\Loops\... is
demo/Dance/Loops/...), all but three, so that the lists tool's check has
something found and something missing to show; and a folder Nouveaux of
new samples to import. The output is the same on every run.

Usage: tools/make_demo_lists.py [output folder]   (default: demo/)
"""
import os
import sys

STYLES = [("pxddance", "Dance", 100), ("pxdrave", "Rave", 300), ("pxdhiphp", "Hiphop", 500)]

# keyword, folder under the style, file stem, names (line 1, line 2)
CATEGORIES = [
    ("loop", "Loops", "boucle", [
        ("Boucle", "entraînante"), ("Rythme", "syncopé"), ("Boucle", "légère"),
        ("Groove", "de fête"), ("Rythme", "haché"),
    ]),
    ("bass", "Bass", "basse", [
        ("Basse", "profonde"), ("Basse", "ronde"), ("Basse", "saturée"), ("Basse", "élastique"),
    ]),
    ("synthy", "Synthy", "synthe", [
        ("Nappe", "glacée"), ("Arpège", "rapide"), ("Synthé", "cristallin"), ("Accord", "mineur"),
    ]),
    ("voice", "Voice", "voix", [
        ("Voix", "éthérée"), ("Chœur", "lointain"), ("Voix", "grave"), ("Soupir", "féminin"),
    ]),
    ("effect", "Effect", "effet", [
        ("Sirène", "montante"), ("Écho", "métallique"), ("Souffle", "de vent"),
    ]),
    ("drum", "Drum", "batterie", [
        ("Grosse caisse", "sèche"), ("Caisse claire", "brillante"), ("Charleston", "ouvert"),
        ("Cymbale", "crash"),
    ]),
    ("sequence", "Sequence", "sequence", [
        ("Séquence", "hypnotique"), ("Motif", "répété"), ("Séquence", "acide"),
    ]),
    ("special", "Extras", "bruitage", [
        ("Scratch", "à l'envers"), ("Bruit", "de vinyle"), ("Cloche", "étrange"),
    ]),
    ("rap", "Rap", "rap", [
        ("Phrase", "« Allez ! »"), ("Rime", "du quartier"), ("Cri", "de foule"),
    ]),
]


# Entries whose sample file the demo leaves out: (style, keyword, number).
MISSING_SAMPLES = {("Dance", "rap", 3), ("Rave", "voice", 2), ("Hiphop", "effect", 1)}
NEW_SAMPLES = ["basse-acide.pxd", "basse-funk.pxd", "boucle-house.pxd"]
STAND_IN = b"PXD demo\r\n"


def write_stand_in(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as stream:
        stream.write(STAND_IN)


def quoted_lines(values):
    return "".join('"%s"\r\n' % value for value in values)


def style_list(style_name, first_number, out):
    """The text of one style's list, its sample files written beside it;
    every style shifts the names a little."""
    text = ""
    number = first_number
    shift = first_number // 100
    for keyword, folder, stem, names in CATEGORIES:
        count = len(names)
        for index in range(count):
            name1, name2 = names[(index + shift) % count]
            path = "C:\\Ejay\\%s\\%s\\%s%02d.pxd" % (style_name, folder, stem, index + 1)
            duration = str(1 + (number * 7 + index * 3) % 16)
            extra = "" if index % 2 == 0 else "E%d" % (index + shift)
            text += quoted_lines([str(number), path, extra, keyword, duration, name1, name2])
            if (style_name, keyword, index + 1) not in MISSING_SAMPLES:
                write_stand_in(os.path.join(out, style_name, folder, "%s%02d.pxd" % (stem, index + 1)))
            number += 1
    return text


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "demo")
    os.makedirs(out, exist_ok=True)
    for file_name, style_name, first_number in STYLES:
        data = style_list(style_name, first_number, out).encode("cp1252")
        with open(os.path.join(out, file_name), "wb") as stream:
            stream.write(data)
        print("%s: %d bytes" % (os.path.join(out, file_name), len(data)))
    for name in NEW_SAMPLES:
        write_stand_in(os.path.join(out, "Nouveaux", name))


if __name__ == "__main__":
    main()
