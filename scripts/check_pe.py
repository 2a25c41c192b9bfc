#!/usr/bin/env python3
"""Hardening check of a Windows executable, 32-bit (PE32, i386) or 64-bit (PE32+, x64).

    check_pe.py "build/win32/dist/Kelvoro 2.1.exe"
    check_pe.py --machine x64 "build/win64/dist/Kelvoro 2.1.exe"   (the machine must be x64)
    check_pe.py --bare build/win32/bench/bare_window.exe   (only: the file parses as a PE)

The machine is read from the file; --machine x86|x64 also requires it. Prints one line per check,
"PASS name" or "FAIL name: detail", then "N passed, M failed". Exits 1 when any check fails (2 on
a usage error). Python 3 standard library; the check of the imported functions against Windows XP
runs the MinGW-w64 C compiler of the executable's machine.
"""

import collections
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

PE32_MAGIC = 0x10B
PE32_PLUS_MAGIC = 0x20B
SUBSYSTEM_WINDOWS_GUI = 2
DLL_HIGH_ENTROPY_VA = 0x0020
DLL_DYNAMIC_BASE = 0x0040
DLL_NX_COMPAT = 0x0100
DLL_TERMINAL_SERVER_AWARE = 0x8000
FILE_RELOCS_STRIPPED = 0x0001
SCN_MEM_EXECUTE = 0x20000000
SCN_MEM_WRITE = 0x80000000
DIR_IMPORT = 1
DIR_RESOURCE = 2
DIR_BASERELOC = 5
DIR_DELAY_IMPORT = 13
RT_MANIFEST = 24
SIZE_LIMIT = 400 * 1024

# Windows' own DLLs, the only ones the program may load: it ships as one file.
ALLOWED_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll", "ole32.dll",
    "oleaut32.dll", "shell32.dll", "shlwapi.dll", "msvcrt.dll",
}

# What the checks expect of one machine: its PE format, its name in manifests, and the oldest
# Windows it must run on (XP SP3; XP x64 for x64) as version fields and as the settings of the
# MinGW-w64 headers and C compiler that describe that Windows; import_prefix: an import library's
# symbol of an imported name.
Machine = collections.namedtuple("Machine", "name machine magic manifest_name windows version "
                                 "winnt ntddi compiler import_prefix")
MACHINES = {
    "x86": Machine("x86", 0x14C, PE32_MAGIC, "x86", "Windows XP SP3", (5, 1), 0x0501,
                   0x05010300, "i686-w64-mingw32-gcc", "__imp__"),
    "x64": Machine("x64", 0x8664, PE32_PLUS_MAGIC, "amd64", "Windows XP x64", (5, 2), 0x0502,
                   0x05020200, "x86_64-w64-mingw32-gcc", "__imp_"),
}


class PeError(Exception):
    """The file is not a PE image this checker can read."""


class Section:
    def __init__(self, name, virtual_size, rva, raw_size, raw_offset, characteristics):
        self.name = name
        self.virtual_size = virtual_size
        self.rva = rva
        self.raw_size = raw_size
        self.raw_offset = raw_offset
        self.characteristics = characteristics


