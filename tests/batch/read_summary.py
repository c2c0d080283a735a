#!/usr/bin/env python3
# SPDX-License-Identifier: EUPL-1.2
"""The batch's summaries as a spreadsheet reads them, in words, for a golden file.

    read_summary.py workbook FILE.xlsx    synthese.xlsx as openpyxl reads it
    read_summary.py libreoffice FILE...   each synthese.csv opened by LibreOffice with its
                                          default import (separators "," ";" and tab together,
                                          formulas evaluated, French), then read the same way;
                                          each synthese.xlsx opened and saved by LibreOffice,
                                          then compared with openpyxl's reading of the file

The workbook's zip entries first: the level each was deflated at, from its flags.
Each sheet: its size, frozen cell, filter, bold header and column widths, then every row, a
cell a field: a number as #value, a formula as !formula (never expected), text as it is.
"""
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

import openpyxl


def deflate_levels(path):
    """The levels minizip notes in each entry's flags (bits 1 and 2), in words."""
    names = {0: "normal", 2: "maximum", 4: "fast", 6: "fastest"}
    with zipfile.ZipFile(path) as book:
        levels = {names[entry.flag_bits & 6] for entry in book.infolist()
                  if entry.compress_type == zipfile.ZIP_DEFLATED}
    return "entries deflated " + " ".join(sorted(levels))


def cell(c):
    if c.data_type == "f":
        return "!" + str(c.value)
    if c.value is None:
        return ""
    if c.data_type == "n":
        return "#" + (f"{c.value:.2f}" if isinstance(c.value, float) else str(c.value))
    return str(c.value).replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t")


def describe(path, layout, out=print):
    book = openpyxl.load_workbook(path)
    for sheet in book.worksheets:
        out(f"== {sheet.title} {sheet.max_row}x{sheet.max_column}")
        if layout:
            header = next(sheet.iter_rows(max_row=1))
            bold = all(c.font.b for c in header if c.value is not None)
            widths = [str(round(sheet.column_dimensions[openpyxl.utils.get_column_letter(i)].width
                                or 0)) for i in range(1, sheet.max_column + 1)]
            out(f"frozen {sheet.freeze_panes} filter {sheet.auto_filter.ref} "
                  f"bold header {bold} charts {len(sheet._charts)} widths {' '.join(widths)}")
            formats = {c.number_format for row in sheet.iter_rows() for c in row
                       if c.data_type == "n" and c.number_format != "General"}
            if formats:
                out("number formats " + " ".join(sorted(formats)))
        for row in sheet.iter_rows():
            fields = [cell(c) for c in row]
            while fields and not fields[-1]:
                fields.pop()
            out(" | ".join(fields))


def cells(path):
    lines = []
    describe(path, False, lines.append)
    return lines


def in_libreoffice(paths):
    """All in one start of LibreOffice, which takes seconds; each copied under a name of its own."""
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for i, path in enumerate(paths):
            copies.append(Path(scratch) / f"summary{i}{Path(path).suffix}")
            copies[-1].write_bytes(Path(path).read_bytes())
        subprocess.run(["soffice", f"-env:UserInstallation=file://{scratch}/profile", "--headless",
                        "--infilter=CSV:44/59/9,34,76,1,,1036", "--convert-to", "xlsx",
                        "--outdir", f"{scratch}/out"] + [str(c) for c in copies],
                       check=True, capture_output=True, timeout=300)
        for path, copy in zip(paths, copies):
            saved = Path(scratch) / "out" / (copy.stem + ".xlsx")
            if copy.suffix == ".csv":
                describe(saved, False)
                continue
            differences = sum(a != b for a, b in zip(cells(saved), cells(path)))
            print(f"== {copy.stem}: LibreOffice reads {len(cells(saved))} lines of cells, "
                  f"{differences} unlike openpyxl's")


if __name__ == "__main__":
    if sys.argv[1] == "workbook":
        print(deflate_levels(sys.argv[2]))
        describe(sys.argv[2], True)
    else:
        in_libreoffice(sys.argv[2:])
