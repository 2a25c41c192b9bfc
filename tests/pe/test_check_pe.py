#!/usr/bin/env python3
"""Tests of check_pe.py: a well-made executable passes, and each deliberate flaw fails the check
that names it. The executables are built in a temporary folder with the MinGW-w64 i686 cross
compiler and thrown away afterwards.

    python3 tests/pe/test_check_pe.py
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "check_pe.py")
CXX = "i686-w64-mingw32-g++-posix"
WINDRES = "i686-w64-mingw32-windres"
OBJCOPY = "i686-w64-mingw32-objcopy"

GOOD_MANIFEST = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
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
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return MessageBoxA(nullptr, "x", "x", MB_OK) == 0;
}
"""

HARDENED = ["-static", "-Wl,--dynamicbase", "-Wl,--nxcompat", "-mwindows", "-Os"]


@unittest.skipUnless(shutil.which(CXX) and shutil.which(WINDRES), CXX + " is not installed")
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

    def build(self, name, flags=HARDENED, manifest=GOOD_MANIFEST, source=PROGRAM, extra=()):
        """Builds name.exe from `source` with `flags` and, unless None, `manifest` embedded."""
        inputs = [self.write(name + ".cpp", source)]
        if manifest is not None:
            self.write(name + ".manifest", manifest)
            rc = self.write(name + ".rc", '1 24 "%s.manifest"\n' % name)
            res = self.path(name + ".res.o")
            subprocess.run([WINDRES, rc, "-O", "coff", "-o", res], check=True, cwd=self.folder)
            inputs.append(res)
        exe = self.path(name + ".exe")
        subprocess.run([CXX, *inputs, *extra, *flags, "-o", exe], check=True)
        return exe

    def check(self, exe, *options):
        result = subprocess.run([sys.executable, CHECKER, *options, exe],
                                capture_output=True, text=True)
        return result.returncode, result.stdout.splitlines()

    def assertFailsOnly(self, exe, check_name):
        code, lines = self.check(exe)
        failed = [line for line in lines if line.startswith("FAIL ")]
        self.assertEqual(code, 1, lines)
        self.assertEqual(len(failed), 1, lines)
        self.assertTrue(failed[0].startswith("FAIL %s:" % check_name), lines)
        self.assertRegex(lines[-1], r"^\d+ passed, 1 failed$")

    def test_well_made_exe_passes_every_check(self):
        code, lines = self.check(self.build("good"))
        self.assertEqual(code, 0, lines)
        self.assertEqual(lines[-1], "10 passed, 0 failed")
        self.assertIn("PASS system-imports-only: found", "\n".join(lines))

    def test_without_nx_compat_fails(self):
        exe = self.build("no_nx", flags=HARDENED[:2] + ["-Wl,--disable-nxcompat"] + HARDENED[3:])
        self.assertFailsOnly(exe, "nx-compat")

    def test_without_dynamic_base_fails(self):
        exe = self.build("no_aslr",
                         flags=["-static", "-Wl,--disable-dynamicbase"] + HARDENED[2:])
        code, lines = self.check(exe)
        self.assertEqual(code, 1, lines)
        self.assertTrue(any(line.startswith("FAIL dynamic-base:") for line in lines), lines)

    def test_console_subsystem_fails(self):
        exe = self.build("console", flags=HARDENED[:3] + ["-mconsole", "-Os"])
        self.assertFailsOnly(exe, "subsystem-windows-gui")

    def test_writable_executable_section_fails(self):
        exe = self.build("wx")
        subprocess.run([OBJCOPY, "--set-section-flags", ".data=contents,alloc,load,data,code",
                        exe], check=True)
        self.assertFailsOnly(exe, "no-writable-executable-section")

    def test_missing_manifest_fails(self):
        self.assertFailsOnly(self.build("no_manifest", manifest=None), "manifest")

    def test_manifest_that_asks_for_administrator_fails(self):
        manifest = GOOD_MANIFEST.replace('"asInvoker"', '"requireAdministrator"')
        code, lines = self.check(self.build("admin", manifest=manifest))
        self.assertEqual(code, 1, lines)
        self.assertIn("asInvoker", [line for line in lines if line.startswith("FAIL manifest")][0])

    def test_manifest_without_dpi_awareness_fails(self):
        manifest = GOOD_MANIFEST.replace(">true</dpiAware>", ">false</dpiAware>")
        self.assertFailsOnly(self.build("dpi_unaware", manifest=manifest), "manifest")

    def test_import_of_other_dll_fails(self):
        source = PROGRAM.replace("MessageBoxA(nullptr", "(timeGetTime(), MessageBoxA(nullptr")
        source = source.replace("MB_OK)", "MB_OK))").replace(
            "#include <windows.h>", "#include <windows.h>\n#include <mmsystem.h>")
        exe = self.build("winmm", source=source, flags=HARDENED + ["-lwinmm"])
        code, lines = self.check(exe)
        self.assertEqual(code, 1, lines)
        failed = [line for line in lines if line.startswith("FAIL ")]
        self.assertEqual(len(failed), 1, lines)
        self.assertRegex(failed[0], r"^FAIL system-imports-only: not Windows system DLLs: WINMM")

    def test_exe_of_400_KB_or_more_fails(self):
        source = PROGRAM + "extern const char kBallast[420 * 1024] = {1};\n"
        self.assertFailsOnly(self.build("big", source=source), "size-under-400-KB")

    def test_bare_checks_only_that_the_file_parses(self):
        code, lines = self.check(self.build("bare", manifest=None), "--bare")
        self.assertEqual((code, lines), (0, ["PASS parses", "1 passed, 0 failed"]))

    def test_file_that_is_not_pe_fails_to_parse(self):
        code, lines = self.check(self.write("not_pe.exe", "MZ but nothing more"), "--bare")
        self.assertEqual(code, 1, lines)
        self.assertTrue(lines[0].startswith("FAIL parses:"), lines)
        self.assertEqual(lines[-1], "0 passed, 1 failed")


if __name__ == "__main__":
    unittest.main()
