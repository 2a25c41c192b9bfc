#!/usr/bin/env python3
"""Writes the Windows Package Manager (winget) manifest of a release, from the setups it packaged.

    winget_manifest.py OUT_DIR ARCH=SETUP_FILE...     (scripts/package.sh: x86=... x64=...)

Writes OUT_DIR/manifests/o/Orvane/Kelvoro/<version>/, laid out as the community repository lays
out a package (schema 1.10.0): the version manifest, the installer manifest (one installer for each
ARCH, its InstallerSha256 the SHA-256 of OUT_DIR/SETUP_FILE), the default-locale manifest (en-US)
and one locale manifest for each catalogue in res/lang. Every value comes from the project:

- installer/kelvoro.nsi, read as makensis reads it for each ARCH (its !define values and !if
  blocks): the version, name, publisher and the Add/Remove entry the setup writes (whose key name
  is the product code), the elevation it asks for;
- res/lang/kelvoro.pot and res/lang/*.po: the short description (the main window's tagline), the
  licence (the About window's "Freeware"), the release date of the About window, a search term
  (the Recycle Bin's name), each in its language;
- src/settings/maker_info.h, src/app/win32/form2_layout.h: the maker's web pages, the author;
- README.md: the description (its first paragraph).

InstallerUrl is KELVORO_RELEASE_URL (default: the program's page on the maker's site) followed by
"/" and the setup's file name. Writing needs only the standard library.
"""

import datetime
import hashlib
import json
import os
import re
import shutil
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IDENTIFIER = "Orvane.Kelvoro"
MANIFEST_VERSION = "1.10.0"
DEFAULT_LOCALE = "en-US"
SCHEMA = "https://aka.ms/winget-manifest.%s." + MANIFEST_VERSION + ".schema.json"
# The region of each catalogue named by its language alone, or by its language and script, for
# its locale tag (de -> de-DE, sr_Latn -> sr-Latn-RS); one named with its region needs none
# (pt_BR -> pt-BR).
REGIONS = {"de": "DE", "fr": "FR", "es": "ES", "it": "IT", "ru": "RU", "pl": "PL", "tr": "TR",
           "ja": "JP", "ko": "KR", "en": "US",
           "ar": "SA", "he": "IL", "th": "TH", "el": "GR", "uk": "UA", "bg": "BG",
           "sr_Latn": "RS", "hr": "HR", "sl": "SI", "sk": "SK", "cs": "CZ", "hu": "HU",
           "nl": "NL", "sv": "SE", "da": "DK", "nb": "NO", "fi": "FI", "et": "EE", "lv": "LV",
           "lt": "LT", "ro": "RO"}
# What the setup's RequestExecutionLevel means to winget: "admin" asks Windows for elevation
# (the UAC prompt) when started without it.
ELEVATION = {"admin": "elevatesSelf"}
EXTRA_ENGLISH_TAGS = ["icons", "sound"]  # what the README says the program changes


class ManifestError(Exception):
    pass


def read(*parts):
    with open(os.path.join(ROOT, *parts), encoding="utf-8") as source:
        return source.read()


# --- installer/kelvoro.nsi ------------------------------------------------------------------

def expand(text, defines):
    return re.sub(r"\$\{(\w+)\}", lambda m: defines.get(m.group(1), m.group(0)), text)


def nsis_condition(directive, rest, defines):
    if directive in ("!ifdef", "!ifndef"):
        return (rest.split()[0] in defines) == (directive == "!ifdef")
    match = re.match(r'"([^"]*)"\s*(==|!=)\s*"([^"]*)"', rest)
    if not match:
        raise ManifestError("installer/kelvoro.nsi: cannot read the condition %r" % rest)
    same = expand(match.group(1), defines) == expand(match.group(3), defines)
    return same == (match.group(2) == "==")


def nsis_defines(script, arch):
    """The !define values of the script as makensis -DARCH=arch sees them, values expanded."""
    defines = {"ARCH": arch}
    blocks = []  # for each open !if: [whether its enclosing block is active, a branch was taken]
    active = True
    for line in script.splitlines():
        words = line.strip().split(None, 1)
        if not words or not words[0].startswith("!"):
            continue
        directive, rest = words[0], words[1] if len(words) > 1 else ""
        if directive in ("!if", "!ifdef", "!ifndef"):
            taken = active and nsis_condition(directive, rest, defines)
            blocks.append([active, taken])
            active = taken
        elif directive == "!else":
            outer, done = blocks[-1]
            taken = outer and not done
            if taken and rest.startswith("if "):
                taken = nsis_condition("!if", rest[3:], defines)
            blocks[-1][1] = done or taken
            active = taken
        elif directive == "!endif":
            active = blocks.pop()[0]
        elif directive == "!define" and active:
            match = re.match(r'(\w+)\s+(?:"([^"]*)"|(\S+))', rest)
            if match:
                value = match.group(2) if match.group(2) is not None else match.group(3)
                defines[match.group(1)] = expand(value, defines)
    return defines


