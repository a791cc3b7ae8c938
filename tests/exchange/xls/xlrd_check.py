#!/usr/bin/python3
"""Reads a workbook written by tobrel with xlrd, an independent reader, and checks it against the
sheet of the round-trip test. Exits 0 when everything matches, prints what differs otherwise."""
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
errors = []


def check(what, actual, expected):
    if actual != expected:
        errors.append("%s: %r, expected %r" % (what, actual, expected))


check("sheet names", book.sheet_names(), ["Sheet1"])
sheet = book.sheet_by_index(0)
check("rows", sheet.nrows, 5)
check("columns", sheet.ncols, 23)
expected = {
    (0, 0): (xlrd.XL_CELL_TEXT, "Точка"),
    (0, 1): (xlrd.XL_CELL_TEXT, "Отчет на склерометъра, големина на отскока"),
    (1, 0): (xlrd.XL_CELL_BLANK, ""),
    (1, 12): (xlrd.XL_CELL_NUMBER, 12.0),
    (1, 18): (xlrd.XL_CELL_TEXT, "kуред."),
    (2, 1): (xlrd.XL_CELL_NUMBER, 31.0),
    (2, 4): (xlrd.XL_CELL_BLANK, ""),
    (2, 15): (xlrd.XL_CELL_NUMBER, 30.8888888888889),
    (2, 16): (xlrd.XL_CELL_TEXT, "хориз."),
    (2, 20): (xlrd.XL_CELL_NUMBER, 0.966),
    (2, 21): (xlrd.XL_CELL_NUMBER, 26.8),
    (2, 22): (xlrd.XL_CELL_TEXT, "B25"),
    (3, 0): (xlrd.XL_CELL_TEXT, "007"),
    (3, 1): (xlrd.XL_CELL_TEXT, "1.150"),
    (3, 2): (xlrd.XL_CELL_TEXT, " 5"),
    (3, 5): (xlrd.XL_CELL_TEXT, "line\nbreak"),
    (3, 8): (xlrd.XL_CELL_NUMBER, -12.5),
    (4, 22): (xlrd.XL_CELL_BLANK, ""),
}
for (row, col), (kind, value) in expected.items():
    cell = sheet.cell(row, col)
    check("cell %d,%d" % (row, col), (cell.ctype, cell.value), (kind, value))
check("merges", sorted(sheet.merged_cells), [(0, 1, 1, 13), (0, 1, 16, 18), (0, 1, 19, 21)])
header_font = book.font_list[book.xf_list[sheet.cell_xf_index(0, 0)].font_index]
point_font = book.font_list[book.xf_list[sheet.cell_xf_index(2, 1)].font_index]
check("header font", (header_font.name, header_font.height, header_font.bold), ("Tahoma", 160, 1))
check("point font", (point_font.name, point_font.height, point_font.bold), ("Tahoma", 160, 0))
check("default font", (book.font_list[0].name, book.font_list[0].height), ("Arial", 200))
check("selected", sheet.sheet_selected, 1)
check("grid lines", sheet.show_grid_lines, 1)
check("column 0 width", sheet.colinfo_map[0].width, round(80 * 256 / 7))
check("row 3 height", sheet.rowinfo_map[3].height, 40 * 15)
for error in errors:
    print(error)
sys.exit(1 if errors else 0)
