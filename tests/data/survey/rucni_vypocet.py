#!/usr/bin/env python3
"""Hand-worked cases of the polar-coordinate computation, computed here from the surveying
rules alone (not from the program), and printed as the rows of tests/survey/VypocetMereniTest.cpp.

Rules: a reading with V > 200 gon is face II: V := 400 - V, Hz := Hz - 200. A point read in
both faces from one station is computed from the mean (Hz on the circle). SD: hd = SD sin V,
dh = SD cos V + (1 - k) hd^2 / (2R), k = 0.13, R = 6381 km (switchable). HD: hd, dh as read.
Orientation c = bearing(station -> known point) - Hz, bearings from +X towards +Y; several
corrections brought within 200 gon of the first, then averaged. Y = Ys + m hd sin(Hz + c),
X = Xs + m hd cos(Hz + c), Z = Zs + ih + dh - th. Station without orientation: c = 0. Station
with no coordinates: local, Y = X = Z = 0, m = 1. The factor from mean X, Y, H as the MAPA2
parameters compute it.
"""
import math

K, R = 0.13, 6381000.0


def kruh(a):
    a = math.fmod(a, 400.0)
    return a + 400 if a < 0 else a


def rozdil(a, b):  # a - b within (-200, 200]
    d = kruh(a - b)
    return d - 400 if d > 200 else d


def smernik(dy, dx):
    return kruh(math.degrees(math.atan2(dy, dx)) * 400 / 360)


def faktor(x, y, h):
    def jtsk(x, y):
        if x < 890000 or x > 1380000 or y < 137000 or y > 890000:
            return 0.0
        r = math.sqrt(x * x + y * y) - 1298039
        m = 0.9999 + 1.22822e-14 * r**2 - 3.154e-21 * r**3 + 1.848e-27 * r**4 - 1.15e-32 * r**5
        return (m - 1) * 1e6
    horizont = (math.sqrt(1 / (1 + 2 * h / 6377397.155)) - 1) * 1e6
    return 1 + (jtsk(x, y) + horizont) * 1e-6


def sdt(case):
    lines = ["NTS-660"]
    for st in case["stanice"]:
        lines.append("STN %s,%s" % (st["c"], st["ih"]))
        if st.get("xyz"):
            lines.append("XYZ %s,%s,%s" % st["xyz"])
        for o in st["mereni"]:
            lines.append("%s %s,%s%s" % (o["k"], o["c"], o["th"], "," + o["kod"] if o.get("kod") else ""))
            if o["t"] == "SD":
                lines.append("SD %.4f,%.4f,%.3f" % (o["hz"], o["v"], o["sd"]))
            elif o["t"] == "HD":
                lines.append("HD %.4f,%.3f,%.3f" % (o["hz"], o["hd"], o["vd"]))
            else:
                lines.append("HV %.4f,%.4f" % (o["hz"], o["v"]))
    return "".join(l + "\r\n" for l in lines)


def vypocet(case):
    m_jtsk = case.get("m") or faktor(*case["prumery"])
    curv = case.get("zakriveni", True)
    known = {c: (y, x, z) for c, y, x, z in case.get("zname", [])}
    urceni = {}  # number -> (Y, X, Z, system)
    out_st, out_pts = [], []
    systemy = 0
    for st in case["stanice"]:
        c = st["c"]
        if st.get("xyz"):
            ys, xs, zs = (float(v) for v in st["xyz"]); sys_ = 0
        elif c in known:
            ys, xs, zs = known[c]; sys_ = 0
        elif c in urceni:
            ys, xs, zs, sys_ = urceni[c]
        else:
            systemy += 1; ys = xs = zs = 0.0; sys_ = ("L", systemy)
        mistni = isinstance(sys_, tuple) and sys_[0] == "L" and (ys, xs) == (0.0, 0.0) and c not in urceni
        m = 1.0 if isinstance(sys_, tuple) and sys_[0] == "L" else m_jtsk
        urceni.setdefault(c, (ys, xs, zs, sys_))
        # face reduction and pairing
        obs = []
        for o in st["mereni"]:
            o = dict(o)
            if o["t"] != "HD" and o["v"] > 200:
                o["v"] = 400 - o["v"]; o["hz"] = kruh(o["hz"] - 200)
                for p in reversed(obs):
                    if p["c"] == o["c"] and not p.get("par") and p["t"] == o["t"] and p["th"] == o["th"]:
                        p["hz"] = kruh(p["hz"] + rozdil(o["hz"], p["hz"]) / 2)
                        p["v"] = (p["v"] + o["v"]) / 2
                        if o["t"] == "SD":
                            p["sd"] = (p["sd"] + o["sd"]) / 2
                        p["par"] = True
                        break
                else:
                    obs.append(o)
                continue
            obs.append(o)
        for o in obs:
            if o["t"] == "SD":
                v = o["v"] * math.pi / 200
                o["hdv"] = o["sd"] * math.sin(v)
                o["dhv"] = o["sd"] * math.cos(v) + ((1 - K) * o["hdv"] ** 2 / (2 * R) if curv else 0)
            elif o["t"] == "HD":
                o["hdv"], o["dhv"] = o["hd"], o["vd"]
        # orientation
        orient = []
        for o in obs:
            je_orient = o["k"] == "BS" or (o["k"] == "SS" and o.get("kod") == "#")
            cil = urceni.get(o["c"]) or (known[o["c"]] + (0,) if o["c"] in known else None)
            if je_orient and not mistni and cil and cil[3] == sys_ and o["c"] != c:
                ci = kruh(smernik(cil[0] - ys, cil[1] - xs) - o["hz"])
                if orient:
                    ci = orient[0][1] + rozdil(ci, orient[0][1])
                orient.append((o, ci, cil))
                o["orient"] = True
        if orient:
            cbar = sum(ci for _, ci, _ in orient) / len(orient)
            corr = kruh(cbar); flag = ""
            details = []
            for o, ci, cil in orient:
                d = math.hypot(cil[0] - ys, cil[1] - xs)
                dev = ci - cbar
                det = "%s %.1f %.1f" % (o["c"], dev * 1e4, dev * math.pi / 200 * d * 1000)
                if "hdv" in o:
                    det += " %.1f" % ((m * o["hdv"] - d) * 1000)
                details.append(det)
            psys = sys_
        else:
            corr = 0.0; details = []
            flag = " L" if mistni else " N"
            if mistni:
                psys = sys_
            else:
                systemy += 1; psys = ("N", systemy)
        out_st.append("S%s %.4f%s%s" % (c, corr, flag, "".join(" [" + d + "]" for d in details)))
        for o in obs:
            if "hdv" not in o or o.get("orient"):
                continue
            s = (o["hz"] + corr) * math.pi / 200
            y = ys + m * o["hdv"] * math.sin(s)
            x = xs + m * o["hdv"] * math.cos(s)
            z = zs + st["ih"] + o["dhv"] - o["th"]
            if o["c"] in urceni or o["c"] in known:
                continue
            urceni[o["c"]] = (y, x, z, psys)
            out_pts.append("%s %.3f %.3f %.3f" % (o["c"], y, x, z))
    return ";".join(out_st) + "|" + ";".join(out_pts)


