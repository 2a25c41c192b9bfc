#!/usr/bin/env python3
"""Checks the winget manifest beside the setups (build/package, or KELVORO_PACKAGE_DIR): YAML of one
package version and schema, the packaged setups' hashes, a locale for each catalogue with its
tagline. "winget_test.py arp ARCH UNINSTALL" prints instead the Add/Remove entry that ARCH's
installer names under UNINSTALL, as install_test.sh's "KEY|NAME|TYPE|DATA" lines."""

import glob, hashlib, json, os, pathlib, re, struct, sys, unittest
import yaml

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PACKAGE = os.path.realpath(os.environ.get("KELVORO_PACKAGE_DIR", ROOT + "/build/package"))
LANG = os.path.join(ROOT, "res", "lang")
REQUIRED = {"version": {"DefaultLocale"}, "installer": {"Installers"}, "locale": set(),
            "defaultLocale": {"Publisher", "PackageName", "License", "ShortDescription"}}


def text(*path):
    return pathlib.Path(*path).read_text(encoding="utf-8")


def manifest():
    """(version, {file name: (first line, document)}) of the package's one version folder."""
    folders = glob.glob(os.path.join(PACKAGE, "manifests", "o", "Orvane", "Kelvoro", "*"))
    if len(folders) != 1:
        raise AssertionError("not one version folder of Orvane.Kelvoro: %s" % folders)
    texts = {os.path.basename(path): text(path) for path in glob.glob(folders[0] + "/*")}
    files = {name: (t.split("\n", 1)[0], yaml.safe_load(t)) for name, t in texts.items()}
    return os.path.basename(folders[0]), files


def of_type(files, kind):
    return [doc for _, doc in files.values() if doc["ManifestType"] == kind]


def tagline(text, field):
    match = re.search(r'msgctxt "main\.tagline"\nmsgid (".*")\nmsgstr (".*")', text)
    return json.loads(match.group(field))


class WingetManifest(unittest.TestCase):
    def setUp(self):
        self.version, self.files = manifest()

    def test_files_are_yaml_of_one_package_version_and_schema(self):
        for name, (first, doc) in self.files.items():
            with self.subTest(name):
                kind = doc["ManifestType"]
                self.assertEqual(first, "# yaml-language-server: $schema=https://aka.ms/"
                                 "winget-manifest.%s.1.10.0.schema.json" % kind)
                self.assertEqual(
                    (doc["PackageIdentifier"], doc["PackageVersion"], doc["ManifestVersion"]),
                    ("Orvane.Kelvoro", self.version, "1.10.0"))
                suffix = {"version": "", "installer": ".installer"}.get(
                    kind, ".locale.%s" % doc.get("PackageLocale"))
                self.assertEqual(name, "Orvane.Kelvoro%s.yaml" % suffix)
                self.assertLessEqual(REQUIRED[kind], set(doc))
        version, = of_type(self.files, "version")
        default, = of_type(self.files, "defaultLocale")
        self.assertEqual(version["DefaultLocale"], default["PackageLocale"])

    def test_installers_are_the_setups_packaged_with_them(self):
        installer, = of_type(self.files, "installer")
        sums = text(PACKAGE, "SHA256SUMS").splitlines()
        listed = {name.strip(): digest for digest, name in (l.split(None, 1) for l in sums)}
        machines = {}
        for setup in installer["Installers"]:
            name = setup["InstallerUrl"].rsplit("/", 1)[1]
            data = pathlib.Path(PACKAGE, name).read_bytes()
            digest = setup["InstallerSha256"].lower()
            self.assertEqual((digest, digest), (hashlib.sha256(data).hexdigest(), listed[name]))
            self.assertIn(b"NullsoftInst", data)  # the data header of an NSIS setup
            machines[setup["Architecture"]] = struct.unpack_from(
                "<H", data, struct.unpack_from("<I", data, 0x3C)[0] + 4)[0]
            entry, = setup["AppsAndFeaturesEntries"]
            self.assertEqual(
                (entry["DisplayVersion"], entry["ProductCode"], entry["InstallerType"]),
                (self.version, setup["ProductCode"], installer["InstallerType"]))
        self.assertEqual(installer["InstallerType"], "nullsoft")
        self.assertEqual(machines, {"x86": 0x14C, "x64": 0x8664})

    def test_a_locale_for_each_catalogue_with_its_tagline(self):
        def language(tag):  # its catalogue: pt-BR -> pt_BR, sr-Latn-RS -> sr_Latn, de-DE -> de
            full = "_".join(tag.split("-")[:2])
            return full if os.path.exists(os.path.join(LANG, full + ".po")) else tag.split("-")[0]
        wanted = {os.path.basename(path)[:-3]: tagline(text(path), 2)
                  for path in glob.glob(os.path.join(LANG, "*.po"))}
        wanted["en"] = tagline(text(LANG, "kelvoro.pot"), 1)
        docs = of_type(self.files, "defaultLocale") + of_type(self.files, "locale")
        self.assertEqual(len(docs), len(wanted))
        got = {language(d["PackageLocale"]): d["ShortDescription"] for d in docs}
        self.assertEqual(got, wanted)


def arp_lines(arch, uninstall):
    installer, = of_type(manifest()[1], "installer")
    setup, = [s for s in installer["Installers"] if s["Architecture"] == arch]
    entry, = setup["AppsAndFeaturesEntries"]
    key = "%s\\%s" % (uninstall, entry["ProductCode"])
    lines = ["%s|%s|REG_SZ|%s" % (key, name, entry[name])
             for name in ("DisplayName", "Publisher", "DisplayVersion")]
    # Windows Installer marks its entries, which a nullsoft setup's must not be taken for.
    msi = entry["InstallerType"] in ("msi", "wix")
    return lines + ["%s|WindowsInstaller|%s" % (key, "REG_DWORD|0x1" if msi else "<missing>")]


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "arp":
        try:
            print("\n".join(arp_lines(*sys.argv[2:])))
        except (AssertionError, OSError, KeyError, ValueError, yaml.YAMLError) as error:
            sys.exit("winget_test.py: no Add/Remove entry for %s: %r" % (sys.argv[2], error))
    else:
        unittest.main()