def setup_facts(script, arch):
    """What the setup for arch writes in its Add/Remove entry, and how it runs."""
    defines = nsis_defines(script, arch)
    written = {m.group(1): expand(m.group(2), defines) for m in re.finditer(
        r'^\s*WriteRegStr\s+HKLM\s+"\$\{ARP_KEY\}"\s+"(\w+)"\s+"([^"]*)"', script, re.M)}
    level = re.search(r"^\s*RequestExecutionLevel\s+(\w+)", script, re.M)
    copyright_text = re.search(r'VIAddVersionKey\s+/LANG=1033\s+"LegalCopyright"\s+"([^"]*)"',
                               script)
    missing = {"DisplayName", "DisplayVersion", "Publisher"} - set(written)
    known = level and level.group(1) in ELEVATION
    if missing or {"ARP_KEY", "PRODUCT_NAME"} - set(defines) or not known:
        raise ManifestError("installer/kelvoro.nsi (%s): no ARP_KEY, PRODUCT_NAME, known "
                            "RequestExecutionLevel or HKLM Add/Remove %s"
                            % (arch, ", ".join(sorted(missing)) or "entry"))
    return {
        "DisplayName": written["DisplayName"],
        "Publisher": written["Publisher"],
        "DisplayVersion": written["DisplayVersion"],
        "ProductCode": defines["ARP_KEY"].rsplit("\\", 1)[-1],
        "PackageName": defines["PRODUCT_NAME"],
        "Copyright": copyright_text and expand(copyright_text.group(1), defines),
        "ElevationRequirement": ELEVATION[level.group(1)],
    }


# --- catalogues and sources ---------------------------------------------------------------

def catalogue(text):
    """{msgctxt: (msgid, msgstr)} of a gettext catalogue."""
    entries = {}
    for block in re.split(r"\n\s*\n", text):
        fields, key = {}, None
        for line in block.splitlines():
            line = line.strip()
            match = re.match(r'(msgctxt|msgid|msgstr)\s+(".*")$', line)
            if match:
                key = match.group(1)
                fields[key] = json.loads(match.group(2))
            elif line.startswith('"') and key:
                fields[key] += json.loads(line)
        if "msgctxt" in fields:
            entries[fields["msgctxt"]] = (fields.get("msgid", ""), fields.get("msgstr", ""))
    return entries


def translated(entries, english, context):
    """The catalogue's text for context, or None where the program would show the English one."""
    msgid, msgstr = entries.get(context, ("", ""))
    return msgstr if msgstr and msgid == english[context][0] else None


def locale_tag(language):
    if "_" in language and language not in REGIONS:
        return language.replace("_", "-")
    if language not in REGIONS:
        raise ManifestError("res/lang/%s.po: add its country to REGIONS in %s"
                            % (language, os.path.basename(__file__)))
    return language.replace("_", "-") + "-" + REGIONS[language]


def c_string(text, name, source):
    match = re.search(r"\b%s(?:\[\])?\s*=\s*\"([^\"]*)\"" % name, text)
    if not match:
        raise ManifestError("%s: no %s" % (source, name))
    return match.group(1)


def readme_lead():
    match = re.search(r"^# .*\n\n((?:.+\n)+)", read("README.md"), re.M)
    return " ".join(match.group(1).split()) if match else None


def search_term(name):
    return "-".join(name.lower().split())


# --- YAML ---------------------------------------------------------------------------------

PLAIN = re.compile(r"(?:[^\W_]|/)[\w ./:()'=<>+,-]*")
NUMBER = re.compile(r"[-+]?[0-9_]*\.?[0-9_]*([eE][-+]?[0-9]+)?")
RESERVED = {"y", "n", "yes", "no", "true", "false", "on", "off", "null", "~"}


def scalar(value):
    if isinstance(value, datetime.date):
        return value.isoformat()
    text = str(value)
    if (PLAIN.fullmatch(text) and not NUMBER.fullmatch(text) and text.lower() not in RESERVED
            and ": " not in text and not text.endswith(" ")):
        return text
    return json.dumps(text, ensure_ascii=False)  # a YAML double-quoted scalar


def to_yaml(mapping, indent=""):
    lines = []
    for key, value in mapping.items():
        if isinstance(value, dict):
            lines += ["%s%s:" % (indent, key)] + to_yaml(value, indent + "  ")
        elif isinstance(value, list):
            lines.append("%s%s:" % (indent, key))
            for item in value:
                if isinstance(item, dict):
                    inner = to_yaml(item, indent + "  ")
                    lines += [indent + "- " + inner[0][len(indent) + 2:]] + inner[1:]
                else:
                    lines.append("%s- %s" % (indent, scalar(item)))
        else:
            lines.append("%s%s: %s" % (indent, key, scalar(value)))
    return lines


def write_manifest(folder, name, manifest_type, fields):
    body = dict(fields, ManifestType=manifest_type, ManifestVersion=MANIFEST_VERSION)
    lines = ["# yaml-language-server: $schema=" + SCHEMA % manifest_type, ""] + to_yaml(body)
    with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


