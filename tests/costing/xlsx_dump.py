"""Reads an .xlsx file with openpyxl and prints its active sheet as JSON: the sheet names,
every non-empty cell with its type, value, boldness, number format and alignment, and the
column widths. A text's "_xHHHH_" is read as the character it stands for, as spreadsheet programs
read it."""
import json
import re
import sys

from openpyxl import load_workbook

wb = load_workbook(sys.argv[1])
ws = wb.active
bunky = {}
for radek in ws.iter_rows():
    for c in radek:
        if c.value is not None:
            hodnota = re.sub(r'_x([0-9A-F]{4})_', lambda m: chr(int(m[1], 16)), c.value) if c.data_type == 's' else c.value
            bunky[c.coordinate] = {'typ': c.data_type, 'hodnota': hodnota, 'tucne': bool(c.font.b),
                                   'format': c.number_format, 'zarovnani': c.alignment.horizontal}
print(json.dumps({'listy': wb.sheetnames, 'aktivni': ws.title, 'bunky': bunky,
                  'sirky': {k: d.width for k, d in ws.column_dimensions.items()}}, ensure_ascii=False))
