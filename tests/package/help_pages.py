"""Reading the pages of a compiled help document: its text, its links and its
typing examples."""

import subprocess
from dataclasses import dataclass, field
from html.parser import HTMLParser
from pathlib import Path


@dataclass
class Example:
    """Keys to type and the text they give, as a page shows them: a
    <kbd class="keys"> followed by an element of class "result". The keys
    are text typed on a US keyboard, or named keys in data-keys. They are
    typed with the layout that the kbd's data-layout names, else the one
    that the page's <body data-layout> names, else with the Default layout
    beside tessik-cli."""
    keys: str
    named_keys: bool
    text: str
    layout: str = None


@dataclass
class Page:
    title: str = ""
    text: str = ""
    layout: str = None
    links: list = field(default_factory=list)
    examples: list = field(default_factory=list)


class _PageParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.page = Page()
        self._in_title = False
        self._capture = None  # "keys" or "result" while inside one
        self._captured = ""
        self._pending_keys = None
        self._depth = 0
        self._text = []
        self.errors = []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        classes = (attributes.get("class") or "").split()
        for name in ("href", "src"):
            if name in attributes:
                self.page.links.append(attributes[name])
        if tag == "title":
            self._in_title = True
        if tag == "body":
            self.page.layout = attributes.get("data-layout")
        if self._capture:
            self._depth += 1
        elif tag == "kbd" and "keys" in classes:
            self._start_capture("keys")
            self._named = attributes.get("data-keys")
            self._layout = attributes.get("data-layout", self.page.layout)
        elif "result" in classes:
            self._start_capture("result")

    def _start_capture(self, kind):
        self._capture, self._captured, self._depth = kind, "", 1

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        if not self._capture:
            return
        self._depth -= 1
        if self._depth:
            return
        kind, self._capture = self._capture, None
        if kind == "keys":
            if self._pending_keys is not None:
                self.errors.append(f"keys {self._pending_keys[0]!r} show no result")
            self._pending_keys = (self._named or self._captured, self._named is not None,
                                  self._layout)
        elif self._pending_keys is None:
            self.errors.append(f"result {self._captured!r} follows no keys")
        else:
            keys, named, layout = self._pending_keys
            self.page.examples.append(Example(keys, named, self._captured, layout))
            self._pending_keys = None

    def handle_data(self, data):
        if self._in_title:
            self.page.title += data
        if self._capture:
            self._captured += data
        self._text.append(data)

    def close(self):
        super().close()
        if self._pending_keys is not None:
            self.errors.append(f"keys {self._pending_keys[0]!r} show no result")
        self.page.text = " ".join(" ".join(self._text).split())


def read_page(path: Path):
    """The page, and what is wrong with the pairing of its examples."""
    parser = _PageParser()
    parser.feed(path.read_text(encoding="utf-8"))
    parser.close()
    return parser.page, parser.errors


def contents_pages(contents: Path):
    """The pages that a contents file (.hhc) lists, in its order."""
    pages = []

    class Contents(HTMLParser):
        def handle_starttag(self, tag, attrs):
            attributes = dict(attrs)
            if tag == "param" and attributes.get("name", "").lower() == "local":
                pages.append(attributes["value"])

    Contents().feed(contents.read_text(encoding="utf-8"))
    return pages


def unpack(extract_chmlib: str, chm: Path, into: Path):
    """Unpacks a compiled help file into a folder; returns the names of the
    files that it holds."""
    result = subprocess.run([extract_chmlib, str(chm), str(into)],
                            capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise AssertionError(f"{extract_chmlib} failed on {chm}: {result.stderr}")
    return {str(p.relative_to(into)) for p in into.rglob("*") if p.is_file()}


def typed(cli: str, example: Example) -> str:
    """What tessik-cli types for an example's keys with its layout."""
    arguments = ["--layout", example.layout] if example.layout else []
    arguments += ["--keys", example.keys] if example.named_keys else [example.keys]
    result = subprocess.run([cli, "type", *arguments], capture_output=True, text=True,
                            encoding="utf-8", check=False)
    if result.returncode != 0:
        raise AssertionError(f"tessik-cli type {arguments}: {result.stderr}")
    return result.stdout.removesuffix("\n")
