"""The four help documents as the build compiles them: each unpacks, holds
the pages that its contents list, links only to what it holds, tells the
reader what the document is about, and every typing example in it types
what it shows with the layout of its page."""

import os
import tempfile
import unittest
from collections import Counter
from pathlib import Path
from urllib.parse import urlparse

from help_pages import contents_pages, read_page, typed, unpack

HELP_DIR = Path(os.environ["TESSIK_HELP_DIR"])
CLI = os.environ["TESSIK_CLI"]
EXTRACT_CHMLIB = os.environ.get("TESSIK_EXTRACT_CHMLIB", "extract_chmLib")

# What a reader comes to each document for, in its own words.
KEY_PHRASES = {
    "Configuring the system.chm": [
        "Unblock", "Extract All", "Program Files", "Windows 7", "Nirmala UI", "Vrinda",
        "shell:startup", "Run as administrator"],
    "Beginning.chm": [
        "Ctrl+Alt+Space", "System Default", "double-click", "notification area", "Hide", "Exit",
        "Show Tessik"],
    "Using the software.chm": [
        "New Layout", "Save", "Apply Changes", "Cancel", "Delete", "Layouts",
        "Please spacify all the characters", "You cannot modify the 'Default' layout.",
        "You cannot delete the 'Default' layout.", "Do you really want to delete this layout?",
        "tessik-cli layout export Default -o Mine.txt", "tessik-cli layout import Mine.txt Mine",
        "Phonetic", "You cannot modify the 'Phonetic' layout.",
        "You cannot delete the 'Phonetic' layout.", "tessik-cli layout show Phonetic"],
    "Writing Rules.chm": [
        "hasanta", "explicit hasanta", "ya-phala", "ra-phala", "reph", "khanda ta", "danda", "taka", "৳",
        "anusvara", "candrabindu", "Backspace", "Phonetic typing", "longest spelling"],
}
CHART = "default-layout-chart.png"
# Writing Rules is mostly examples, typed with the Default layout and, on
# its page on phonetic typing, with Phonetic; far fewer means they were lost.
LEAST_EXAMPLES = {("Writing Rules.chm", None): 120, ("Writing Rules.chm", "Phonetic"): 120}


class HelpDocument:
    def __init__(self, name, folder):
        self.name = name
        self.files = unpack(EXTRACT_CHMLIB, HELP_DIR / name, folder)
        self.folder = folder
        self.pages = {}
        self.pairing_errors = []
        for file in sorted(self.files):
            if file.endswith(".html"):
                page, errors = read_page(folder / file)
                self.pages[file] = page
                self.pairing_errors += [f"{file}: {error}" for error in errors]


class HelpFilesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = cls.enterClassContext(tempfile.TemporaryDirectory())
        cls.documents = {}
        for name in KEY_PHRASES:
            folder = Path(cls.scratch) / name
            folder.mkdir()
            cls.documents[name] = HelpDocument(name, folder)

    def test_the_help_folder_holds_the_four_documents(self):
        self.assertEqual(sorted(p.name for p in HELP_DIR.glob("*.chm")), sorted(KEY_PHRASES))

    def test_contents_list_every_page_and_only_pages_that_are_there(self):
        for document in self.documents.values():
            with self.subTest(document.name):
                self.assertIn("contents.hhc", document.files)
                listed = contents_pages(document.folder / "contents.hhc")
                self.assertEqual(listed[0], "index.html", "the first entry is the start page")
                self.assertEqual(sorted(listed), sorted(document.pages),
                                 "pages and contents differ")
                for file, page in document.pages.items():
                    self.assertTrue(page.title.strip(), f"{file} has no title")

    def test_links_lead_to_files_of_the_document(self):
        for document in self.documents.values():
            for file, page in document.pages.items():
                for link in page.links:
                    target = urlparse(link)
                    if target.scheme:
                        continue
                    with self.subTest(document.name, page=file, link=link):
                        self.assertIn(target.path, document.files)

    def test_each_document_tells_what_it_is_about(self):
        for document in self.documents.values():
            text = " ".join(page.text for page in document.pages.values())
            for phrase in KEY_PHRASES[document.name]:
                with self.subTest(document.name, phrase=phrase):
                    self.assertIn(phrase, text)

    def test_the_keyboard_chart_is_in_the_documents_on_layouts(self):
        for name in ["Writing Rules.chm", "Using the software.chm"]:
            with self.subTest(name):
                document = self.documents[name]
                self.assertIn(CHART, document.files)
                self.assertEqual((document.folder / CHART).read_bytes()[:8], b"\x89PNG\r\n\x1a\n")
                self.assertTrue(any(CHART in page.links for page in document.pages.values()))

    def test_every_example_types_what_it_shows(self):
        checked = Counter()
        for document in self.documents.values():
            self.assertEqual(document.pairing_errors, [], document.name)
            for file, page in document.pages.items():
                for example in page.examples:
                    with self.subTest(document.name, page=file, keys=example.keys,
                                      layout=example.layout):
                        self.assertEqual(typed(CLI, example), example.text)
                    checked[document.name, example.layout] += 1
        for typed_with, least in LEAST_EXAMPLES.items():
            self.assertGreaterEqual(checked[typed_with], least, typed_with)


if __name__ == "__main__":
    unittest.main()
