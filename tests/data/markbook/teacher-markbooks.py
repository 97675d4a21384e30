#!/usr/bin/env python3
"""Writes the flat ODS sources of the teacher markbooks (title-rows, three-sheets, letter-grades,
typed-names) and empty-lines.csv; LibreOffice turns each .fods into .xlsx and .ods (README.md)."""
import unicodedata
from xml.sax.saxutils import escape

# The sample class (sample/ENG2D101.tqc): number, last, first, section, the new final mark.
CLASS = [
    ("316208659", "Ahmed", "Layla", "10B", "91"), ("343762839", "Ahmed", "Nadia", "10A", "70"),
    ("317414637", "Anderson", "Tariq", "10C", ""), ("322452799", "Arsenault", "Carlos", "10D", "71"),
    ("312320351", "Bélanger", "Amira", "10C", "72"), ("329062158", "Chen", "Leah", "10C", "64.5"),
    ("316413277", "Delgado", "Alejandro", "10C", "58"), ("331668635", "Delgado", "Ali", "10B", "79"),
    ("319507023", "Gonçalves", "Sara", "10C", "76"), ("314326304", "Grewal", "Lily", "10B", "75"),
    ("336964802", "Iqbal", "Jasmine", "10C", "81"), ("311551809", "Iqbal", "Sophie", "10C", "70"),
    ("316100204", "Jones", "Nora", "10C", "52"), ("335340948", "Lam", "Daniel", "10B", "68"),
    ("344995231", "Müller", "François", "10C", "73"), ("324119051", "O'Brien", "Adam", "10B", "84"),
    ("336562864", "O'Brien", "Kavya", "10C", "96"), ("323043651", "Okafor", "Diego", "10A", "73"),
    ("336326126", "Popescu", "José", "10B", "66"), ("323798035", "Ramos", "Ali", "10A", "61"),
    ("331026356", "Santos", "Kareem", "10C", "82"), ("311583713", "Schmidt", "Aidan", "10A", "57"),
    ("317430786", "Singh", "Ava", "10B", "67"), ("325273919", "Taylor", "Amira", "10A", "49"),
    ("317548169", "Zhou", "Samuel", "10C", "75"), ("329704580", "Zielinski", "Sofia", "10B", "78"),
    ("347496344", "de Souza", "Aarav", "10A", "71"), ("322217771", "Ødegaard", "Esther", "10B", "66"),
]

HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
  xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
  xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <number:date-style style:name="D1"><number:year number:style="long"/><number:text>-</number:text><number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/></number:date-style>
  <number:number-style style:name="N1"><number:number number:decimal-places="1" number:min-integer-digits="1"/></number:number-style>
  <style:style style:name="ceDate" style:family="table-cell" style:data-style-name="D1"/>
  <style:style style:name="ceOne" style:family="table-cell" style:data-style-name="N1"/>
  <style:style style:name="coHidden" style:family="table-column"><style:table-column-properties style:column-width="2cm"/></style:style>
 </office:automatic-styles>
 <office:body>
  <office:spreadsheet>
"""
TAIL = """  </office:spreadsheet>
 </office:body>
