#!/usr/bin/python3
"""Rebuild the fonts that Quoriam compiles in (resources/fonts/).

The windows ask for four decorative faces that are not free software and for
the classic 8-point dialog face. Quoriam ships a free (SIL Open Font License
1.1) substitute for each, so that every machine draws the same thing. The
substitutes come from npm packages of the Fontsource project as WOFF2 files
with the "latin" subset (U+0000-00FF plus common punctuation). Qt only
documents TrueType/OpenType for QFontDatabase::addApplicationFont, so this
script unpacks each WOFF2 file into a plain .ttf.

It is run by hand, never by the build; its output is checked in:

    /usr/bin/python3 tools/fonts/convert.py             # fetch with npm, write
    /usr/bin/python3 tools/fonts/convert.py --check     # compare, write nothing
    /usr/bin/python3 tools/fonts/convert.py --packages DIR   # use DIR/*.tgz

Needs fontTools and brotli (Debian: python3-fonttools, python3-brotli) and,
unless --packages is given, the npm client. Each package tarball is checked
against the sha512 pinned below, so a rerun gives the same bytes.

For every font the script checks, and fails if not so:
  - the package's license is OFL-1.1 and its LICENSE carries the OFL text;
  - the font has no Reserved Font Name (the conversion and the subsetting
    make a Modified Version, which could not keep a reserved name);
  - the family, style and weight stored in the font are the ones listed
    here (the family is what QFontDatabase::applicationFontFamilies gives);
  - the font maps every character of printable ASCII and of U+00A0-00FF
    (the soft hyphen U+00AD excepted: it is never drawn);
  - the .ttf stays under MAX_BYTES.
It writes the .ttf files, one <Family>-OFL.txt per family (the package's
LICENSE: copyright line and license text) and README.md.
"""

import argparse
import base64
import dataclasses
import hashlib
import io
import json
import os
import subprocess
import sys
import tarfile
import tempfile

from fontTools.ttLib import TTFont

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join(REPO, "resources", "fonts")
MAX_BYTES = 300 * 1024

# Printable ASCII and the Latin-1 Supplement, without the soft hyphen.
REQUIRED = [chr(c) for c in range(0x20, 0x7F)] + [chr(c) for c in range(0xA0, 0x100) if c != 0xAD]


@dataclasses.dataclass(frozen=True)
class Package:
    name: str
    version: str
    integrity: str  # npm's "sha512-<base64>" of the tarball
    license_file: str  # file written beside the fonts


@dataclasses.dataclass(frozen=True)
class Font:
    asked_for: str  # the face the windows name
    used_as: str
    package: Package
    source: str  # path inside the package
    output: str
    family: str  # as stored in the font and reported by Qt
    style: str
    weight: int
    italic: bool


BODONI_MODA = Package(
    "@fontsource/bodoni-moda",
    "5.3.0",
    "sha512-Wt2XBCHivYxkTP3ydq/Ax+7VshwsOh/6ayA5om2t+yClCkGwLPj2Mi6OnyMANjyLcqDUWs4rlOHnc8SBLf6/pA==",
    "BodoniModa-OFL.txt",
)
PINYON_SCRIPT = Package(
    "@fontsource/pinyon-script",
    "5.3.0",
    "sha512-ilhy4l5apzyDkfuKb7PZBUT5Sf6nfxucdXT5TQ0wQDyWtDPlouLy1lQq3lMEPk1lPsHHVrd11EkPnEG8FqDgUA==",
    "PinyonScript-OFL.txt",
)
GREAT_VIBES = Package(
    "@fontsource/great-vibes",
    "5.3.0",
    "sha512-1w60cXzXnC9V4y943po8044O1mqRQBiTTK75h7OpZE+1VQtx+KlAAzoIyEE5KNzu05gUpxaCQg7cbL7ITSwegQ==",
    "GreatVibes-OFL.txt",
)
GRENZE_GOTISCH = Package(
    "@fontsource/grenze-gotisch",
    "5.3.0",
    "sha512-hIgb3TJWnwjiaf8FWMYfPe5PvHHnSv+VYUJI40Fj0KhjWhBhBl4LTsGrkr4MSjo6mG+znR2tBz5L++4wkEgI1A==",
    "GrenzeGotisch-OFL.txt",
)
ARIMO = Package(
    "@fontsource/arimo",
    "5.3.0",
    "sha512-nhxZ2sTVZYX8DJBgLuyX360B5vE4mxqpmjlKTRfucIqfcWRVx9vOYzWBc1IgEX0ist48VMC10PRKbFyH+4QFvQ==",
    "Arimo-OFL.txt",
)