class PeImage:
    """The headers, sections and data directories of one PE file, read from its bytes."""

    def __init__(self, data):
        self.data = data
        if len(data) < 0x40 or data[:2] != b"MZ":
            raise PeError("no MZ header")
        (pe_offset,) = self._unpack("<I", 0x3C)
        if data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise PeError("no PE signature at 0x%x" % pe_offset)
        coff = pe_offset + 4
        (self.machine, section_count, _, _, _, optional_size,
         self.file_characteristics) = self._unpack("<HHIIIHH", coff)
        optional = coff + 20
        (self.magic,) = self._unpack("<H", optional)
        if self.magic == PE32_MAGIC:
            (self.image_base,) = self._unpack("<I", optional + 28)
            directories_at, self.thunk_size = optional + 92, 4
        elif self.magic == PE32_PLUS_MAGIC:
            (self.image_base,) = self._unpack("<Q", optional + 24)
            directories_at, self.thunk_size = optional + 108, 8
        else:
            raise PeError("unknown optional header magic 0x%x" % self.magic)
        # From here on both formats lay their fields out alike.
        os_major, os_minor, _, _, sub_major, sub_minor = self._unpack("<6H", optional + 40)
        self.os_version, self.subsystem_version = (os_major, os_minor), (sub_major, sub_minor)
        self.subsystem, self.dll_characteristics = self._unpack("<HH", optional + 68)
        (directory_count,) = self._unpack("<I", directories_at)
        self.directories = [
            self._unpack("<II", directories_at + 4 + 8 * i) for i in range(min(directory_count, 16))
        ]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            at = table + 40 * i
            raw_name, virtual_size, rva, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", data, at)
            (characteristics,) = self._unpack("<I", at + 36)
            name = raw_name.rstrip(b"\0").decode("latin-1")
            self.sections.append(
                Section(name, virtual_size, rva, raw_size, raw_offset, characteristics))

    def _unpack(self, fmt, offset):
        try:
            return struct.unpack_from(fmt, self.data, offset)
        except struct.error:
            raise PeError("truncated at 0x%x" % offset) from None

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset_of(self, rva):
        for s in self.sections:
            if s.rva <= rva < s.rva + max(s.virtual_size, s.raw_size):
                if rva - s.rva >= s.raw_size:
                    break
                return s.raw_offset + rva - s.rva
        raise PeError("RVA 0x%x lies in no section's file data" % rva)

    def u32(self, rva):
        return self._unpack("<I", self.offset_of(rva))[0]

    def c_string(self, rva):
        start = self.offset_of(rva)
        end = self.data.index(b"\0", start)
        return self.data[start:end].decode("latin-1")

    def thunks(self, rva, image_base=0):
        """The entries of an import lookup table: a name, or an int for an import by ordinal."""
        found = []
        ordinal_flag = 1 << (8 * self.thunk_size - 1)
        while True:
            (value,) = self._unpack("<Q" if self.thunk_size == 8 else "<I", self.offset_of(rva))
            if not value:
                return found
            if value & ordinal_flag:
                found.append(value & 0xFFFF)
            else:
                found.append(self.c_string(((value - image_base) & 0x7FFFFFFF) + 2))  # past hint
            rva += self.thunk_size

    def imports(self):
        """[(dll, [function name or ordinal, ...])] of the import and delay-import tables."""
        found = []
        rva, size = self.directory(DIR_IMPORT)
        while rva and size:
            lookup, _, _, name, address = struct.unpack_from("<5I", self.data, self.offset_of(rva))
            if not any((lookup, name, address)):
                break
            found.append((self.c_string(name), self.thunks(lookup or address)))
            rva += 20
        rva, size = self.directory(DIR_DELAY_IMPORT)
        while rva and size:
            descriptor = struct.unpack_from("<8I", self.data, self.offset_of(rva))
            if not any(descriptor):
                break
            # Attribute bit 0 clear: the old layout, whose addresses are VAs rather than RVAs.
            base = 0 if descriptor[0] & 1 else self.image_base
            found.append((self.c_string(descriptor[1] - base),
                          self.thunks(descriptor[4] - base, base)))
            rva += 32
        return found

    def resources(self, type_id):
        """The data of every resource of numeric type `type_id`, all names and languages."""
        root, size = self.directory(DIR_RESOURCE)
        if not root or not size:
            return []

        def entries(directory_rva):
            named, numbered = struct.unpack_from("<HH", self.data, self.offset_of(directory_rva + 12))
            for i in range(named + numbered):
                name, target = struct.unpack_from(
                    "<II", self.data, self.offset_of(directory_rva + 16 + 8 * i))
                yield name, target

        found = []

        def collect(target):
            if target & 0x80000000:
                for _, child in entries(root + (target & 0x7FFFFFFF)):
                    collect(child)
            else:
                data_rva, data_size = struct.unpack_from("<II", self.data,
                                                         self.offset_of(root + target))
                start = self.offset_of(data_rva)
                found.append(self.data[start:start + data_size])

        for name, target in entries(root):
            if not name & 0x80000000 and name == type_id:
                collect(target)
        return found


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


def ar_symbols(path):
    """The names in the symbol table of an ar archive (a static or an import library)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"!<arch>\n" or data[8:24].rstrip() != b"/":
        raise PeError("%s has no ar symbol table" % path)
    table = data[68:68 + int(data[56:66])]
    (count,) = struct.unpack_from(">I", table)
    return [name.decode("latin-1") for name in table[4 + 4 * count:].split(b"\0")[:count]]


def library_exports(compiler, library, prefix):
    """The names an import library of the compiler's MinGW-w64 imports from its DLL."""
    path = subprocess.run([compiler, "-print-file-name=" + library], capture_output=True,
                          text=True).stdout.strip()
    if not os.path.isfile(path):
        raise PeError("%s has no %s" % (compiler, library))
    return {re.sub(r"@\d+$", "", name[len(prefix):]) for name in ar_symbols(path)
            if name.startswith(prefix)}


