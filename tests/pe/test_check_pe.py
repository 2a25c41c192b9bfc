#!/usr/bin/env python3
"""Tests of check_pe.py: a well-made executable passes, 32-bit and 64-bit, and each deliberate flaw
fails the check that names it. The executables are built in a temporary folder with the MinGW-w64
i686 and x86_64 cross compilers and thrown away afterwards.

    python3 tests/pe/test_check_pe.py
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "..", "..", "scripts", "check_pe.py")
PREFIX = {"x86": "i686-w64-mingw32-", "x64": "x86_64-w64-mingw32-"}
TOOLS = [PREFIX[m] + t for m in PREFIX for t in ("gcc-win32", "windres", "objcopy", "dlltool")]

GOOD_MANIFEST = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Test.Program" version="1.0.0.0" processorArchitecture="*"/>
  <dependency><dependentAssembly>
    <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
  </dependentAssembly></dependency>
  <trustInfo xmlns="urn:schemas-microsoft-com:asm.v3"><security><requestedPrivileges>
    <requestedExecutionLevel level="asInvoker" uiAccess="false"/>
  </requestedPrivileges></security></trustInfo>
  <application xmlns="urn:schemas-microsoft-com:asm.v3"><windowsSettings>
    <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>
  </windowsSettings></application>
</assembly>
"""

PROGRAM = """#include <windows.h>
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
  return MessageBoxA(NULL, "x", "x", MB_OK) == 0;
}
"""


def program(call, include="", lib=()):
    """PROGRAM with `call` (an int expression) made before the message box."""
    return (include + PROGRAM.replace("return ", "return (%s) + " % call), list(lib))


def hardened(machine):
    minor = {"x86": 1, "x64": 2}[machine]
    return (["-static", "-mwindows", "-Os", "-s", "-Wl,--dynamicbase", "-Wl,--nxcompat",
             "-Wl,--tsaware", "-Wl,--major-subsystem-version,5", "-Wl,--major-os-version,5",
             "-Wl,--minor-subsystem-version,%d" % minor, "-Wl,--minor-os-version,%d" % minor]
            + (["-Wl,--high-entropy-va"] if machine == "x64" else []))


# Flaws that differ from a well-made executable in their build only: (name, machine, the check
# that must fail, text its line must hold, and build() arguments). Later linker flags win.
FLAWS = [
    ("no_aslr", "x86", "dynamic-base", "", dict(flags=["-Wl,--disable-dynamicbase"])),
    ("no_nx", "x86", "nx-compat", "", dict(flags=["-Wl,--disable-nxcompat"])),
    ("no_high_entropy", "x64", "high-entropy-va", "",
     dict(flags=["-Wl,--disable-high-entropy-va"])),
    ("no_tsaware", "x86", "terminal-server-aware", "", dict(flags=["-Wl,--disable-tsaware"])),
    ("console", "x86", "subsystem-windows-gui", "", dict(flags=["-mconsole"])),
    ("vista_subsystem", "x86", "xp-version-fields", "subsystem version 6.0",
     dict(flags=["-Wl,--major-subsystem-version,6", "-Wl,--minor-subsystem-version,0"])),
    ("vista_os_x64", "x64", "xp-version-fields", "OS version 6.0",
     dict(flags=["-Wl,--major-os-version,6", "-Wl,--minor-os-version,0"])),
    ("no_manifest", "x86", "manifest", "no RT_MANIFEST", dict(manifest=None)),
    ("admin", "x86", "manifest", "asInvoker",
     dict(manifest=GOOD_MANIFEST.replace('"asInvoker"', '"requireAdministrator"'))),
    ("dpi_unaware", "x86", "manifest", "dpiAware",
     dict(manifest=GOOD_MANIFEST.replace(">true</dpiAware>", ">false</dpiAware>"))),
    ("x86_manifest_in_x64", "x64", "manifest", 'processorArchitecture="x86" in a x64',
     dict(manifest=GOOD_MANIFEST.replace('processorArchitecture="*"',
                                         'processorArchitecture="x86"', 1))),
    ("winmm", "x86", "system-imports-only", "not Windows system DLLs: WINMM",
     dict(source=program("timeGetTime()", "#include <windows.h>\n#include <mmsystem.h>\n",
                         ["-lwinmm"]))),
    ("vista_import_x64", "x64", "imports-on-xp",
     "not on Windows XP x64: KERNEL32.dll!GetTickCount64",
     dict(source=program("(int)GetTickCount64()"), flags=["-D_WIN32_WINNT=0x0600"])),
    ("vista_msvcrt_import", "x86", "imports-on-xp",
     "not on Windows XP SP3: msvcrt.dll!strcpy_s",
     dict(source=program("strcpy_s(command, 1, \"\")", "#include <string.h>\n"))),
    ("big", "x86", "size-under-400-KB", "",
     dict(source=(PROGRAM + "extern const char kBallast[420 * 1024] = {1};\n", []))),
]


