# Rewrites platform-export.xlsx (made by LibreOffice) into inline-strings.xlsx: every text cell
# holds its text inline (<is>), the second name as two rich-text runs, and the shared strings part
# is gone, as streaming XLSX writers leave their files. Run: python3 inline-strings.py
import re
import zipfile

source = zipfile.ZipFile("platform-export.xlsx")
strings = [
    "".join(re.findall(r"<t[^>]*>(.*?)</t>", item, re.S))
    for item in re.findall(r"<si>(.*?)</si>", source.read("xl/sharedStrings.xml").decode(), re.S)
]


def inline(match):
    text = strings[int(match.group(2))]
    if text == "Nadia":
        runs = '<r><t>Na</t></r><r><rPr><b/></rPr><t>dia</t></r>'
    else:
        runs = "<t>" + text + "</t>"
    return match.group(1) + 't="inlineStr"><is>' + runs + "</is></c>"


with zipfile.ZipFile("inline-strings.xlsx", "w", zipfile.ZIP_DEFLATED) as target:
    for info in source.infolist():
        data = source.read(info.filename)
        if info.filename == "xl/sharedStrings.xml":
            continue
        if info.filename == "xl/worksheets/sheet1.xml":
            data = re.sub(r'(<c r="[A-Z]+\d+" s="\d+" )t="s"><v>(\d+)</v></c>', inline, data.decode()).encode()
        if info.filename == "xl/_rels/workbook.xml.rels":
            data = re.sub(r'<Relationship [^>]*sharedStrings[^>]*/>', "", data.decode()).encode()
        target.writestr(info, data)