FONTS = [
    Font(
        "PosterBodoni It BT",
        "setup window, 11.25 pt regular",
        BODONI_MODA,
        "package/files/bodoni-moda-latin-400-italic.woff2",
        "BodoniModa-Italic.ttf",
        "Bodoni Moda 11pt",
        "Italic",
        400,
        True,
    ),
    Font(
        "Palace Script MT",
        "product name, 72 pt",
        PINYON_SCRIPT,
        "package/files/pinyon-script-latin-400-normal.woff2",
        "PinyonScript-Regular.ttf",
        "Pinyon Script",
        "Regular",
        400,
        False,
    ),
    Font(
        "ParkAvenue BT",
        "incoming fax, 14.25 pt and 36 pt bold",
        GREAT_VIBES,
        "package/files/great-vibes-latin-400-normal.woff2",
        "GreatVibes-Regular.ttf",
        "Great Vibes",
        "Regular",
        400,
        False,
    ),
    Font(
        "Nachtmere",
        "About title, 14.25 pt bold",
        GRENZE_GOTISCH,
        "package/files/grenze-gotisch-latin-700-normal.woff2",
        "GrenzeGotisch-Bold.ttf",
        "Grenze Gotisch",
        "Bold",
        700,
        False,
    ),
    Font(
        "Nachtmere",
        "(regular weight of the same family)",
        GRENZE_GOTISCH,
        "package/files/grenze-gotisch-latin-400-normal.woff2",
        "GrenzeGotisch-Regular.ttf",
        "Grenze Gotisch",
        "Regular",
        400,
        False,
    ),
    Font(
        "MS Sans Serif",
        "every window without a font of its own, 8 pt",
        ARIMO,
        "package/files/arimo-latin-400-normal.woff2",
        "Arimo-Regular.ttf",
        "Arimo",
        "Regular",
        400,
        False,
    ),
    Font(
        "MS Sans Serif",
        "(bold)",
        ARIMO,
        "package/files/arimo-latin-700-normal.woff2",
        "Arimo-Bold.ttf",
        "Arimo",
        "Bold",
        700,
        False,
    ),
]


class Failure(Exception):
    pass


def integrity_of(data):
    return "sha512-" + base64.b64encode(hashlib.sha512(data).digest()).decode("ascii")


def tarball_name(package):
    return package.name.lstrip("@").replace("/", "-") + "-" + package.version + ".tgz"


def fetch(package, packages_dir, work_dir):
    """Return the bytes of the package tarball, from packages_dir or from npm."""
    if packages_dir:
        path = os.path.join(packages_dir, tarball_name(package))
    else:
        wanted = package.name + "@" + package.version
        result = subprocess.run(
            ["npm", "pack", wanted, "--silent", "--pack-destination", work_dir],
            check=True,
            stdout=subprocess.PIPE,
            text=True,
        )
        path = os.path.join(work_dir, result.stdout.strip().splitlines()[-1])
    with open(path, "rb") as f:
        data = f.read()
    if integrity_of(data) != package.integrity:
        raise Failure("%s: tarball %s does not match the pinned sha512" % (package.name, path))
    return data


class Unpacked:
    def __init__(self, package, data):
        self.package = package
        self.tar = tarfile.open(fileobj=io.BytesIO(data), mode="r:gz")

    def read(self, member):
        f = self.tar.extractfile(member)
        if f is None:
            raise Failure("%s: no file %s" % (self.package.name, member))
        return f.read()


def has_reserved_name(text):
    # Spelled "Reserved Font Name", "ReservedFont Name", ... in the wild.
    return "reservedfontname" in "".join(text.lower().split())


def check_package(unpacked):
    package = unpacked.package
    meta = json.loads(unpacked.read("package/package.json"))
    if meta.get("name") != package.name or meta.get("version") != package.version:
        raise Failure("%s: package.json names %s %s" % (package.name, meta.get("name"), meta.get("version")))
    if meta.get("license") != "OFL-1.1":
        raise Failure("%s: license is %r, not OFL-1.1" % (package.name, meta.get("license")))
    text = unpacked.read("package/LICENSE").decode("utf-8")
    if "SIL OPEN FONT LICENSE Version 1.1" not in text:
        raise Failure("%s: LICENSE does not carry the OFL 1.1 text" % package.name)
    # The reserved names, if any, follow the copyright lines above the license.
    if has_reserved_name(text.split("This Font Software is licensed")[0]):
        raise Failure("%s: the font has a Reserved Font Name" % package.name)
    return text


def name_of(font, name_id):
    record = font["name"].getName(name_id, 3, 1, 0x409) or font["name"].getName(name_id, 1, 0, 0)
    return record.toUnicode() if record else None