@unittest.skipUnless(all(map(shutil.which, TOOLS)), "MinGW-w64 (%s) is not installed" % TOOLS)
class CheckPeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="check_pe_")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, text):
        with open(self.path(name), "w") as f:
            f.write(text)
        return self.path(name)

    def build(self, name, machine="x86", flags=(), manifest=GOOD_MANIFEST, source=(PROGRAM, [])):
        """Builds name.exe, hardened for `machine` but for `flags`, from `source` (C text and
        libraries), with `manifest` embedded unless it is None."""
        if os.path.exists(self.path(name + ".exe")):
            return self.path(name + ".exe")
        inputs = [self.write(name + ".c", source[0])]
        if manifest is not None:
            self.write(name + ".manifest", manifest)
            rc = self.write(name + ".rc", '1 24 "%s.manifest"\n' % name)
            inputs.append(self.path(name + ".res.o"))
            subprocess.run([PREFIX[machine] + "windres", rc, "-O", "coff", "-o", inputs[-1]],
                           check=True, cwd=self.folder)
        exe = self.path(name + ".exe")
        subprocess.run([PREFIX[machine] + "gcc-win32", *inputs, *hardened(machine), *flags,
                        *source[1], "-o", exe], check=True)
        return exe

    def check(self, exe, *options, env=None):
        result = subprocess.run([sys.executable, CHECKER, *options, exe],
                                capture_output=True, text=True, env=env)
        return result.returncode, result.stdout.splitlines()

    def assertFailsOnly(self, exe, check_name, detail="", *options, env=None):
        code, lines = self.check(exe, *options, env=env)
        failed = [line for line in lines if line.startswith("FAIL ")]
        self.assertEqual(code, 1, lines)
        self.assertEqual(len(failed), 1, lines)
        self.assertTrue(failed[0].startswith("FAIL %s: " % check_name), lines)
        self.assertIn(detail, failed[0])
        self.assertRegex(lines[-1], r"^\d+ passed, 1 failed$")

    def test_well_made_exes_pass_every_check(self):
        for machine, count in (("x86", 13), ("x64", 14)):
            with self.subTest(machine):
                code, lines = self.check(self.build("good_" + machine, machine),
                                         "--machine", machine)
                self.assertEqual(code, 0, lines)
                self.assertEqual(lines[-1], "%d passed, 0 failed" % count)
                self.assertIn("PASS machine: " + machine, lines)
                self.assertRegex("\n".join(lines), r"PASS imports-on-xp: [1-9]\d* functions")

    def test_other_machine_than_asked_fails(self):
        self.assertFailsOnly(self.build("good_x86"), "machine", "is x86, not x64",
                             "--machine", "x64")

    def test_imports_fail_without_the_compiler(self):
        env = dict(os.environ, PATH=self.folder)
        self.assertFailsOnly(self.build("good_x86"), "imports-on-xp",
                             "i686-w64-mingw32-gcc is not installed", env=env)

    def test_writable_executable_section_fails(self):
        exe = self.build("wx")
        subprocess.run([PREFIX["x86"] + "objcopy", "--set-section-flags",
                        ".data=contents,alloc,load,data,code", exe], check=True)
        self.assertFailsOnly(exe, "no-writable-executable-section")

    def test_import_by_ordinal_fails(self):
        self.write("ordinal.def", "LIBRARY COMCTL32.dll\nEXPORTS\nInitCommonControls@0 @17 NONAME\n")
        subprocess.run([PREFIX["x86"] + "dlltool", "-d", "ordinal.def", "-l", "libordinal.a"],
                       check=True, cwd=self.folder)
        source = program("(InitCommonControls(), 0)", "#include <windows.h>\n#include <commctrl.h>\n",
                         [self.path("libordinal.a")])
        self.assertFailsOnly(self.build("ordinal", source=source), "imports-on-xp",
                             "imported by ordinal, not checkable: COMCTL32.dll#17")

    def test_bare_checks_only_that_the_file_parses(self):
        code, lines = self.check(self.build("bare", manifest=None), "--bare")
        self.assertEqual((code, lines), (0, ["PASS parses", "1 passed, 0 failed"]))

    def test_file_that_is_not_pe_fails_to_parse(self):
        code, lines = self.check(self.write("not_pe.exe", "MZ but nothing more"), "--bare")
        self.assertEqual(code, 1, lines)
        self.assertTrue(lines[0].startswith("FAIL parses:"), lines)
        self.assertEqual(lines[-1], "0 passed, 1 failed")


def flaw_test(name, machine, check_name, detail, build):
    def test(self):
        self.assertFailsOnly(self.build(name, machine, **build), check_name, detail)
    return test


for flaw in FLAWS:
    setattr(CheckPeTest, "test_%s_fails" % flaw[0], flaw_test(*flaw))

if __name__ == "__main__":
    unittest.main()
