"""The zip that a Windows user downloads, as the Windows build packs it: it
holds the program and tessik-cli, the Default layout and its keyboard chart,
the four help files, the read-me, the licence and the notices, at the top of
the zip and nothing else. The installer beside it carries the program's icon
and its version (the end-to-end tests run it)."""

import hashlib
import os
import re
import struct
import subprocess
import unittest
import zipfile
from pathlib import Path

WINDOWS_BUILD = Path(os.environ["TESSIK_WINDOWS_BUILD"])
PACKAGE = WINDOWS_BUILD / os.environ["TESSIK_PACKAGE_FILE"]
PROGRAM = WINDOWS_BUILD / "bin" / "tessik.exe"
INSTALLER = WINDOWS_BUILD / os.environ["TESSIK_INSTALLER_FILE"]
ICON = Path(__file__).resolve().parents[2] / "resources/win32/icons/imgTessik.ico"

HELP_FILES = ["Configuring the system.chm", "Beginning.chm", "Using the software.chm",
              "Writing Rules.chm"]
NOTICES = ["Notices/README.txt", "Notices/MinGW-w64.txt", "Notices/GCC.txt",
           "Notices/GPL-3.txt"]
CHART = "Default layout chart.png"
CONTENTS = {"Layouts/Default", CHART, "tessik-cli.exe", "README.txt", "LICENSE.txt",
            *(f"Help/{name}" for name in HELP_FILES), *NOTICES}


def build(target):
    """Builds a target of the Windows tree."""
    if not (WINDOWS_BUILD / "CMakeCache.txt").is_file():
        raise AssertionError(f"{WINDOWS_BUILD} is not configured: run "
                             "cmake --preset windows-ci first")
    result = subprocess.run(["cmake", "--build", str(WINDOWS_BUILD), "--target", target],
                            capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise AssertionError(f"building the {target} failed:\n{result.stdout}{result.stderr}")


def built_package():
    """Builds the package in the Windows tree and opens it."""
    build("package")
    return zipfile.ZipFile(PACKAGE)


def coff_symbol_count(program: bytes) -> int:
    """How many symbols a Windows program's symbol table holds: none once it
    is stripped."""
    coff_header = int.from_bytes(program[0x3C:0x40], "little") + 4
    return struct.unpack_from("<I", program, coff_header + 12)[0]


def file_names(package):
    return {info.filename for info in package.infolist() if not info.is_dir()}


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = cls.enterClassContext(built_package())
        cls.names = file_names(cls.zip)

    def text(self, name):
        return self.zip.read(name).decode("utf-8")

    def test_holds_what_a_user_needs_at_its_top_and_nothing_else(self):
        self.assertEqual(self.names - {"tessik.exe"}, CONTENTS)

    def test_layout_and_help_files_are_those_of_the_build(self):
        built = WINDOWS_BUILD / "bin"
        for name in ["Layouts/Default", *(f"Help/{file}" for file in HELP_FILES)]:
            with self.subTest(name):
                self.assertEqual(self.zip.read(name), (built / name).read_bytes())
        self.assertEqual(self.zip.read(CHART),
                         (WINDOWS_BUILD / "resources" / "default-layout-chart.png").read_bytes())
        self.assertEqual(self.zip.read(CHART)[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(self.zip.read("tessik-cli.exe")[:2], b"MZ")

    def test_texts_have_windows_line_ends(self):
        for name in ["README.txt", "LICENSE.txt", *NOTICES]:
            with self.subTest(name):
                data = self.zip.read(name)
                self.assertGreater(data.count(b"\r\n"), 10)
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "a bare LF")

    def test_read_me_tells_how_to_install(self):
        read_me = self.text("README.txt")
        for phrase in ["Windows 7, 8, 8.1, 10 and 11", "Program Files", "Unblock", "can write in",
                       "tessik.exe", "Layouts", "Help", "LICENSE.txt", "Notices", CHART,
                       'tessik-cli layout chart Mine -o Mine.svg']:
            with self.subTest(phrase):
                self.assertIn(phrase, read_me)
        # A layout of one's own made in a text editor.
        self.assertIn("tessik-cli layout export Default -o Mine.txt", read_me)
        self.assertIn("tessik-cli layout import Mine.txt Mine", read_me)

    def test_programs_are_stripped(self):
        for name in ["tessik-cli.exe", *({"tessik.exe"} & self.names)]:
            with self.subTest(name):
                self.assertEqual(coff_symbol_count(self.zip.read(name)), 0)

    def test_licence_and_notices_of_what_is_linked_in(self):
        self.assertIn("tessik.exe and tessik-cli.exe", self.text("Notices/README.txt"))
        self.assertIn("MIT License", self.text("LICENSE.txt"))
        self.assertIn("Permission is hereby granted", self.text("LICENSE.txt"))
        mingw = self.text("Notices/MinGW-w64.txt")
        self.assertIn("mingw-w64-libraries/winpthreads", mingw)
        self.assertIn("ZPL-2.1", mingw)
        self.assertIn("GCC RUNTIME LIBRARY EXCEPTION", self.text("Notices/GCC.txt"))
        self.assertIn("GNU GENERAL PUBLIC LICENSE", self.text("Notices/GPL-3.txt"))
        self.assertIn("Version 3", self.text("Notices/GPL-3.txt"))


class InstallerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        build("installer")
        cls.data = INSTALLER.read_bytes()

    def version_text(self, name):
        """A text of the version information, as UTF-16 after its name and padding."""
        match = re.search(re.escape(name.encode("utf-16-le")) + rb"\0\0(?:\0\0)?((?:[^\0]\0)+)",
                          self.data)
        self.assertIsNotNone(match, name)
        return match.group(1).decode("utf-16-le")

    def test_carries_the_version_and_the_programs_icon(self):
        version = os.environ["TESSIK_VERSION"]
        self.assertEqual(self.version_text("ProductName"), "Tessik")
        self.assertEqual(self.version_text("ProductVersion"), version)
        self.assertEqual(self.version_text("FileDescription"), f"Tessik {version} Setup")
        self.assertEqual(self.version_text("CompanyName"), "The Tessik developers")
        icon = ICON.read_bytes()
        count = int.from_bytes(icon[4:6], "little")
        for entry in range(count):
            size, offset = struct.unpack_from("<II", icon, 6 + 16 * entry + 8)
            self.assertIn(icon[offset:offset + size], self.data, f"image {entry} of the icon")

    def test_checksum_beside_it(self):
        digest = hashlib.sha256(self.data).hexdigest()
        self.assertEqual(Path(f"{INSTALLER}.sha256").read_text(), f"{digest}  {INSTALLER.name}\n")


# Apart from the rest, so that its skip, while the Windows build has no
# tessik.exe, shows as a skip.
class ProgramTest(unittest.TestCase):
    def test_holds_the_program(self):
        if not PROGRAM.is_file():
            self.skipTest("the Windows build makes no tessik.exe yet")
        with built_package() as package:
            self.assertIn("tessik.exe", file_names(package))
            self.assertEqual(package.read("tessik.exe")[:2], b"MZ")


if __name__ == "__main__":
    unittest.main()
