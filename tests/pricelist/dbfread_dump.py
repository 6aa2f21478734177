"""Prints a dBase file as python3-dbfread reads it: JSON {"fields": [...], "records": [[...]]}.
Character fields are decoded as code page 852, dates as ISO text."""
import json
import sys

from dbfread import DBF

table = DBF(sys.argv[1], encoding="cp852", load=True)
print(json.dumps({"fields": table.field_names,
                  "records": [list(r.values()) for r in table.records]},
                 default=lambda v: v.isoformat(), ensure_ascii=False))