# --- the manifest -------------------------------------------------------------------------

def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as setup:
        for block in iter(lambda: setup.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def make(out_dir, setups):
    script = read("installer", "kelvoro.nsi")
    facts = {arch: setup_facts(script, arch) for arch in setups}
    first = facts[next(iter(setups))]
    version = first["DisplayVersion"]
    if any(f["DisplayVersion"] != version for f in facts.values()):
        raise ManifestError("the setups write different versions: %s" % facts)
    maker = read("src", "settings", "maker_info.h")
    publisher_url = c_string(maker, "kMakerWebAddress", "maker_info.h")
    package_url = c_string(maker, "kMakerSecondWebAddress", "maker_info.h")
    author = c_string(read("src", "app", "win32", "form2_layout.h"), "kAuthor", "form2_layout.h")
    release_url = os.environ.get("KELVORO_RELEASE_URL") or package_url
    if not re.match(r"[Hh][Tt][Tt][Pp][Ss]?://.+", release_url):
        raise ManifestError("KELVORO_RELEASE_URL must be an http:// or https:// address")
    english = catalogue(read("res", "lang", "kelvoro.pot"))
    released = datetime.datetime.strptime(
        english["about.released"][0].split(None, 1)[1], "%d %B %Y").date()

    digests = {arch: sha256(os.path.join(out_dir, setup)) for arch, setup in setups.items()}

    publisher_dir, package_dir = IDENTIFIER.split(".", 1)
    top = os.path.join(out_dir, "manifests", publisher_dir[0].lower(), publisher_dir, package_dir)
    folder = os.path.join(top, version)
    shutil.rmtree(top, ignore_errors=True)
    os.makedirs(folder)
    head = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}

    write_manifest(folder, IDENTIFIER + ".yaml", "version",
                   dict(head, DefaultLocale=DEFAULT_LOCALE))

    installers = []
    for arch, setup in setups.items():
        entry = {k: facts[arch][k] for k in ("DisplayName", "Publisher", "DisplayVersion",
                                              "ProductCode")}
        installers.append({
            "Architecture": arch,
            "InstallerUrl": release_url.rstrip("/") + "/" + setup,
            "InstallerSha256": digests[arch],
            "ProductCode": entry["ProductCode"],
            "AppsAndFeaturesEntries": [dict(entry, InstallerType="nullsoft")],
        })
    write_manifest(folder, IDENTIFIER + ".installer.yaml", "installer", dict(
        head,
        InstallerType="nullsoft",
        Scope="machine",  # HKLM entry, all users' Start menu, Program Files
        InstallModes=["interactive", "silent", "silentWithProgress"],
        InstallerSwitches={"Silent": "/S", "SilentWithProgress": "/S",
                           "InstallLocation": "/D=<INSTALLPATH>"},
        UpgradeBehavior="install",  # a setup run over an install updates it in place
        ReleaseDate=released,
        ElevationRequirement=first["ElevationRequirement"],
        Installers=installers))

    description = readme_lead()
    default = dict(head, PackageLocale=DEFAULT_LOCALE, Publisher=first["Publisher"],
                   PublisherUrl=publisher_url, Author=author, PackageName=first["PackageName"],
                   PackageUrl=package_url, License=english["about.freeware"][0])
    if first["Copyright"]:
        default["Copyright"] = first["Copyright"]
    default["ShortDescription"] = english["main.tagline"][0]
    if description:
        default["Description"] = description
    default["Moniker"] = first["PackageName"].lower()
    default["Tags"] = [search_term(english["main.bin_name"][0])] + EXTRA_ENGLISH_TAGS
    write_manifest(folder, "%s.locale.%s.yaml" % (IDENTIFIER, DEFAULT_LOCALE), "defaultLocale",
                   default)

    languages = sorted(f[:-3] for f in os.listdir(os.path.join(ROOT, "res", "lang"))
                       if f.endswith(".po"))
    for language in languages:
        entries = catalogue(read("res", "lang", language + ".po"))
        tag = locale_tag(language)
        fields = dict(head, PackageLocale=tag)
        for field, context in (("License", "about.freeware"), ("ShortDescription", "main.tagline")):
            text = translated(entries, english, context)
            if text:
                fields[field] = text
        bin_name = translated(entries, english, "main.bin_name")
        if bin_name:
            fields["Tags"] = [search_term(bin_name)]
        write_manifest(folder, "%s.locale.%s.yaml" % (IDENTIFIER, tag), "locale", fields)
    return folder


def main(argv):
    if len(argv) < 3 or not all(re.fullmatch(r"\w+=[^/]+", a) for a in argv[2:]):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        folder = make(argv[1], dict(a.split("=", 1) for a in argv[2:]))
    except (ManifestError, OSError, KeyError, ValueError) as error:
        print("winget_manifest.py: %s" % error, file=sys.stderr)
        return 1
    print("winget manifest: %s" % os.path.relpath(folder))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
