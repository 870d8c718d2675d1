#!/usr/bin/python3
"""Reads an exported file back with the readers users' tools are built on (Python's csv, ezdxf,
GDAL's ogrinfo, PROJ's cs2cs) and compares every point with tests/data/export/body.txt.

    cteni_exportu.py FORMAT FILE POINTS [--turned]

Prints one line per difference and exits 1 when there is one."""
import csv
import io
import math
import re
import subprocess
import sys

fmt, path, points_path = sys.argv[1:4]
turned = "--turned" in sys.argv[4:]
problems = []


def check(ok, what):
    if not ok:
        problems.append(what)


def same(a, b, tolerance=1e-9):
    return a is not None and b is not None and abs(float(a) - float(b)) <= tolerance


points = []
with open(points_path, encoding="utf-8") as f:
    for line in f:
        line = line.rstrip("\n")
        if line and not line.startswith("#"):
            p = (line.split("\t") + [""] * 6)[:6]
            points.append(dict(zip(("cislo", "y", "x", "z", "kod", "vrstva"), p)))


def ogr_features(file):
    """Every feature of every layer as {field: text, 'geom': [numbers]}, by ogrinfo."""
    out = subprocess.run(["ogrinfo", "-ro", "-al", "-q", file], capture_output=True,
                         text=True, check=True).stdout
    features = []
    for line in out.splitlines():
        if line.startswith("OGRFeature"):
            features.append({})
        elif m := re.match(r"^  (\w+) \(\w+\) = (.*)$", line):
            features[-1][m.group(1)] = m.group(2)
        elif m := re.match(r"^  POINT Z? ?\((.*)\)$", line):
            features[-1]["geom"] = [float(v) for v in m.group(1).split()]
    return features


def wgs84():
    """Every point's longitude and latitude by cs2cs (EPSG:5514 is east = -Y, north = -X)."""
    out = subprocess.run(["cs2cs", "-d", "10", "EPSG:5514", "EPSG:4326"],
                         input="".join(f"-{p['y']} -{p['x']}\n" for p in points),
                         capture_output=True, text=True, check=True).stdout.splitlines()
    for p, line in zip(points, out):
        lat, lon = line.split()[:2]
        p["wgs84"] = float(lon), float(lat)


def check_position(p, lon, lat, what):
    e_lon, e_lat = p["wgs84"]
    metres = math.hypot((lon - e_lon) * 111320 * math.cos(math.radians(e_lat)),
                        (lat - e_lat) * 110574)
    check(metres < 0.01, f"{what}: {lon} {lat} lies {metres:.4f} m from cs2cs {e_lon} {e_lat}")


if fmt in ("csv", "csv-cz"):
    data = open(path, "rb").read()
    czech = fmt == "csv-cz"
    check(data.startswith(b"\xef\xbb\xbf") == czech, "byte-order mark")
    rows = list(csv.reader(io.StringIO(data.decode("utf-8-sig"), newline=""),
                           delimiter=";" if czech else ","))
    check(rows[0] == ["cislo", "y", "x", "z", "kod"], f"header {rows[0]}")
    check(len(rows) == len(points) + 1, f"{len(rows) - 1} rows")
    for row, p in zip(rows[1:], points):
        expected = [p["cislo"]] + [
            p[k].replace(".", ",") if czech else p[k] for k in ("y", "x", "z")] + [p["kod"]]
        check(row == expected, f"row {row} != {expected}")
    features = ogr_features(path)
    check(len(features) == len(points), f"ogrinfo: {len(features)} features")
    for ft, p in zip(features, points):
        for k in ("cislo", "kod"):
            check(ft.get(k, "") == p[k], f"ogrinfo: {k} {ft.get(k)!r} != {p[k]!r}")
elif fmt == "dxf":
    import ezdxf
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.errors and not auditor.fixes,
          "audit: " + "; ".join(e.message for e in auditor.errors + auditor.fixes))
    check(doc.dxfversion == "AC1015", doc.dxfversion)
    check(doc.encoding == "cp1250", doc.encoding)
    check(doc.header["$INSUNITS"] == 6, "$INSUNITS")
    sign = 1 if turned else -1
    msp = doc.modelspace()
    pts = list(msp.query("POINT"))
    texts = list(msp.query("TEXT"))
    check(len(pts) == len(points), f"{len(pts)} points")
    for e, p in zip(pts, points):
        x, y, z = e.dxf.location
        check(same(x, sign * float(p["y"])) and same(y, sign * float(p["x"])) and
              same(z, float(p["z"] or 0)), f"POINT {p['cislo']} at {x} {y} {z}")
        check(e.dxf.layer == p["vrstva"], f"layer {e.dxf.layer!r} != {p['vrstva']!r}")
        number = [t for t in texts if t.dxf.text == p["cislo"]]
        check(len(number) == 1 and number[0].dxf.layer == p["vrstva"] and
              same(number[0].dxf.insert[0], x + 0.2, 1e-4) and
              same(number[0].dxf.insert[1], y + 0.2, 1e-4) and number[0].dxf.height == 0.5,
              f"number text of {p['cislo']}")
        heights = [t for t in texts if t.dxf.layer == "VYSKY" and same(t.dxf.insert[0], x + 0.2, 1e-4)
                   and same(t.dxf.insert[1], y - 0.7, 1e-4)]
        check([t.dxf.text for t in heights] == ([p["z"]] if p["z"] else []),
              f"height text of {p['cislo']}")
    features = ogr_features(path)
    ogr_points = [f for f in features if "Text" not in f]
    check(len(ogr_points) == len(points), f"ogrinfo: {len(ogr_points)} points")
    for ft, p in zip(ogr_points, points):
        g = ft.get("geom", [])
        check(ft.get("Layer") == p["vrstva"] and len(g) == 3 and same(g[0], sign * float(p["y"]))
              and same(g[1], sign * float(p["x"])), f"ogrinfo: point {ft}")
    ogr_texts = [f.get("Text") for f in features if "Text" in f]
    for p in points:
        check(p["cislo"] in ogr_texts, f"ogrinfo: no text {p['cislo']}")
elif fmt in ("geojson", "kml"):
    wgs84()
    features = ogr_features(path)
    check(len(features) == len(points), f"ogrinfo: {len(features)} features")
    names = ("cislo", "kod") if fmt == "geojson" else ("Name", "description")
    for ft, p in zip(features, points):
        check(ft.get(names[0]) == p["cislo"], f"{names[0]} {ft.get(names[0])!r}")
        check(ft.get(names[1], "") == p["kod"] or (not p["kod"] and ft.get(names[1]) in (None, "(null)")),
              f"{names[1]} {ft.get(names[1])!r} != {p['kod']!r}")
        if fmt == "geojson":
            for k in ("y", "x", "z"):
                v = ft.get(k)
                check(same(v, p[k]) if p[k] else v in (None, "(null)"), f"{k} {v} != {p[k]}")
        g = ft.get("geom", [])
        check(len(g) == (3 if p["z"] else 2) or (fmt == "kml" and len(g) == 3),
              f"geometry {g} of {p['cislo']}")
        if len(g) >= 2:
            check_position(p, g[0], g[1], f"{fmt} {p['cislo']}")
        if p["z"]:
            check(len(g) == 3 and same(g[2], p["z"]), f"height {g} of {p['cislo']}")
else:
    problems.append("unknown format " + fmt)

for line in problems:
    print(line)
sys.exit(1 if problems else 0)
