"""tools/cli_docs.py: what reaches groff and the README from the one source."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, sys.argv.pop(1))
import cli_docs  # noqa: E402

SOURCE = """# tool(1) -- does a thing

## Synopsis

    tool run FILE... [--fast]

## Description

Reads `a-b` files.
Totals ≥ 1,001 lb.
.dot at a line start, a back\\\\slash, 'quote start.

- `--fast`: goes fast.
- plain item

| field | meaning |
|---|---|
| `x` | the x |

## See also

`other`(1)

# other(1) -- the other

## Description

Other.
"""


class ManPageTest(unittest.TestCase):
    def setUp(self):
        self.pages = cli_docs.read_pages(SOURCE)
        self.man = cli_docs.man_page(self.pages[0], "1.2.3")

    def test_pages_split_at_their_headings(self):
        self.assertEqual([(p.name, p.section, p.summary) for p in self.pages],
                         [("tool", "1", "does a thing"), ("other", "1", "the other")])
        self.assertEqual([t for t, _ in self.pages[0].sections], ["Synopsis", "Description", "See also"])

    def test_markup(self):
        lines = self.man.splitlines()
        cases = [
            ('.TH TOOL 1 "" "Velmora 1.2.3" "User Commands"', "header with the version"),
            (".SH NAME", "name section"),
            ("tool \\- does a thing", "name line"),
            (".SH SYNOPSIS", "sections in capitals"),
            ("tool run FILE... [\\-\\-fast]", "code: hyphens are minus signs"),
            ("Reads \\fB\\%a\\-b\\fR files.", "inline code bold, unhyphenated"),
            ("Totals \\[u2265] 1,001 lb.", "beyond ASCII as a Unicode escape"),
            ("\\&.dot at a line start, a back\\e\\eslash, 'quote start.", "control character and backslash"),
            (".TP", "a term becomes a tagged paragraph"),
            ("\\fB\\%\\-\\-fast\\fR", "the term"),
            (".IP \\(bu 2", "a plain item becomes a bullet"),
            ("\\fB\\%x\\fR", "a table row's first cell becomes the tag"),
        ]
        for line, what in cases:
            with self.subTest(what):
                self.assertIn(line, lines)
        # No generated line may start with a control character groff would
        # take as a request, other than the macros themselves.
        for line in lines:
            if line.startswith((".", "'")):
                self.assertRegex(line, r"^\.(TH|SH|SS|PP|TP|IP|RS|RE|nf|fi)( |$)")


class ReadmeTest(unittest.TestCase):
    def test_section_replaced_between_markers_and_checked(self):
        saved = cli_docs.README_PAGE
        cli_docs.README_PAGE = "tool"
        try:
            with tempfile.TemporaryDirectory() as d:
                src, readme = os.path.join(d, "cli.md"), os.path.join(d, "README.md")
                with open(src, "w") as f:
                    f.write(SOURCE)
                with open(readme, "w") as f:
                    f.write("# R\n\n%s\nold text\n%s\n\n## After\n" % (cli_docs.README_HEADING, cli_docs.END))
                self.assertEqual(cli_docs.main(["check-readme", src, readme]), 1)
                self.assertEqual(cli_docs.main(["readme", src, readme]), 0)
                self.assertEqual(cli_docs.main(["check-readme", src, readme]), 0)
                with open(readme) as f:
                    text = f.read()
                self.assertTrue(text.startswith("# R\n\n"))
                self.assertTrue(text.endswith(cli_docs.END + "\n\n## After\n"))
                self.assertIn("### Description\n", text)
                self.assertNotIn("old text", text)
                self.assertNotIn("See also", text)   # a manual-page-only section
                self.assertNotIn("the other", text)  # another page
        finally:
            cli_docs.README_PAGE = saved


if __name__ == "__main__":
    unittest.main(verbosity=1)
