#!/usr/bin/env python3
"""Hardening check of a Windows executable, 32-bit (PE32, i386) or 64-bit (PE32+, x64).

    check_pe.py "build/win32/dist/Kelvoro 2.1.exe"
    check_pe.py --machine x64 "build/win64/dist/Kelvoro 2.1.exe"   (the machine must be x64)
    check_pe.py --bare build/win32/bench/bare_window.exe   (only: the file parses as a PE)

The machine is read from the file; --machine x86|x64 also requires it. Prints one line per check,
"PASS name" or "FAIL name: detail", then "N passed, M failed". Exits 1 when any check fails (2 on
a usage error). Python 3 standard library; the check of the imported functions against Windows XP
runs the MinGW-w64 C compiler of the executable's machine. pe_image.py reads the file,
pe_xp_imports.py checks its imports against Windows XP.
"""

import re
import struct
import sys

from pe_image import (DIR_BASERELOC, DLL_DYNAMIC_BASE, DLL_HIGH_ENTROPY_VA, DLL_NX_COMPAT,
                      DLL_TERMINAL_SERVER_AWARE, FILE_RELOCS_STRIPPED, PE32_PLUS_MAGIC,
                      RT_MANIFEST, SCN_MEM_EXECUTE, SCN_MEM_WRITE, SUBSYSTEM_WINDOWS_GUI,
                      PeError, PeImage)
from pe_xp_imports import ALLOWED_DLLS, MACHINES, check_xp_imports

SIZE_LIMIT = 400 * 1024


def manifest_text(raw):
    for bom, codec in ((b"\xef\xbb\xbf", "utf-8"), (b"\xff\xfe", "utf-16-le"),
                       (b"\xfe\xff", "utf-16-be")):
        if raw.startswith(bom):
            return raw[len(bom):].decode(codec, "replace")
    return raw.decode("utf-8", "replace")


def check_manifest(image, machine):
    """(ok, detail) for the embedded manifest."""
    manifests = image.resources(RT_MANIFEST)
    if not manifests:
        return False, "no RT_MANIFEST resource"
    text = "\n".join(manifest_text(m) for m in manifests)
    missing = []
    if not re.search(r"<(\w+:)?requestedExecutionLevel\b[^>]*\blevel\s*=\s*[\"']asInvoker[\"']",
                     text):
        missing.append('requestedExecutionLevel level="asInvoker"')
    common_controls = re.search(
        r"<(\w+:)?assemblyIdentity\b[^>]*\bname\s*=\s*[\"']Microsoft\.Windows\.Common-Controls[\"']"
        r"[^>]*>", text)
    if not common_controls or not re.search(r"\bversion\s*=\s*[\"']6\.", common_controls.group(0)):
        missing.append("Microsoft.Windows.Common-Controls version 6 dependency")
    dpi = re.search(r"<(\w+:)?dpiAware\b[^>]*>\s*([^<]*?)\s*<", text)
    if not dpi or dpi.group(2).lower() not in ("true", "true/pm", "per monitor", "permonitor"):
        missing.append("dpiAware true" + (" (found %r)" % dpi.group(2) if dpi else ""))
    problems = ["missing " + "; ".join(missing)] if missing else []
    # The program's identity and the Common Controls dependency: "*" or this machine.
    for found in re.findall(r"\bprocessorArchitecture\s*=\s*[\"']([^\"']*)[\"']", text):
        if found != "*" and found.lower() != machine.manifest_name:
            problems.append('processorArchitecture="%s" in a %s executable (wants "*" or "%s")'
                            % (found, machine.name, machine.manifest_name))
    if problems:
        return False, "; ".join(problems)
    return True, "%d manifest(s), %d bytes" % (len(manifests), sum(len(m) for m in manifests))


