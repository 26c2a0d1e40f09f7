#!/usr/bin/python3
# Writes twin.xls (python3-xlwt) and twin.xlsx (python3-openpyxl): the same
# two sheets, "Front" with a text, an integer, a fraction and an empty cell
# inside the used range B2:D3, and "Back" with one text in A1.
# Run once; the outputs are committed beside it.
import openpyxl
import xlwt

front = {(1, 1): "name", (1, 2): 42, (1, 3): 2.5, (2, 1): "x\u00e9", (2, 3): -7}

book = xlwt.Workbook()
sheet = book.add_sheet("Front")
for (r, c), v in front.items():
    sheet.write(r, c, v)
book.add_sheet("Back").write(0, 0, "back")
book.save("twin.xls")

book = openpyxl.Workbook()
sheet = book.active
sheet.title = "Front"
for (r, c), v in front.items():
    sheet.cell(row=r + 1, column=c + 1, value=v)
book.create_sheet("Back")["A1"] = "back"
book.save("twin.xlsx")