def convert(font, unpacked):
    """Return the .ttf bytes of one font after checking it."""
    tt = TTFont(io.BytesIO(unpacked.read(font.source)), recalcTimestamp=False)
    what = "%s (%s)" % (font.output, font.source)
    family = name_of(tt, 16) or name_of(tt, 1)
    style = name_of(tt, 17) or name_of(tt, 2)
    if family != font.family or style != font.style:
        raise Failure("%s: stores %r %r, expected %r %r" % (what, family, style, font.family, font.style))
    if tt["OS/2"].usWeightClass != font.weight:
        raise Failure("%s: weight %d, expected %d" % (what, tt["OS/2"].usWeightClass, font.weight))
    if bool(tt["OS/2"].fsSelection & 1) != font.italic:
        raise Failure("%s: italic flag is not %s" % (what, font.italic))
    if has_reserved_name(name_of(tt, 0) or ""):
        raise Failure("%s: the font has a Reserved Font Name" % what)
    cmap = tt.getBestCmap()
    missing = [c for c in REQUIRED if ord(c) not in cmap]
    if missing:
        raise Failure("%s: no glyph for %s" % (what, " ".join("U+%04X" % ord(c) for c in missing)))
    tt.flavor = None
    out = io.BytesIO()
    tt.save(out)
    data = out.getvalue()
    if len(data) > MAX_BYTES:
        raise Failure("%s: %d bytes, over %d" % (what, len(data), MAX_BYTES))
    return data


def readme():
    lines = [
        "# Fonts compiled into Quoriam",
        "",
        "The windows name decorative faces that are not free software, and windows",
        "without a font of their own use the 8-point dialog face. Quoriam ships a free",
        "substitute for each and registers it at start-up, so every machine draws the",
        "same thing. All of them are under the SIL Open Font License 1.1; each family's",
        "copyright line and license text are in the `*-OFL.txt` file named below.",
        "",
        "The files are the \"latin\" subset (U+0000-00FF and common punctuation) of the",
        "Fontsource npm packages, unpacked from WOFF2 to TrueType by",
        "`tools/fonts/convert.py`, which also writes this file. Do not edit them by hand:",
        "change the list in the script and rerun it (`--check` compares without writing).",
        "",
        "| Face asked for | Used for | File | Family (as Qt reports it) | Style, weight | Source | License |",
        "| --- | --- | --- | --- | --- | --- | --- |",
    ]
    for f in FONTS:
        source = "`%s` %s, `%s`" % (f.package.name, f.package.version, f.source[len("package/") :])
        lines.append(
            "| %s | %s | `%s` | `%s` | %s, %d | %s | OFL-1.1, `%s` |"
            % (f.asked_for, f.used_as, f.output, f.family, f.style, f.weight, source, f.package.license_file)
        )
    lines += [
        "",
        "Only the weights listed exist: a bold request for a family that has no Bold",
        "face (Pinyon Script, Great Vibes, Bodoni Moda 11pt) is drawn with an emboldened",
        "Regular (or Italic) by Qt's font engine.",
        "",
    ]
    return "\n".join(lines)


def outputs(packages_dir):
    """Return {file name: bytes} for everything the script writes."""
    files = {}
    with tempfile.TemporaryDirectory() as work_dir:
        unpacked = {}
        for font in FONTS:
            package = font.package
            if package not in unpacked:
                unpacked[package] = Unpacked(package, fetch(package, packages_dir, work_dir))
                files[package.license_file] = check_package(unpacked[package]).encode("utf-8")
            files[font.output] = convert(font, unpacked[package])
    files["README.md"] = readme().encode("utf-8")
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--packages", metavar="DIR", help="read the package tarballs from DIR instead of npm")
    parser.add_argument("--check", action="store_true", help="compare with resources/fonts/, write nothing")
    args = parser.parse_args()
    try:
        files = outputs(args.packages)
    except (Failure, subprocess.CalledProcessError, OSError) as e:
        print("convert.py: %s" % e, file=sys.stderr)
        return 1
    differ = []
    for name, data in sorted(files.items()):
        path = os.path.join(OUT_DIR, name)
        try:
            with open(path, "rb") as f:
                same = f.read() == data
        except FileNotFoundError:
            same = False
        if args.check:
            if not same:
                differ.append(name)
        elif not same:
            os.makedirs(OUT_DIR, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
            print("wrote %s (%d bytes)" % (os.path.relpath(path, REPO), len(data)))
    if differ:
        print("convert.py: out of date: %s" % ", ".join(differ), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
