#!/usr/bin/env python3
"""Writes steel/SteelShapeRows.cpp, the constant rows of the steel shape table, from the data files in
steel/data. Run it after changing a data file and commit both:

    python3 scripts/generate_steel_table.py

W, S and C rows come from steel-shapes-wsc.csv (bf and source are notes, not table columns), MC rows
from steel-shapes-mc.csv. Tube rows are worked out from the round-cornered hollow rectangle and plate
rows from the solid rectangle, both in exact decimal with halves rounded up; plate weights come from
plate-weights.csv."""

import csv
import math
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DATA = ROOT / "steel" / "data"
OUT = ROOT / "steel" / "SteelShapeRows.cpp"


def half_up(value, places):
    return Decimal(value).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)


def significant(value, digits):
    exponent = math.floor(math.log10(abs(value)))
    return half_up(value, digits - 1 - exponent)


def number(text):
    """A numeric cell: a whole value that fits 16 bits as an integer, any other as a double."""
    value = Decimal(str(text))
    if value == value.to_integral_value() and -32768 <= value <= 32767:
        return f"I({int(value)})"
    return f"D({value.normalize():f})"


def text(value):
    return 'T("' + value + '")'


EMPTY = "E"


def fraction_text(value):
    """Inches as the table writes them: "3", "13-1/2", "3/8"."""
    whole = int(value)
    rest = value - whole
    if rest == 0:
        return str(whole)
    part = f"{rest.numerator}/{rest.denominator}"
    return part if whole == 0 else f"{whole}-{part}"


def wsc_rows():
    rows = []
    with open(DATA / "steel-shapes-wsc.csv", newline="") as f:
        for r in csv.DictReader(f):
            k = r["k"]
            comment = None
            if k == "":
                # Not published for these two S 7 shapes; the S 3 to S 8 rows grow by 1/16 in. per inch
                # of depth, which gives 15/16 in. here.
                k = "0.94"
                comment = "k inferred: 15/16 in."
            cells = [text(r["designation"]), number(r["d"]), text(r["depth_text"]), number(r["tw"]),
                     text(r["flange_text"]), number(r["weight"]), number(r["Ix"]), number(r["Sx"]),
                     number(r["Lc36"]), number(r["Lu36"]), number(r["tf"]), number(k), number(r["Lc50"]),
                     number(r["Lu50"])]
            rows.append((cells, comment))
    return rows


def tube_area(b, h, r):
    return b * h - (4 - math.pi) * r * r


def tube_inertia(b, h, r):
    return b * h**3 / 12 - 4 * ((1 / 3 - math.pi / 16) * r**4 + (h / 2 - r) * r**3 / 3
                                + (1 - math.pi / 4) * r * r * (h / 2 - r) ** 2)


def tube_rows():
    rows = []
    with open(DATA / "steel-tubes.csv", newline="") as f:
        for r in csv.DictReader(f):
            name = r["designation"]
            depth, width, wall = name[2:].split("x ")
            D, B, t = int(depth), int(width), Fraction(wall)
            tf = float(t)
            area = tube_area(B, D, 2 * tf) - tube_area(B - 2 * tf, D - 2 * tf, tf)
            inertia = tube_inertia(B, D, 2 * tf) - tube_inertia(B - 2 * tf, D - 2 * tf, tf)
            cells = [text(name), f"I({D})", text(str(D)), number(Decimal(2 * t.numerator) / t.denominator),
                     text(str(B)), number(half_up(area * 490 / 144, 2)), number(significant(inertia, 3)),
                     number(significant(inertia / (D / 2), 3)), "I(0)", "I(0)",
                     number(Decimal(t.numerator) / t.denominator), number(Decimal(2 * t.numerator) / t.denominator),
                     EMPTY, EMPTY]
            rows.append((cells, None))
            if name == "T 10x 4x 1/4":
                rows.append(([text("xx")] + [EMPTY] * 13, "placeholder, no size"))
    return rows


PLATE_DEPTHS = [Fraction(3), Fraction(5), Fraction(7), Fraction(9), Fraction(11), Fraction(27, 2),
                Fraction(31, 2), Fraction(35, 2), Fraction(39, 2)]
