#!/usr/bin/env python3
"""Writes the default button package of the function palette into buttons/:
buttons.qbp, one .qbt per tab (Shift-JIS, CR LF) and a 16x16 bitmap per button
plus NewLine.bmp. Each glyph is a rounded badge in the tab's colour with a short
white label in a 3x5 pixel font; the magenta corners are the transparent colour
(the bottom-left pixel's). Run it from anywhere; the output is committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "buttons")

FONT = {  # 3x5, rows top to bottom, bit 2 = left column
    "A": [2, 5, 7, 5, 5], "B": [6, 5, 6, 5, 6], "C": [3, 4, 4, 4, 3], "D": [6, 5, 5, 5, 6],
    "E": [7, 4, 6, 4, 7], "F": [7, 4, 6, 4, 4], "H": [5, 5, 7, 5, 5], "I": [7, 2, 2, 2, 7],
    "K": [5, 5, 6, 5, 5], "L": [4, 4, 4, 4, 7], "M": [5, 7, 7, 5, 5], "N": [6, 5, 5, 5, 5],
    "O": [2, 5, 5, 5, 2], "P": [6, 5, 6, 4, 4], "R": [6, 5, 6, 5, 5], "S": [3, 4, 2, 1, 6],
    "T": [7, 2, 2, 2, 2], "U": [5, 5, 5, 5, 7], "V": [5, 5, 5, 5, 2], "W": [5, 5, 7, 7, 5],
    "X": [5, 5, 2, 5, 5],
}

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
TABS = [
    # caption, file, badge colour, buttons: (text, description, arguments, bitmap, label)
    ("構文", "syntax", (40, 90, 170), [
        ("action ", "アクションを定義します", "action 名前 { … }", "action", "ACT"),
        ("if ()", "条件が成り立つときに実行します", "if (条件) { … }", "if", "IF"),
        ("else", "if の条件が成り立たないときに実行します", "else { … }", "else", "ELS"),
        ("for (;;)", "繰り返します", "for (初期化; 条件; 更新) { … }", "for", "FOR"),
        ("while ()", "条件が成り立つ間繰り返します", "while (条件) { … }", "while", "WHL"),
        ("switch ()", "値によって分岐します", "switch (値) { case … }", "switch", "SW"),
        ("case :", "switch の分岐先です", "case 値:", "case", "CAS"),
        ("break;", "繰り返しや switch を抜けます", "break;", "break", "BRK"),
    ]),
    ("選択肢", "choice", (30, 130, 60), [
        ("Choice", "選択肢を出します", "引数は Lumira ヘルプを参照", "choice", "CHO"),
        ("AddItem", "選択肢に項目を加えます", "引数は Lumira ヘルプを参照", "additem", "ADD"),
        ("AddCancelItem", "選択肢にキャンセルの項目を加えます", "引数は Lumira ヘルプを参照", "addcancel", "CAN"),
    ]),
    ("宣言", "declare", (170, 90, 20), [
        ("import ", "ほかのファイルを取り込みます", "import ファイル", "import", "IMP"),
        ("extern ", "外部の定義を宣言します", "extern 宣言", "extern", "EXT"),
        ("void ", "値を返さないことを表す型です", "void", "void", "VOI"),
        ("int ", "整数の型です", "int 名前", "int", "INT"),
        ("char ", "文字の型です", "char 名前", "char", "CHR"),
        ("boolean ", "真偽値の型です", "boolean 名前", "boolean", "BOO"),
        ("string ", "文字列の型です", "string 名前", "string", "STR"),
        ("true", "真を表す値です", "true", "true", "TRU"),
        ("false", "偽を表す値です", "false", "false", "FLS"),
    ]),
]


def blank():
    return [[MAGENTA] * 16 for _ in range(16)]


def badge(colour):
    img = blank()
    for y in range(1, 15):
        for x in range(1, 15):
            corner = (x in (1, 14)) and (y in (1, 14))
            if not corner:
                img[y][x] = colour
    return img


def label(img, text):
    width = len(text) * 4 - 1
    left = (16 - width) // 2
    top = 5
    for i, ch in enumerate(text):
        for row, bits in enumerate(FONT[ch]):
            for col in range(3):
                if bits & (4 >> col):
                    img[top + row][left + i * 4 + col] = WHITE
    return img


def newline_glyph():
    img = blank()
    ink = (20, 20, 20)
    for y in range(3, 10):      # the down stroke on the right
        img[y][12] = ink
        img[y][11] = ink
    for x in range(4, 13):      # the stroke back to the left
        img[9][x] = ink
        img[10][x] = ink
    for d in range(1, 4):       # the arrow head
        for y in (9 - d, 10 + d):
            img[y][3 + d] = ink
    return img


def write_bmp(path, img):
    rows = b"".join(bytes(c for px in reversed_row for c in (px[2], px[1], px[0]))
                    for reversed_row in reversed(img))  # bottom-up, BGR, 48 bytes a row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write(b"".join(line.encode("cp932") + b"\r\n" for line in lines))


def main():
    os.makedirs(OUT, exist_ok=True)
    package = []
    for caption, name, colour, buttons in TABS:
        package.append("%s\tbuttons\\%s.qbt" % (caption, name))
        lines = []
        for text, description, arguments, bitmap, text_label in buttons:
            lines.append("\t".join([text, description, arguments, "buttons\\%s.bmp" % bitmap]))
            write_bmp(os.path.join(OUT, bitmap + ".bmp"), label(badge(colour), text_label))
        write_lines(os.path.join(OUT, name + ".qbt"), lines)
    write_lines(os.path.join(OUT, "buttons.qbp"), package)
    write_bmp(os.path.join(OUT, "NewLine.bmp"), newline_glyph())


if __name__ == "__main__":
    main()
