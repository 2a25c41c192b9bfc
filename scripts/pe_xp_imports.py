"""The machines the executables are built for, with the oldest Windows each must run on, and the
check that every function an executable imports from a Windows DLL exists there. Used by
check_pe.py; runs the MinGW-w64 C compiler of the executable's machine."""

import collections
import os
import re
import shutil
import struct
import subprocess
import tempfile

from pe_image import PE32_MAGIC, PE32_PLUS_MAGIC, PeError

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
