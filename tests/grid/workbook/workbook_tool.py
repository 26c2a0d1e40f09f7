#!/usr/bin/python3
# Workbooks for the grid's workbook tests, written and checked by other
# programs than the grid: openpyxl writes them, zipfile and ElementTree read
# them back.
#   b3c4 PATH         the used range B3:C4 (texts as shared strings, numbers)
#   two-sheets PATH   "One" and "Two" shown, an error and a truth value in Two
#   sheet1 PATH       one sheet "Sheet1" with "keep" in A1 and B7
#   dates PATH        row 1: a date, a date and time, a time, a number shown
#                     "0.00" and a date in a custom "dd.mm.yy" format
#   check-data PATH COLS ROWS   prints the sheet names, Data's range and its
#                     texts row by row (TAB-separated, line breaks as \n), Sheet1's A1 and
#                     Data's AD2 as openpyxl reads it
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl

MAIN = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
PKG = "{http://schemas.openxmlformats.org/package/2006/relationships}"


def shared_strings(path):
    """Rewrites the inline strings of every sheet as shared strings."""
    with zipfile.ZipFile(path) as z:
        parts = {n: z.read(n) for n in z.namelist()}
    ET.register_namespace("", MAIN[1:-1])
    strings = []
    for name in [n for n in parts if n.startswith("xl/worksheets/sheet")]:
        root = ET.fromstring(parts[name])
        for c in root.iter(MAIN + "c"):
            if c.get("t") == "inlineStr":
                text = "".join(t.text or "" for t in c.iter(MAIN + "t"))
                for child in list(c):
                    c.remove(child)
                c.set("t", "s")
                ET.SubElement(c, MAIN + "v").text = str(len(strings))
                strings.append(text)
        parts[name] = ET.tostring(root, encoding="UTF-8", xml_declaration=True)
    sst = ET.Element(MAIN + "sst", count=str(len(strings)), uniqueCount=str(len(strings)))
    for s in strings:
        ET.SubElement(ET.SubElement(sst, MAIN + "si"), MAIN + "t").text = s
    parts["xl/sharedStrings.xml"] = ET.tostring(sst, encoding="UTF-8", xml_declaration=True)
    parts["xl/_rels/workbook.xml.rels"] = parts["xl/_rels/workbook.xml.rels"].replace(
        b"</Relationships>",
        b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
        b'relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    parts["[Content_Types].xml"] = parts["[Content_Types].xml"].replace(
        b"</Types>",
        b'<Override PartName="/xl/sharedStrings.xml" ContentType="application/'
        b'vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for n, b in parts.items():
            z.writestr(n, b)


def b3c4(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet["B3"], sheet["C3"] = "top left", 1.5
    sheet["B4"], sheet["C4"] = 12, "bottom right"
    book.save(path)
    shared_strings(path)


def two_sheets(path):
    book = openpyxl.Workbook()
    book.active.title = "One"
    book["One"]["A1"] = "one"
    two = book.create_sheet("Two")
    two["A1"], two["B1"] = "two", "#N/A"
    two["A2"], two["B2"] = True, "after"
    book.active = 1
    book.save(path)


def sheet1(path):
    book = openpyxl.Workbook()
    book.active.title = "Sheet1"
    book.active["A1"] = "keep"
    book.active["B7"] = "below"
    book.save(path)


def dates(path):
    import datetime
    book = openpyxl.Workbook()
    sheet = book.active
    sheet["A1"] = datetime.date(2026, 12, 11)
    sheet["B1"] = datetime.datetime(2026, 12, 11, 8, 30, 15)
    sheet["C1"] = datetime.time(14, 5)
    sheet["D1"] = 46367
    sheet["D1"].number_format = "0.00"
    sheet["E1"] = datetime.date(1999, 1, 2)
    sheet["E1"].number_format = "dd.mm.yy"
    book.save(path)


def check_data(path):
    with zipfile.ZipFile(path) as z:
        book = ET.fromstring(z.read("xl/workbook.xml"))
        rels = ET.fromstring(z.read("xl/_rels/workbook.xml.rels"))
        targets = {r.get("Id"): r.get("Target") for r in rels.iter(PKG + "Relationship")}
        sheets = {s.get("name"): "xl/" + targets[s.get(REL + "id")].lstrip("/").replace("xl/", "", 1)
                  for s in book.iter(MAIN + "sheet")}
        print(",".join(s.get("name") for s in book.iter(MAIN + "sheet")))
        data = ET.fromstring(z.read(sheets["Data"]))
        print(data.find(MAIN + "dimension").get("ref"))
        for row in data.iter(MAIN + "row"):
            texts = []
            for c in row.iter(MAIN + "c"):
                if c.get("t") == "inlineStr":
                    texts.append("".join(t.text or "" for t in c.iter(MAIN + "t")))
                else:
                    texts.append(c.find(MAIN + "v").text)
            print("\t".join(texts).replace("\n", "\\n"))
        first = ET.fromstring(z.read(sheets["Sheet1"]))
        for c in first.iter(MAIN + "c"):
            if c.get("r") == "A1":
                print("".join(t.text or "" for t in c.iter(MAIN + "t")))
    # openpyxl must take the written workbook as it stands.
    again = openpyxl.load_workbook(path)
    print(again["Data"]["AD2"].value)


{"b3c4": b3c4, "two-sheets": two_sheets, "sheet1": sheet1, "dates": dates,
 "check-data": check_data}[sys.argv[1]](sys.argv[2])