def msvcrt_on_xp(compiler, machine):
    """The names msvcrt.dll exports on the machine's oldest Windows.

    XP's msvcrt.dll is version 7.0 of the Visual C++ runtime, so a name counts when both Windows'
    own msvcrt.dll (MinGW-w64's libmsvcrt-os.a, of today's Windows) and msvcr70.dll (libmsvcr70.a)
    export it: what later Windows added to msvcrt.dll (the _s and _l functions, _fseeki64, ...)
    is in the first only. The CRT headers are no guide here: they declare those functions whatever
    __MSVCRT_VERSION__ says. There is no 64-bit msvcr70.dll, so for x64 the 32-bit one stands in,
    together with the exception-handling helpers of the x64 calling convention, which every x64
    Windows has had: the names only a 64-bit msvcrt.dll has that kernel32.dll exports as well. Any
    other name only x64's msvcrt.dll has (sqrtf, _setjmpex, ...) then counts as missing: a false
    alarm, never a false pass."""
    x86 = MACHINES["x86"]
    x86_compiler = compiler if machine is x86 else shutil.which(x86.compiler)
    if not x86_compiler:
        raise PeError("%s is not installed (its libmsvcr70.a lists msvcrt 7.0)" % x86.compiler)
    system = library_exports(compiler, "libmsvcrt-os.a", machine.import_prefix)
    known = library_exports(x86_compiler, "libmsvcr70.a", x86.import_prefix)
    if machine is not x86:
        known |= ((system - library_exports(x86_compiler, "libmsvcrt-os.a", x86.import_prefix))
                  & library_exports(compiler, "libkernel32.a", machine.import_prefix))
    return system & known


def undeclared(compiler, machine, names):
    """The names the MinGW-w64 headers do not declare, as functions or data of their own name, for
    the machine's oldest Windows: one line takes the address of each, after an #undef (so that no
    macro for a newer function stands in), and the compiler's errors name the lines."""
    lines = ["#define _WIN32_WINNT 0x%04x" % machine.winnt,
             "#define WINVER 0x%04x" % machine.winnt,
             "#define NTDDI_VERSION 0x%08x" % machine.ntddi,
             "#define _WIN32_IE 0x0603"]  # Internet Explorer 6 SP2: XP SP2 and later, XP x64
    lines += ["#include <%s>" % h for h in ("windows.h", "commctrl.h", "shellapi.h", "shlobj.h",
                                            "shlwapi.h", "ole2.h", "oleauto.h")]
    lines.append("void kelvoro_imports(void) {")
    at_line = {}
    missing = {n for n in names if not re.fullmatch(r"[A-Za-z_]\w*", n)}
    for name in sorted(set(names) - missing):
        lines += ["#undef " + name, "(void)&%s;" % name]
        at_line[len(lines)] = name
    lines.append("}")
    with tempfile.TemporaryDirectory(prefix="check_pe_") as folder:
        source = os.path.join(folder, "xp_imports.c")
        with open(source, "w") as f:
            f.write("\n".join(lines) + "\n")
        result = subprocess.run([compiler, "-fsyntax-only", "-w", source], capture_output=True,
                                text=True, env=dict(os.environ, LC_ALL="C"))
    other = []
    for line in result.stderr.splitlines():
        error = re.match(re.escape(source) + r":(\d+):\d+: error: ", line)
        if error and int(error.group(1)) in at_line:
            missing.add(at_line[int(error.group(1))])
        elif error or "error" in line:
            other.append(line)
    if other or (result.returncode and not missing):
        raise PeError("the headers did not compile: %s" %
                      (other or result.stderr.splitlines() or ["exit %d" % result.returncode])[0])
    return missing


def check_xp_imports(image, machine):
    """(ok, detail, note): every function imported from a Windows DLL exists on the machine's
    oldest Windows. The Windows DLLs: the MinGW-w64 headers declare it for that _WIN32_WINNT.
    msvcrt.dll: see msvcrt_on_xp. Imports by ordinal cannot be checked, so they fail."""
    by_ordinal, win32, crt = [], {}, set()
    for dll, functions in image.imports():
        if dll.lower() not in ALLOWED_DLLS:
            continue  # system-imports-only reports it
        for function in functions:
            if isinstance(function, int):
                by_ordinal.append("%s#%d" % (dll, function))
            elif dll.lower() == "msvcrt.dll":
                crt.add(function)
            else:
                win32.setdefault(function, dll)
    compiler = shutil.which(machine.compiler)
    if not compiler:
        return (False, "%s is not installed: cannot check the imports against the %s headers"
                % (machine.compiler, machine.windows), "")
    missing = ["%s!%s" % (win32[n], n) for n in sorted(undeclared(compiler, machine, win32))]
    if crt:
        missing += ["msvcrt.dll!" + n for n in sorted(crt - msvcrt_on_xp(compiler, machine))]
    problems = []
    if missing:
        problems.append("not on %s: %s" % (machine.windows, ", ".join(missing)))
    if by_ordinal:
        problems.append("imported by ordinal, not checkable: " + ", ".join(by_ordinal))
    return (not problems, "; ".join(problems),
            "%d functions declared for %s (_WIN32_WINNT 0x%04x), %d of msvcrt.dll 7.0"
            % (len(win32), machine.windows, machine.winnt, len(crt)))


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
