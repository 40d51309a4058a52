#!/usr/bin/env python3
"""Writes the keyboard and soft-keyboard layout files of our keyboard models.

The layout files under images/configDir/ are data: this script is how they were
made, kept so a change of geometry is made once, here, and every file follows.
Run it from anywhere; it rewrites the files in place:

    python3 tools/keylayouts/generate_layouts.py

Format: one JSON object, CR LF line ends, rows "EveryKeyInfo_Row0<n>" of key
entries (PosX, PosY, Width, Height, Dec, qtDec, Character); keyboard rows 1..6
hold exactly 22 entries each, empty grid places hold placeholders. Row 0 of a
keyboard with side lights holds its light segments.
"""

import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "images", "configDir")

# name -> (HID usage "Dec", Windows virtual-key "qtDec", caption "Character").
# Captions of two-symbol keys hold the unshifted symbol first. The backslash key
# is written as double quote + bar: the readers turn the escaped quote into the
# backslash the key shows.
KEYS = {
    "Esc": (41, 27, "Esc"), "F1": (58, 112, "F1"), "F2": (59, 113, "F2"), "F3": (60, 114, "F3"),
    "F4": (61, 115, "F4"), "F5": (62, 116, "F5"), "F6": (63, 117, "F6"), "F7": (64, 118, "F7"),
    "F8": (65, 119, "F8"), "F9": (66, 120, "F9"), "F10": (67, 121, "F10"), "F11": (68, 122, "F11"),
    "F12": (69, 123, "F12"), "PrtSc": (70, 44, "PrtSc"), "ScrLk": (71, 145, "ScrLk"),
    "Pause": (72, 19, "Pause"), "Grave": (53, 192, "`~"),
    "1": (30, 49, "1!"), "2": (31, 50, "2@"), "3": (32, 51, "3#"), "4": (33, 52, "4$"),
    "5": (34, 53, "5%"), "6": (35, 54, "6^"), "7": (36, 55, "7&"), "8": (37, 56, "8*"),
    "9": (38, 57, "9("), "0": (39, 48, "0)"), "Minus": (45, 189, "-_"), "Equal": (46, 187, "=+"),
    "Bksp": (42, 8, "Bksp"), "Tab": (43, 9, "Tab"), "LBracket": (47, 219, "[{"),
    "RBracket": (48, 221, "]}"), "Backslash": (49, 220, '"|'), "Caps": (57, 20, "Caps"),
    "Semicolon": (51, 186, ";:"), "Quote": (52, 222, "'\""), "Enter": (40, 999, "Enter"),
    "LShift": (225, 160, "Shift"), "Comma": (54, 188, ",<"), "Period": (55, 190, ".>"),
    "Slash": (56, 191, "/?"), "RShift": (229, 161, "Shift"), "LCtrl": (224, 162, "Ctrl"),
    "LWin": (227, 91, "Win"), "LAlt": (226, 164, "Alt"), "Space": (44, 32, "Space"),
    "RAlt": (230, 165, "Alt"), "Fn": (-10, -1, "Fn"), "Menu": (101, 93, "Menu"),
    "RCtrl": (228, 163, "Ctrl"), "Ins": (73, 45, "Ins"), "Home": (74, 36, "Home"),
    "PgUp": (75, 33, "PgUp"), "Del": (76, 46, "Del"), "End": (77, 35, "End"),
    "PgDn": (78, 34, "PgDn"), "Up": (82, 38, "Up"), "Left": (80, 37, "Left"),
    "Down": (81, 40, "Down"), "Right": (79, 39, "Right"), "NumLk": (83, 144, "NumLk"),
    "KpSlash": (84, 111, "Num/"), "KpStar": (85, 106, "Num*"), "KpMinus": (86, 109, "Num-"),
    "KpPlus": (87, 107, "Num+"), "KpEnter": (88, 998, "NumEnter"), "Kp1": (89, 97, "Num1"),
    "Kp2": (90, 98, "Num2"), "Kp3": (91, 99, "Num3"), "Kp4": (92, 100, "Num4"),
    "Kp5": (93, 101, "Num5"), "Kp6": (94, 102, "Num6"), "Kp7": (95, 103, "Num7"),
    "Kp8": (96, 104, "Num8"), "Kp9": (97, 105, "Num9"), "Kp0": (98, 96, "Num0"),
    "KpDot": (99, 110, "Num."), "Mute": (127, 173, "Mute"),
    "KnobPress": (800, 0, "L_WHEEL"), "KnobCcw": (801, 0, "L_WHEEL_CCW"), "KnobCw": (802, 0, "L_WHEEL_CW"),
    # Language keys of other layouts; Windows gives some no distinct virtual key,
    # so they carry the pseudo codes the key capture substitutes.
    "K14": (137, 981, "K14"), "K45": (100, 226, "K45"), "K56": (135, 984, "K56"),
    "K131": (139, 986, "K131"), "K132": (138, 987, "K132"), "K133": (136, 988, "K133"),
    "Hangul": (144, 2350, "Korean/English"), "Hanja": (145, 2360, "Chinese"),
    "VolDown": (129, 174, "Vol-"), "VolUp": (128, 175, "Vol+"),
    "F13": (104, 124, "F13"), "F14": (105, 125, "F14"), "F15": (106, 126, "F15"),
    "F16": (107, 127, "F16"), "F17": (108, 128, "F17"), "F18": (109, 129, "F18"),
}