def run_checks(data, bare, wanted=None):
    """Yields (name, ok, detail) for each check, or (name, ok, detail, note) where a passing
    check has something worth printing too. `wanted`: "x86", "x64" or None (either)."""
    try:
        image = PeImage(data)
    except PeError as error:
        yield "parses", False, str(error)
        return
    yield "parses", True, ""
    if bare:
        return

    machine = next((m for m in MACHINES.values()
                    if (m.machine, m.magic) == (image.machine, image.magic)), None)
    found = "machine 0x%x, optional header magic 0x%x" % (image.machine, image.magic)
    if machine is None:
        yield "machine", False, found + ": neither PE32 i386 nor PE32+ x64"
        return
    yield ("machine", wanted in (None, machine.name),
           "%s is %s, not %s" % (found, machine.name, wanted), machine.name)
    yield ("subsystem-windows-gui", image.subsystem == SUBSYSTEM_WINDOWS_GUI,
           "subsystem %d" % image.subsystem)
    versions = "subsystem version %d.%d, OS version %d.%d" % (image.subsystem_version +
                                                              image.os_version)
    yield ("xp-version-fields", max(image.subsystem_version, image.os_version) <= machine.version,
           "%s; %s accepts at most %d.%d" % ((versions, machine.windows) + machine.version),
           versions)

    flags = [("dynamic-base", DLL_DYNAMIC_BASE), ("nx-compat", DLL_NX_COMPAT),
             ("terminal-server-aware", DLL_TERMINAL_SERVER_AWARE)]
    if machine.magic == PE32_PLUS_MAGIC:
        flags.insert(1, ("high-entropy-va", DLL_HIGH_ENTROPY_VA))
    for name, flag in flags:
        yield (name, bool(image.dll_characteristics & flag),
               "DllCharacteristics 0x%04x" % image.dll_characteristics)

    reloc_rva, reloc_size = image.directory(DIR_BASERELOC)
    stripped = bool(image.file_characteristics & FILE_RELOCS_STRIPPED)
    yield ("relocations", reloc_rva != 0 and reloc_size > 0 and not stripped,
           "base relocation directory %d bytes%s" %
           (reloc_size, ", RELOCS_STRIPPED set" if stripped else ""))

    wx = [s.name for s in image.sections
          if s.characteristics & SCN_MEM_WRITE and s.characteristics & SCN_MEM_EXECUTE]
    yield "no-writable-executable-section", not wx, "writable and executable: " + ", ".join(wx)

    unreadable = (PeError, ValueError, struct.error)
    try:
        dlls = [dll for dll, _ in image.imports()]
    except unreadable as error:
        yield "system-imports-only", False, "import table unreadable: %s" % error
    else:
        others = [d for d in dlls if d.lower() not in ALLOWED_DLLS]
        found = "found " + (", ".join(dlls) if dlls else "none")
        yield ("system-imports-only", not others,
               "not Windows system DLLs: %s (%s)" % (", ".join(others), found), found)
        try:
            yield ("imports-on-xp",) + check_xp_imports(image, machine)
        except (OSError,) + unreadable as error:
            yield "imports-on-xp", False, str(error)

    try:
        ok, detail = check_manifest(image, machine)
    except unreadable as error:
        ok, detail = False, "resources unreadable: %s" % error
    yield "manifest", ok, detail

    yield ("size-under-400-KB", len(data) < SIZE_LIMIT,
           "%d bytes (%.1f KB), limit %d bytes" % (len(data), len(data) / 1024, SIZE_LIMIT))


def main(argv):
    args, bare, wanted, paths = argv[1:], False, None, []
    while args:
        arg = args.pop(0)
        if arg == "--bare":
            bare = True
        elif arg == "--machine" and args and args[0] in MACHINES:
            wanted = args.pop(0)
        elif arg.startswith("--"):
            paths = []
            break
        else:
            paths.append(arg)
    if len(paths) != 1:
        print("usage: check_pe.py [--bare] [--machine x86|x64] FILE.exe", file=sys.stderr)
        return 2
    try:
        with open(paths[0], "rb") as f:
            data = f.read()
    except OSError as error:
        print("FAIL read: %s" % error)
        print("0 passed, 1 failed")
        return 1

    passed = failed = 0
    for name, ok, detail, *note in run_checks(data, bare, wanted):
        if ok:
            passed += 1
            print("PASS %s" % name + "".join(": " + n for n in note if n))
        else:
            failed += 1
            print("FAIL %s: %s" % (name, detail))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