</office:document>
"""


def text(value, span=1):
    merged = f' table:number-columns-spanned="{span}"' if span > 1 else ""
    covered = "<table:covered-table-cell/>" * (span - 1)
    return f'<table:table-cell office:value-type="string"{merged}><text:p>{escape(value)}</text:p></table:table-cell>{covered}'


def number(value, style=""):
    if value == "":
        return "<table:table-cell/>"
    styled = f' table:style-name="{style}"' if style else ""
    return f'<table:table-cell office:value-type="float" office:value="{value}"{styled}><text:p>{value}</text:p></table:table-cell>'


def formula(expression, style=""):
    styled = f' table:style-name="{style}"' if style else ""
    return f'<table:table-cell table:formula="of:={expression}"{styled}/>'


def date(iso):
    return f'<table:table-cell office:value-type="date" office:date-value="{iso}" table:style-name="ceDate"><text:p>{iso}</text:p></table:table-cell>'


def row(*cells):
    return "<table:table-row>" + "".join(cells) + "</table:table-row>\n"


def sheet(name, rows, columns=""):
    return f'   <table:table table:name="{escape(name)}">{columns}\n' + "".join(rows) + "   </table:table>\n"


def write(name, sheets):
    with open(name, "w", encoding="utf-8") as f:
        f.write(HEAD + "".join(sheets) + TAIL)


def title_rows():
    """A title row and merged group headings above the headings on row 3; a date column, a hidden
    column, a #DIV/0! cell, the final mark as a formula, and a class average row below."""
    columns = ('<table:table-column table:number-columns-repeated="5"/>'
               '<table:table-column table:style-name="coHidden" table:visibility="collapse"/>'
               '<table:table-column table:number-columns-repeated="5"/>')
    rows = [row(text("ENG2D1-01 Markbook, Semester 1", 11)),
            row(text("Student", 3), text("Term Work", 5), text("Final", 3)),
            row(text("Student No"), text("Last Name"), text("First Name"), text("Handed In"), text("Essay"),
                text("Quiz"), text("Test"), text("Test / Quiz"), text("Term Work"), text("Exam"), text("Final Mark"))]
    for i, (num, last, first, _, mark) in enumerate(CLASS):
        r = 4 + i
        quiz = "" if i == 5 else str(60 + i)  # Chen Leah missed the quiz: her ratio is #DIV/0!
        rows.append(row(number(num), text(last), text(first), date(f"2026-10-{1 + i % 28:02d}"),
                        number(str(50 + i)), number(quiz), number(str(55 + i)), formula(f"[.G{r}]/[.F{r}]", "ceOne"),
                        formula(f"AVERAGE([.E{r}];[.G{r}])", "ceOne"), number(str(40 + i)),
                        formula(mark, "ceOne") if mark else "<table:table-cell/>"))
    last = 3 + len(CLASS)
    rows.append(row())
    rows.append(row(text(""), text("Class Average"), text(""), text(""),
                    *[formula(f"AVERAGE([.{c}4:.{c}{last}])", "ceOne") for c in "EFG"], text(""),
                    *[formula(f"AVERAGE([.{c}4:.{c}{last}])", "ceOne") for c in "IJK"]))
    write("title-rows.fods", [sheet("ENG2D1-01", rows, columns)])


def three_sheets():
    """Another class on the first sheet, the class on the second, a summary on the third."""
    other = [row(text("Student No"), text("Last Name"), text("First Name"), text("Final Mark"))]
    for i, (last, first) in enumerate([("Abbott", "Mia"), ("Brown", "Lee"), ("Cruz", "Noah"), ("Dunn", "Ella")]):
        other.append(row(number(str(400000001 + i)), text(last), text(first), number(str(70 + i))))
    mine = [row(text("Student No"), text("Last Name"), text("First Name"), text("Final Mark"))]
    for num, last, first, _, mark in CLASS:
        mine.append(row(number(num), text(last), text(first), number(mark)))
    summary = [row(text("Class"), text("Average")), row(text("ENG1D1-02"), number("71.5")),
               row(text("ENG2D1-01"), number("70.2"))]
    write("three-sheets.fods", [sheet("ENG1D1-02", other), sheet("ENG2D1-01", mine), sheet("Summary", summary)])


def letter_grades():
    """The marks in "Final %", their letter grades in "Final Grade" to the right."""
    def letter(mark):
        m = float(mark)
        return "A" if m >= 80 else "B+" if m >= 75 else "B" if m >= 70 else "C" if m >= 60 else "D" if m >= 50 else "R"
    rows = [row(text("Last Name"), text("First Name"), text("Final %"), text("Final Grade"))]
    for _, last, first, _, mark in CLASS:
        rows.append(row(text(last), text(first), number(mark), text(letter(mark) if mark else "")))
    write("letter-grades.fods", [sheet("Grades", rows)])


def typed_names():
    """Names as typed in a spreadsheet with typographic apostrophes, and as a Mac writes accents
    (decomposed), matched by name only."""
    rows = [row(text("Last Name"), text("First Name"), text("Final Mark"))]
    for _, last, first, _, mark in CLASS:
        last = unicodedata.normalize("NFD", last.replace("'", "\u2019"))
        first = unicodedata.normalize("NFD", first)
        rows.append(row(text(last), text(first), number(mark)))
    write("typed-names.fods", [sheet("Typed", rows)])


def empty_lines():
    """Groups of students by homeroom with an empty line between groups, as exported by hand."""
    lines = ["Student Number,Last Name,First Name,Final Mark"]
    for section in ("10A", "10B", "10C", "10D"):
        lines.append("")
        lines += [f"{num},{last},{first},{mark}" for num, last, first, sec, mark in CLASS if sec == section]
    with open("empty-lines.csv", "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


title_rows()
three_sheets()
letter_grades()
typed_names()
empty_lines()
