"""tessik.exe's resources as Windows sees them, through resource-check.exe,
which links the same resource object."""

import unittest

from tessik_e2e import Session, windows_path, windows_program
from tessik_e2e import config

COMMON_CONTROLS_6 = "microsoft.windows.common-controls_6595b64144ccf1df_6.0."


class ResourcesTest(unittest.TestCase):
    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1]))

    def report(self) -> dict:
        path = self.session.folder / "report.txt"
        path.unlink(missing_ok=True)
        exit_code = self.session.wine.run(windows_program("resource-check.exe"), windows_path(path))
        self.assertEqual(exit_code, 0)
        return dict(line.split("=", 1) for line in path.read_text().splitlines())

    def test_manifest_version_and_icons(self):
        report = self.report()
        self.assertIn(COMMON_CONTROLS_6, report["comctl32"].lower())
        self.assertEqual(report["dpiAware"], "true")
        self.assertEqual(report["dpiAwareness"], "system")
        self.assertRegex(report["file_version"], r"^\d+\.\d+\.\d+$")
        if config.VERSION:
            self.assertEqual(report["file_version"], config.VERSION)
        for icon in ("imgTessik", "imgEnglish"):
            for size in (16, 20, 24, 32, 48):
                self.assertEqual(report[f"{icon}.{size}"], f"{size}x{size}x32", f"{icon} {size}")

    def test_program_sees_the_real_dpi(self):
        for dpi in (120, 144):
            self.session.wine.set_dpi(dpi)
            self.assertEqual(self.report()["dpi"], str(dpi))


if __name__ == "__main__":
    unittest.main()
