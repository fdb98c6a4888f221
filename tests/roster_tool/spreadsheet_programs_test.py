"""The roster's workbook through spreadsheet programs that are not ours: LibreOffice Calc
(headless) and openpyxl, each opening our export and saving it again, and an edit made in
openpyxl. Every one must import as it should, byte for byte.

    spreadsheet_programs_test.py FIXTURE_FOLDER TOOL [RUNNER...]

runs `RUNNER... TOOL --folder ... export|import ...`; with a runner (Wine), paths are handed
over in Windows' form. A test whose program is missing is skipped, saying so; when every one
is, the exit code is 77.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

FIXTURE, TOOL, RUNNER = sys.argv[1], sys.argv[2], sys.argv[3:]
SOFFICE = shutil.which("soffice") or shutil.which("libreoffice")
try:
    import openpyxl
except ImportError:
    openpyxl = None

TEXT_COLUMNS = {"file", "full_name", "common_name", "category", "game_plan", "ground_game_plan",
                "clinch_game_plan", "fight_style", "fancy_strikes", "fancy_submissions", "team",
                "height", "weight", "nationality", "birth_date"}
SUMMARY_UNCHANGED = "0 changed, 0 moved, 0 created, 12 unchanged\n"


def set_line(path, line, text):
    """Line `line` (from 0) of a fighter file, stored as Windows-1252."""
    with open(path, "rb") as file:
        lines = file.read().split(b"\r\n")
    lines[line] = text.encode("cp1252")
    with open(path, "wb") as file:
        file.write(b"\r\n".join(lines))


def write_tricky_texts(folder):
    """Texts a spreadsheet would take for something else, accents, quotes, a long name, spaces
    at the ends, a tab."""
    tom = os.path.join(folder, "Fighters", "SHW", "Big Tom.txt")
    for line, text in [(17, 'José "Pepe" Núñez, l\'Ours'), (18, "007"), (21, "'5'10\""), (22, "1e5"),
                       (24, "=1+1"), (25, "09/08/1997"), (26, "0042")]:
        set_line(tom, line, text)
    sergio = os.path.join(folder, "Fighters", "MW", "Sergio Ortega.txt")
    for line, text in [(17, "n" * 300 + " Ñandú"), (18, "_x0041_ @home"), (24, "-3"), (26, "2.5"),
                       (0, "016"), (21, "  180 cm "), (22, "70\tkg")]:
        set_line(sergio, line, text)


def folder_bytes(folder):
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as file:
                files[os.path.relpath(path, folder)] = file.read()
    return files


class SpreadsheetPrograms(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="beditor-spreadsheets-")
        self.folder = os.path.join(self.scratch, "program folder")
        shutil.copytree(os.path.join(FIXTURE, "program_folder"), self.folder)
        write_tricky_texts(self.folder)
        self.exported = os.path.join(self.scratch, "roster.xlsx")
        result = self.tool("export", "-o", self.exported)
        self.assertEqual(result.returncode, 0, result.stderr)

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def path_for_tool(self, path):
        if not RUNNER:
            return path
        return subprocess.run(["winepath", "-w", path], capture_output=True, text=True, check=True).stdout.strip()

    def tool(self, *arguments):
        arguments = [self.path_for_tool(a) if a.startswith(self.scratch) else a for a in arguments]
        return subprocess.run(RUNNER + [TOOL, "--folder", self.path_for_tool(self.folder), *arguments],
                              capture_output=True, text=True, encoding="utf-8")

    def assert_imports_unchanged(self, workbook):
        before = folder_bytes(self.folder)
        result = self.tool("import", workbook)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, SUMMARY_UNCHANGED)
        self.assertEqual(folder_bytes(self.folder), before)

    def saved_by_libreoffice(self):
        converted = os.path.join(self.scratch, "libreoffice")
        profile = "file://" + os.path.join(self.scratch, "libreoffice-profile")
        subprocess.run([SOFFICE, "-env:UserInstallation=" + profile, "--headless", "--calc", "--convert-to", "xlsx",
                        "--outdir", converted, self.exported], capture_output=True, check=True, timeout=300)
        return os.path.join(converted, "roster.xlsx")

    @unittest.skipUnless(SOFFICE, "LibreOffice (soffice) is not installed")
    def test_saved_again_by_libreoffice_imports_with_no_change(self):
        self.assert_imports_unchanged(self.saved_by_libreoffice())

    @unittest.skipUnless(openpyxl, "openpyxl (python3-openpyxl) is not installed")
    def test_openpyxl_reads_text_cells_as_strings_numbers_as_numbers_and_no_formula(self):
        sheet = openpyxl.load_workbook(self.exported).worksheets[0]
        header = [cell.value for cell in sheet[1]]
        self.assertEqual(header[:2], ["file", "full_name"])
        self.assertTrue(all(cell.font.b for cell in sheet[1]))
        self.assertEqual(sheet.freeze_panes, "A2")
        self.assertEqual(sheet.auto_filter.ref, "A1:%s%d" % (sheet.cell(1, len(header)).column_letter, sheet.max_row))
        for row in sheet.iter_rows(min_row=2):
            for title, cell in zip(header, row):
                self.assertNotEqual(cell.data_type, "f", cell.coordinate)
                if cell.value is None:
                    continue
                if title in TEXT_COLUMNS:
                    self.assertEqual(cell.data_type, "s", cell.coordinate)
                    self.assertEqual(cell.number_format, "@", cell.coordinate)
                else:
                    text = str(cell.value)
                    plain = text == "0" or (text.lstrip("-").isdigit() and not text.lstrip("-").startswith("0"))
                    self.assertEqual(cell.data_type, "n" if plain else "s", cell.coordinate)
        tom = next(row for row in sheet.iter_rows(min_row=2, values_only=True) if row[0] == "SHW/Big Tom.txt")
        values = dict(zip(header, tom))
        self.assertEqual((values["common_name"], values["weight"], values["nationality"], values["birth_date"],
                          values["sherdog_id"], values["punches"]), ("007", "1e5", "=1+1", "09/08/1997", "0042", 20))
        self.assertEqual(values["full_name"], 'José "Pepe" Núñez, l\'Ours')
        for title in ("file", "full_name", "punches"):
            width = sheet.column_dimensions[sheet.cell(1, header.index(title) + 1).column_letter].width
            self.assertGreaterEqual(width, len(title) + 3, title)

    @unittest.skipUnless(openpyxl, "openpyxl (python3-openpyxl) is not installed")
    def test_saved_again_by_openpyxl_imports_with_no_change(self):
        resaved = os.path.join(self.scratch, "openpyxl.xlsx")
        openpyxl.load_workbook(self.exported).save(resaved)
        self.assert_imports_unchanged(resaved)

    @unittest.skipUnless(openpyxl, "openpyxl (python3-openpyxl) is not installed")
    def test_an_edit_in_openpyxl_imports_as_exactly_those_lines(self):
        book = openpyxl.load_workbook(self.exported)
        sheet = book.worksheets[0]
        header = [cell.value for cell in sheet[1]]
        rows = {row[0].value: row for row in sheet.iter_rows(min_row=2)}
        rows["LW/Ignacio Brevanza.txt"][header.index("punches")].value = 19
        rows["LW/Ignacio Brevanza.txt"][header.index("kicks")].value = 3
        rows["SHW/Big Tom.txt"][header.index("full_name")].value = "Tomás Grande"
        edited = os.path.join(self.scratch, "edited.xlsx")
        book.save(edited)

        before = folder_bytes(self.folder)
        dry = self.tool("import", edited, "--dry-run")
        self.assertEqual(dry.returncode, 0, dry.stderr)
        changes = [line for line in dry.stdout.splitlines() if " -> " in line]
        self.assertEqual(len(changes), 3, dry.stdout)
        result = self.tool("import", edited)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "changed Fighters/LW/Ignacio Brevanza.txt\nchanged Fighters/SHW/Big Tom.txt\n"
                                        "2 changed, 0 moved, 0 created, 10 unchanged\n")
        after = folder_bytes(self.folder)
        expected = dict(before)
        for name, edits in [("Ignacio Brevanza.txt", {0: b"19", 1: b"3"}), ("Big Tom.txt", {17: "Tomás Grande".encode("cp1252")})]:
            path = next(p for p in before if os.path.basename(p) == name)
            lines = before[path].split(b"\r\n")
            for line, text in edits.items():
                lines[line] = text
            expected[path] = b"\r\n".join(lines)
        self.assertEqual(after, expected)


if __name__ == "__main__":
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(SpreadsheetPrograms)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(77 if len(result.skipped) == result.testsRun else 0)