PLACEHOLDER = None


def js(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def key_entry(name, x, y, w, h):
    dec, vk, caption = KEYS[name]
    return ('{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Dec": %d, "qtDec": %d, "Character": %s}'
            % (x, y, w, h, dec, vk, js(caption)))


def placeholder_entry():
    return '{"PosX": -1, "PosY": -1, "Width": 00, "Height": 00, "Dec": 0, "qtDec": 0, "Character": "-"}'


def segment_entry(index, valid, side, x, y, w, h):
    return ('{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Index": %d, "validStatus": %d, '
            '"SidePosition": %d, "Mark": "0x%02d"}' % (x, y, w, h, index, valid, side, index))


def write_file(name, header, rows):
    """rows: list of (row number, list of entry texts)."""
    lines = ["{", '\t"Keyboard": {' + ", ".join('"%s": %s' % (k, v) for k, v in header) + "},"]
    for i, (row, entries) in enumerate(rows):
        lines.append('\t"EveryKeyInfo_Row0%d": [' % row)
        for j, entry in enumerate(entries):
            lines.append("\t\t" + entry + ("," if j + 1 < len(entries) else ""))
        lines.append("\t]" + ("," if i + 1 < len(rows) else ""))
    lines.append("}")
    with open(os.path.join(OUT, name), "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


# Keyboard pictures: a 32-pixel key pitch, 30-pixel caps, a 12-pixel case rim and
# an 8-pixel gap below the function row.
PITCH = 32
RIM = 12
FGAP = 8


def cap(xu, row, wu=1.0, hu=1.0, has_f_row=True):
    """Picture rectangle of a key at xu units from the left on physical row `row`."""
    top = RIM + row * PITCH + (FGAP if has_f_row and row > 0 else 0)
    x = RIM + round(xu * PITCH) + 1
    w = round(wu * PITCH) - 2
    h = round(hu * PITCH) - 2
    return x, top + 1, w, h


def grid_rows(rows, has_f_row):
    """rows: 6 lists of (column, name, xu, wu[, hu]) -> 6 lists of 22 entry texts.
    Physical row = grid row (grid row 0 is the function row)."""
    out = []
    for r, keys in enumerate(rows):
        entries = [placeholder_entry()] * 22
        for k in keys:
            col, name, xu, wu = k[:4]
            hu = k[4] if len(k) > 4 else 1.0
            assert entries[col] == placeholder_entry(), (r, col)
            entries[col] = key_entry(name, *cap(xu, r, wu, hu, has_f_row))
        out.append(entries)
    return out


def row_run(start_col, names, xu, wu=1.0):
    return [(start_col + i, n, xu + i * wu, wu) for i, n in enumerate(names)]


LETTERS_Q = ["Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"]
LETTERS_A = ["A", "S", "D", "F", "G", "H", "J", "K", "L"]
LETTERS_Z = ["Z", "X", "C", "V", "B", "N", "M"]
for i, ch in enumerate("ABCDEFGHIJKLMNOPQRSTUVWXYZ"):
    KEYS[ch] = (4 + i, 65 + i, ch)

# The main block shared by every model, physical rows 1..5, 15 units wide.
def main_block(first_key="Grave"):
    return [
        [(0, first_key, 0, 1)] + row_run(1, ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Minus", "Equal"], 1)
        + [(13, "Bksp", 13, 2)],
        [(0, "Tab", 0, 1.5)] + row_run(1, LETTERS_Q + ["LBracket", "RBracket"], 1.5) + [(13, "Backslash", 13.5, 1.5)],
        [(0, "Caps", 0, 1.75)] + row_run(1, LETTERS_A + ["Semicolon", "Quote"], 1.75) + [(13, "Enter", 12.75, 2.25)],
        [(0, "LShift", 0, 2.25)] + row_run(1, LETTERS_Z + ["Comma", "Period", "Slash"], 2.25),
        [],
    ]


def qr108():
    m = main_block()
    f_row = ([(0, "Esc", 0, 1)] + row_run(2, ["F1", "F2", "F3", "F4"], 2) + row_run(6, ["F5", "F6", "F7", "F8"], 6.5)
             + row_run(10, ["F9", "F10", "F11", "F12"], 11) + row_run(14, ["PrtSc", "ScrLk", "Pause"], 15.25)
             + [(17, "Mute", 18.5, 1), (18, "KnobCcw", 19.5, 1), (19, "KnobPress", 20.5, 1), (20, "KnobCw", 21.5, 1)])
    m[0] += row_run(14, ["Ins", "Home", "PgUp"], 15.25) + row_run(17, ["NumLk", "KpSlash", "KpStar", "KpMinus"], 18.5)
    m[1] += (row_run(14, ["Del", "End", "PgDn"], 15.25) + row_run(17, ["Kp7", "Kp8", "Kp9"], 18.5)
             + [(20, "KpPlus", 21.5, 1, 2)])
    m[2] += row_run(17, ["Kp4", "Kp5", "Kp6"], 18.5)
    m[3] += ([(13, "RShift", 12.25, 2.75), (15, "Up", 16.25, 1)] + row_run(17, ["Kp1", "Kp2", "Kp3"], 18.5)
             + [(20, "KpEnter", 21.5, 1, 2)])
    m[4] = ([(0, "LCtrl", 0, 1.25), (1, "LWin", 1.25, 1.25), (2, "LAlt", 2.5, 1.25), (6, "Space", 3.75, 6.25)]
            + row_run(10, ["RAlt", "Fn", "Menu", "RCtrl"], 10, 1.25) + row_run(14, ["Left", "Down", "Right"], 15.25)
            + [(17, "Kp0", 18.5, 2), (19, "KpDot", 20.5, 1)])
    return grid_rows([f_row] + m, True)


def small_bottom_rows(m):
    """Right column, shift row and bottom row of the 75 % and 65 % models."""
    m[0] += [(15, "Home", 15.25, 1)]
    m[1] += [(15, "PgUp", 15.25, 1)]
    m[2] += [(15, "PgDn", 15.25, 1)]
    m[3] += [(12, "RShift", 12.25, 1.75), (14, "Up", 14.25, 1), (15, "End", 15.25, 1)]
    m[4] = ([(0, "LCtrl", 0, 1.25), (1, "LWin", 1.25, 1.25), (2, "LAlt", 2.5, 1.25), (6, "Space", 3.75, 6.25)]
            + row_run(9, ["RAlt", "Fn", "RCtrl"], 10) + row_run(13, ["Left", "Down", "Right"], 13.25))
    return m


def qb84():
    f_row = [(0, "Esc", 0, 1)] + row_run(1, ["F%d" % i for i in range(1, 13)] + ["PrtSc", "Ins"], 1) + [(15, "Del", 15.25, 1)]
    return grid_rows([f_row] + small_bottom_rows(main_block()), True)


def qm68():
    # No function row: grid row 0 stays empty and the keys start at the top rim.
    m = small_bottom_rows(main_block("Esc"))
    rows = grid_rows([[]] + m, False)
    # The rows are drawn one pitch higher, as there is no function row above them.
    return [[e if '"Dec": 0,' in e else shift_up(e) for e in row] for row in rows]


def shift_up(entry):
    import re
    return re.sub(r'"PosY": (\d+)', lambda m: '"PosY": %d' % (int(m.group(1)) - PITCH), entry, count=1)


def side_segments(width, height):
    """Light strips in the case rim of the full-size model: left edge top to bottom,
    bottom edge left to right, right edge bottom to top, then two unused places."""
    seg = []
    for i in range(6):
        seg.append((1, 0, 16 + i * 32, 8, 32))
    for i in range(22):
        seg.append((4, 20 + i * 32, height - 8, 32, 8))
    for i in reversed(range(6)):
        seg.append((2, width - 8, 16 + i * 32, 8, 32))
    entries = [segment_entry(n + 1, 1, side, x, y, w, h) for n, (side, x, y, w, h) in enumerate(seg)]
    for n in range(len(seg), len(seg) + 2):
        entries.append(segment_entry(n + 1, 0, 0, -1, -1, 0, 0))
    return entries


def header(intro, side, device_type, side_num=0):
    return [("KeyboardIntroduction", js(intro)), ("sideLightHave", side), ("supportOnboard", 1),
            ("specialEnterKey", 0), ("showOnboardSelect", 1), ("sideLightNum", side_num),
            ("hidDeviceType", device_type), ("flag", js("true"))]


# Picture sizes (the keyboard picture size table in the application holds the same).
QR108_SIZE = (RIM * 2 + round(22.5 * PITCH), RIM * 2 + 6 * PITCH + FGAP)
QB84_SIZE = (RIM * 2 + round(16.25 * PITCH), RIM * 2 + 6 * PITCH + FGAP)
QM68_SIZE = (RIM * 2 + round(16.25 * PITCH), RIM * 2 + 5 * PITCH)


def write_keyboards():
    segments = side_segments(*QR108_SIZE)
    rows = qr108()
    write_file("KeyInfo_QR108.config", header("108Key", 1, 3, len(segments)),
               [(0, segments)] + [(r + 1, rows[r]) for r in range(6)])
    rows = qb84()
    write_file("KeyInfo_QB84.config", header("84Key", 0, 3), [(r + 1, rows[r]) for r in range(6)])
    rows = qm68()
    write_file("KeyInfo_QM68.config", header("68Key", 0, 4), [(r + 1, rows[r]) for r in range(6)])
    print("picture sizes: QR108 %s, QB84 %s, QM68 %s" % (QR108_SIZE, QB84_SIZE, QM68_SIZE))


# Soft keyboard: the page is 1000 x 245; keys on a 43 x 38 pitch.
def soft_rows(px, py, kw, kh, fgap, extras=True):
    def at(name, xu, row, wu=1.0, hu=1.0):
        y = row * py + (fgap if row > 0 else 0)
        return key_entry(name, round(xu * px), y, round(wu * px) - (px - kw), round(hu * py) - (py - kh))

    def run(names, xu, row, wu=1.0):
        return [at(n, xu + i * wu, row, wu) for i, n in enumerate(names)]

    nav = 15.25
    pad = 18.5
    r1 = ([at("Esc", 0, 0)] + run(["F1", "F2", "F3", "F4"], 2, 0) + run(["F5", "F6", "F7", "F8"], 6.5, 0)
          + run(["F9", "F10", "F11", "F12"], 11, 0) + run(["PrtSc", "ScrLk", "Pause"], nav, 0))
    digits = ["Grave", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Minus", "Equal"]
    if extras:
        r2 = run(digits, 0, 1) + [at("K14", 13, 1), at("Bksp", 14, 1)]
    else:
        r2 = run(digits, 0, 1) + [at("Bksp", 13, 1, 2)]
    r2 += run(["Ins", "Home", "PgUp"], nav, 1) + run(["NumLk", "KpSlash", "KpStar", "KpMinus"], pad, 1)
    r3 = ([at("Tab", 0, 2, 1.5)] + run(LETTERS_Q + ["LBracket", "RBracket"], 1.5, 2) + [at("Backslash", 13.5, 2, 1.5)]
          + run(["Del", "End", "PgDn"], nav, 2) + run(["Kp7", "Kp8", "Kp9"], pad, 2) + [at("KpPlus", pad + 3, 2, 1, 2)])
    r4 = ([at("Caps", 0, 3, 1.75)] + run(LETTERS_A + ["Semicolon", "Quote"], 1.75, 3) + [at("Enter", 12.75, 3, 2.25)]
          + run(["Kp4", "Kp5", "Kp6"], pad, 3))
    if extras:
        r5 = ([at("LShift", 0, 4, 1.25), at("K45", 1.25, 4)] + run(LETTERS_Z + ["Comma", "Period", "Slash"], 2.25, 4)
              + [at("K56", 12.25, 4), at("RShift", 13.25, 4, 1.75)])
    else:
        r5 = ([at("LShift", 0, 4, 2.25)] + run(LETTERS_Z + ["Comma", "Period", "Slash"], 2.25, 4)
              + [at("RShift", 12.25, 4, 2.75)])
    r5 += [at("Up", nav + 1, 4)] + run(["Kp1", "Kp2", "Kp3"], pad, 4) + [at("KpEnter", pad + 3, 4, 1, 2)]
    if extras:
        # Short space bar, so the language keys' captions fit.
        r6 = ([at("LCtrl", 0, 5), at("LWin", 1, 5), at("LAlt", 2, 5), at("K131", 3, 5), at("Space", 4, 5, 1.75),
               at("K132", 5.75, 5), at("K133", 6.75, 5), at("Hangul", 7.75, 5, 2), at("Hanja", 9.75, 5, 1.25)]
              + run(["RAlt", "Fn", "Menu", "RCtrl"], 11, 5))
    else:
        r6 = ([at("LCtrl", 0, 5, 1.25), at("LWin", 1.25, 5, 1.25), at("LAlt", 2.5, 5, 1.25), at("Space", 3.75, 5, 6.25)]
              + run(["RAlt", "Fn", "Menu", "RCtrl"], 10, 5, 1.25))
    r6 += run(["Left", "Down", "Right"], nav, 5) + [at("Kp0", pad, 5, 2), at("KpDot", pad + 2, 5)]
    return [r1, r2, r3, r4, r5, r6]


def write_soft_keyboards():
    # A soft key is 41 pixels wide: the keypad Enter gets a caption that fits.
    KEYS["KpEnter"] = (88, 998, "N.Enter")
    soft_header = [("KeyboardIntroduction", js("104Key+7Key+18Key")), ("flag", js("true"))]
    rows = soft_rows(43, 38, 41, 36, 8)
    assert [len(r) for r in rows] == [16, 22, 21, 16, 19, 18], [len(r) for r in rows]
    media = [key_entry(n, 0, 0, 41, 36) for n in ["Mute", "VolDown", "VolUp"]]
    further = [key_entry("F%d" % n, 0, 0, 41, 36) for n in range(13, 19)]
    write_file("softKeyInfoNormalUS.config", soft_header,
               [(0, media)] + [(r + 1, rows[r]) for r in range(6)] + [(7, further)])
    # The 91 variant: the 104 keys of the plain layout on smaller caps. Both Enter
    # keys carry the one virtual-key code Windows gives them.
    rows = soft_rows(30, 24, 23, 21, 4, extras=False)
    rows = [[e.replace('"qtDec": 999,', '"qtDec": 13,').replace('"qtDec": 998,', '"qtDec": 13,') for e in r]
            for r in rows]
    assert sum(len(r) for r in rows) == 104
    write_file("softKeyInfoNormal_91.config", soft_header, [(r + 1, rows[r]) for r in range(6)])


if __name__ == "__main__":
    write_keyboards()
    write_soft_keyboards()