PLATE_THICKNESSES = [Fraction(1, 4), Fraction(3, 8), Fraction(1, 2), Fraction(5, 8), Fraction(3, 4), Fraction(1)]
# Three plate Ix values stand 0.01 above the rectangle rule, as the table has always held them.
# Wood share of the weight (lb/ft) by depth 3 to 15-1/2 in.; the data file's weights must follow it.
WOOD_SHARE = {1: ["2.55", "4.01", "5.29", "6.74", "8.20", "9.84", "11.30"],
              2: ["3.83", "6.02", "7.93", "10.12", "12.30", "14.77", "16.95"]}
PLATE_IX_AS_HELD = {"PL 17-1/2x 1": "446.62", "(2) PL 17-1/2x 1/2": "446.62", "PL 19-1/2x 3/8": "231.72"}


def exact(value):
    return Decimal(value.numerator) / Decimal(value.denominator)


def plate_rows(prefix, plates):
    weights = {}
    with open(DATA / "plate-weights.csv", newline="") as f:
        for r in csv.reader(f):
            if r[0] == prefix:
                weights[r[1]] = r[2:]
    rows = []
    missing = 0
    for d in PLATE_DEPTHS:
        if d == Fraction(35, 2):
            rows.extend([([EMPTY] * 14, "no plate; empty row")] * missing)
        for j, t in enumerate(PLATE_THICKNESSES):
            depth_text = fraction_text(d)
            weight = weights[depth_text][j]
            if weight == "":
                missing += 1  # no double plate 13-1/2 x 3/4; its row stays empty after the 15-1/2 sizes
                continue
            name = f"{prefix} {depth_text}x {fraction_text(t)}"
            tw = plates * t
            if d <= Fraction(31, 2):
                wood = WOOD_SHARE[plates][PLATE_DEPTHS.index(d)]
                assert half_up(Decimal("3.4") * exact(plates * d * t) + Decimal(wood), 2) == Decimal(weight), name
            ix = PLATE_IX_AS_HELD.get(name, half_up(exact(tw * d**3 / 12), 2))
            sx = half_up(exact(tw * d**2 / 6), 2)
            cells = [text(name), number(exact(d)), text(depth_text), number(exact(tw)), text(fraction_text(t)),
                     number(weight), number(ix), number(sx), EMPTY, EMPTY, EMPTY, EMPTY, EMPTY, EMPTY]
            rows.append((cells, None))
    return rows


def mc_rows():
    rows = []
    with open(DATA / "steel-shapes-mc.csv", newline="") as f:
        for r in csv.DictReader(f):
            name = r["designation"]
            depth, weight = name[3:].split("x ")
            cells = [text(name), number(depth), text(depth), number(r["tw"]), text(r["flange_text"]),
                     number(weight), number(r["Ix"]), number(r["Sx"]), "I(0)", number(r["Lu36"]),
                     number(r["tf"]), number(r["k"]), "I(0)", number(r["Lu50"])]
            rows.append((cells, None))
    return rows


def emit(out, name, rows, first):
    out.append(f"const SteelRow {name}[{len(rows)}] = {{")
    for i, (cells, comment) in enumerate(rows):
        note = f" // {first + i}" + (f": {comment}" if comment else "")
        out.append("    {{" + ", ".join(cells) + "}}," + note)
    out.append("};")
    out.append("")


def main():
    wsc = wsc_rows()
    groups = [("WShapeRows", wsc[0:154], 0), ("SShapeRows", wsc[154:185], 154), ("ChannelRows", wsc[185:214], 185),
              ("TubeRows", tube_rows(), 214), ("PlateRows", plate_rows("PL", 1), 324),
              ("DoublePlateRows", plate_rows("(2) PL", 2), 378), ("MCRows", mc_rows(), 432)]
    expected = [154, 31, 29, 110, 54, 54, 36]
    for (name, rows, _), count in zip(groups, expected):
        assert len(rows) == count, (name, len(rows))
    out = ["// Generated by scripts/generate_steel_table.py from steel/data; do not edit by hand.",
           "// clang-format off", '#include "steel/SteelShapeRows.h"', "", "namespace steel::rows", "{", "",
           "namespace", "{", "constexpr SteelCell E{};",
           "constexpr SteelCell T(const char* s) { return SteelCell::textCell(s); }",
           "constexpr SteelCell I(std::int16_t v) { return SteelCell::intCell(v); }",
           "constexpr SteelCell D(double v) { return SteelCell::doubleCell(v); }", "} // namespace", ""]
    for name, rows, first in groups:
        emit(out, name, rows, first)
    out.append("} // namespace steel::rows")
    OUT.write_text("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
