"""Reads an .xlsx file with openpyxl and prints its active sheet as JSON: the sheet names,
every non-empty cell with its type, value, boldness, number format and alignment, and the
column widths."""
import json
import sys

from openpyxl import load_workbook

wb = load_workbook(sys.argv[1])
ws = wb.active
bunky = {}
for radek in ws.iter_rows():
    for c in radek:
        if c.value is not None:
            bunky[c.coordinate] = {'typ': c.data_type, 'hodnota': c.value, 'tucne': bool(c.font.b),
                                   'format': c.number_format, 'zarovnani': c.alignment.horizontal}
print(json.dumps({'listy': wb.sheetnames, 'aktivni': ws.title, 'bunky': bunky,
                  'sirky': {k: d.width for k, d in ws.column_dimensions.items()}}, ensure_ascii=False))
