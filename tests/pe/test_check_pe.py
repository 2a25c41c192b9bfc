#!/usr/bin/env python3
"""Tests of check_pe.py: well-made 32-bit and 64-bit executables (built by MinGW-w64 in a
throwaway folder) pass, and each deliberate flaw fails the check that names it."""

import os, pathlib, shutil, subprocess, sys, tempfile, unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECKER = str(ROOT / "scripts" / "check_pe.py")
MANIFEST = (ROOT / "res" / "kelvoro.manifest").read_text()  # the program's own, a well-made one
PREFIX = {"x86": "i686-w64-mingw32-", "x64": "x86_64-w64-mingw32-"}
TOOLS = [PREFIX[m] + t for m in PREFIX for t in ("gcc-win32", "windres", "objcopy", "dlltool")]
# A program that makes `call` (an int expression) before its message box; `top`: lines above it.
SOURCE = """#include <windows.h>\n%(top)s
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
  return (%(call)s) + (MessageBoxA(NULL, "x", "x", MB_OK) == 0);\n}\n"""

# (name.exe, the one check that must fail, text its line holds, checked() arguments); later linker
# flags win. One flaw stands for the flags, version fields and manifest entries checked alike.
FLAWS = [
    ("good_x86", "machine", "is x86, not x64", dict(args=["--machine", "x64"])),
    ("good_x86", "imports-on-xp", "i686-w64-mingw32-gcc is not installed", dict(env={"PATH": ""})),
    ("no_aslr", "dynamic-base", "", dict(flags=["-Wl,--disable-dynamicbase"])),
    ("no_high_entropy_x64", "high-entropy-va", "", dict(flags=["-Wl,--disable-high-entropy-va"])),
    ("console", "subsystem-windows-gui", "", dict(flags=["-mconsole"])),
    ("vista_subsystem", "xp-version-fields", "subsystem version 6.0",
     dict(flags=["-Wl,--major-subsystem-version,6,--minor-subsystem-version,0"])),
    ("wx", "no-writable-executable-section", "",
     dict(sections=".data=contents,alloc,load,data,code")),
    ("winmm", "system-imports-only", "not Windows system DLLs: WINMM",
     dict(top="#include <mmsystem.h>", call="timeGetTime()", libs=["-lwinmm"])),
    ("vista_import_x64", "imports-on-xp", "not on Windows XP x64: KERNEL32.dll!GetTickCount64",
     dict(call="(int)GetTickCount64()", flags=["-D_WIN32_WINNT=0x0600"])),
    ("vista_msvcrt_import", "imports-on-xp", "not on Windows XP SP3: msvcrt.dll!strcpy_s",
     dict(top="#include <string.h>", call='strcpy_s(command, 1, "")')),
    ("ordinal", "imports-on-xp", "imported by ordinal, not checkable: COMCTL32.dll#17",
     dict(top="#include <commctrl.h>", call="(InitCommonControls(), 0)", libs=["libordinal.a"])),
    ("no_manifest", "manifest", "no RT_MANIFEST", dict(manifest=None)),
    ("admin", "manifest", "asInvoker",
     dict(manifest=MANIFEST.replace('"asInvoker"', '"requireAdministrator"'))),
    ("x86_manifest_in_x64", "manifest", 'processorArchitecture="x86" in a x64',
     dict(manifest=MANIFEST.replace('Architecture="*"', 'Architecture="x86"', 1))),
    ("big", "size-under-400-KB", "", dict(top="extern const char kBallast[420 * 1024] = {1};")),
    ("not_pe", "parses", "no MZ header", dict(args=["--bare"])),  # written by setUpClass
]


@unittest.skipUnless(all(map(shutil.which, TOOLS)), "MinGW-w64 (%s) is not installed" % TOOLS)
class CheckPeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="check_pe_")
        cls.addClassCleanup(shutil.rmtree, cls.folder)
        cls.write("not_pe.exe", "MZ but nothing more")
        subprocess.run([PREFIX["x86"] + "dlltool", "-d", "/dev/stdin", "-l", "libordinal.a"],
                       input=b"LIBRARY COMCTL32.dll\nEXPORTS\nInitCommonControls@0 @17 NONAME\n",
                       check=True, cwd=cls.folder)  # an import library importing by ordinal only

    @classmethod
    def write(cls, name, text):
        pathlib.Path(cls.folder, name).write_text(text)
        return name

    def build(self, name, flags=(), manifest=MANIFEST, top="", call="0", libs=(), sections=None):
        """name.exe (64-bit when the name ends in _x64) from SOURCE, made as well as can be but
        for `flags`, with `manifest` embedded unless it is None, then objcopy's `sections` flags."""
        machine = "x64" if name.endswith("_x64") else "x86"
        exe, objects = os.path.join(self.folder, name + ".exe"), []

        def tool(program, *args):
            subprocess.run([PREFIX[machine] + program, *args], check=True, cwd=self.folder)
        if not os.path.exists(exe):
            if manifest is not None:
                objects.append(name + ".res.o")
                rc = self.write(name + ".rc", '1 24 "%s"\n' % self.write(name + ".xml", manifest))
                tool("windres", rc, "-O", "coff", "-o", objects[0])
            minor = {"x86": 1, "x64": 2}[machine]  # Windows XP SP3 is 5.1, XP x64 5.2
            tool("gcc-win32", self.write(name + ".c", SOURCE % dict(top=top, call=call)), *objects,
                 "-static", "-mwindows", "-Os", "-s", "-Wl,--dynamicbase,--nxcompat,--tsaware,"
                 "--major-subsystem-version,5,--minor-subsystem-version,%d,--major-os-version,5,"
                 "--minor-os-version,%d" % (minor, minor) + ",--high-entropy-va" * (minor == 2),
                 *flags, *libs, "-o", exe)
            if sections:
                tool("objcopy", "--set-section-flags", sections, exe)
        return exe

    def checked(self, name, args=(), env=None, **build):
        """check_pe.py's exit code and lines for build(name, **build), given `args` and `env`."""
        result = subprocess.run([sys.executable, CHECKER, *args, self.build(name, **build)],
                                capture_output=True, text=True, env=dict(os.environ, **env or {}))
        return result.returncode, result.stdout.splitlines()

    def test_well_made_exes_pass_every_check(self):
        for machine, count in (("x86", 13), ("x64", 14)):
            code, lines = self.checked("good_" + machine, ["--machine", machine])
            self.assertEqual((code, lines[-1]), (0, "%d passed, 0 failed" % count), lines)
            self.assertIn("PASS machine: " + machine, lines)
            self.assertRegex("\n".join(lines), r"PASS imports-on-xp: [1-9]\d* functions")
        code, lines = self.checked("no_manifest", ["--bare"], manifest=None)  # only: it parses
        self.assertEqual((code, lines), (0, ["PASS parses", "1 passed, 0 failed"]))

    def assertFailsAlone(self, name, check, detail, arguments):
        code, lines = self.checked(name, **arguments)
        failed = [line for line in lines if line.startswith("FAIL ")]
        self.assertEqual((code, len(failed)), (1, 1), lines)
        self.assertTrue(failed[0].startswith("FAIL %s: " % check), lines)
        self.assertTrue(detail in failed[0] and lines[-1].endswith(" 1 failed"), lines)


for flaw in FLAWS:  # one test each, test_<executable>_<check>
    setattr(CheckPeTest, "test_%s_%s" % flaw[:2], lambda self, f=flaw: self.assertFailsAlone(*f))

if __name__ == "__main__":
    unittest.main()