def SD(k, c, th, hz, v, sd, kod=None):
    return dict(k=k, c=c, th=th, t="SD", hz=hz, v=v, sd=sd, kod=kod)


def HD(k, c, th, hz, hd, vd):
    return dict(k=k, c=c, th=th, t="HD", hz=hz, hd=hd, vd=vd)


ST1 = dict(c="1", ih=1.5, xyz=("700000.000", "1000000.000", "300.000"))
CASES = [
    dict(nazev="jedna_zamera", m=1.0, zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 10.0, 100.0, 141.421),
                                    SD("SS", "3", 1.7, 60.0, 95.0, 50.0, "K1")])]),
    dict(nazev="bez_zakriveni", m=1.0, zakriveni=False, zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 10.0, 100.0, 141.421),
                                    SD("SS", "3", 1.7, 60.0, 95.0, 850.0)])]),
    dict(nazev="dve_zamery_pres_nulu", m=1.0,
         zname=[("11", 700100.0, 1000000.0, 300.0), ("12", 700000.0, 999900.0, 300.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "11", 1.5, 100.0010, 100.0, 100.0),
                                    SD("SS", "12", 1.5, 199.9990, 100.0, 100.0, "#"),
                                    SD("SS", "13", 1.5, 50.0, 100.0, 100.0)])]),
    dict(nazev="zamera_ve_druhe_poloze", m=1.0, zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 210.0, 300.0, 141.421),
                                    SD("SS", "4", 1.5, 120.0, 98.0, 30.0),
                                    SD("SS", "4", 1.5, 320.0020, 302.0010, 30.004)])]),
    dict(nazev="neorientovana_a_mistni", m=0.9999,
         stanice=[dict(ST1, mereni=[SD("SS", "5", 1.5, 30.0, 100.0, 20.0)]),
                  dict(c="50", ih=1.4, mereni=[SD("SS", "51", 1.3, 100.0, 100.0, 10.0)])]),
    dict(nazev="hd_a_druha_poloha", m=1.0, zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 10.0, 100.0, 141.421),
                                    HD("SS", "6", 1.5, 150.0, 25.0, -1.25),
                                    SD("SS", "7", 1.5, 380.0, 305.0, 40.0)])]),
    dict(nazev="polygonovy_bod", m=0.9999471, zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 10.0, 100.0, 141.421),
                                    SD("FS", "8", 1.5, 90.0, 99.0, 120.0)]),
                  dict(c="8", ih=1.55, mereni=[SD("BS", "1", 1.5, 0.0, 101.0, 120.0),
                                              SD("SS", "9", 1.5, 100.0, 100.0, 60.0)])]),
    dict(nazev="meritko_z_prumeru", prumery=(1001000.0, 680000.0, 320.0),
         zname=[("2", 700100.0, 1000100.0, 301.0)],
         stanice=[dict(ST1, mereni=[SD("BS", "2", 1.6, 10.0, 100.0, 141.421),
                                    SD("SS", "3", 1.7, 60.0, 95.0, 1000.0)])]),
]


def cpp(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"').replace("\r\n", "\\r\\n") + '"'


for case in CASES:
    zname = "".join("%s,%.3f,%.3f,%.3f\r\n" % z for z in case.get("zname", []))
    print("    {%s,\n     %s,\n     %s,\n     %s, %s,\n     %s}," % (
        cpp(case["nazev"]), cpp(sdt(case)), cpp(zname),
        ("%.7f" % case["m"]) if case.get("m") else "std::nullopt",
        "true" if case.get("zakriveni", True) else "false", cpp(vypocet(case))))
