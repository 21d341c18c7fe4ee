#!/usr/bin/env python3
"""Writes one country.json per locale (ISO 3166-1 alpha-2 code -> display
name) from the CLDR data shipped by Debian, with CLDR's inheritance resolved,
plus the .qrc file that lists them under the prefix country-list/.

usage: gen_country_list.py CLDR_COMMON_DIR OUT_DIR OUT_QRC
"""
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

# Two-letter codes that CLDR uses for groupings or private use, not countries.
NOT_COUNTRIES = {"EU", "EZ", "UN", "QO", "ZZ", "XA", "XB"}
CODE = re.compile(r"^[A-Z]{2}$")


def read_territories(path):
    names = {}
    root = ET.parse(path).getroot()
    for t in root.iterfind("./localeDisplayNames/territories/territory"):
        code = t.get("type", "")
        if t.get("alt") is None and CODE.match(code) and code not in NOT_COUNTRIES:
            names[code] = t.text or ""
    return names


def read_parents(common):
    parents = {}
    root = ET.parse(os.path.join(common, "supplemental", "supplementalData.xml")).getroot()
    for p in root.iterfind("./parentLocales/parentLocale"):
        for loc in p.get("locales", "").split():
            parents[loc] = p.get("parent")
    return parents


def main():
    common, out_dir, out_qrc = sys.argv[1:4]
    main_dir = os.path.join(common, "main")
    locales = sorted(f[:-4] for f in os.listdir(main_dir) if f.endswith(".xml"))
    own = {loc: read_territories(os.path.join(main_dir, loc + ".xml")) for loc in locales}
    parents = read_parents(common)

    def chain(loc):
        out = []
        while loc and loc != "root":
            out.append(loc)
            if loc in parents:
                loc = parents[loc]
            elif "_" in loc:
                loc = loc.rsplit("_", 1)[0]
            else:
                loc = "root"
        return out

    def resolved(loc):
        names = {}
        for step in reversed(chain(loc)):
            names.update(own.get(step, {}))
        return names

    folders = {}
    for loc in locales:
        if loc == "root":
            continue
        names = resolved(loc)
        if names:
            folders[loc] = names
    # Qt names a locale with script and territory by language and territory
    # alone (zh_Hans_CN is zh_CN to QLocale::name()).
    for loc in list(folders):
        parts = loc.split("_")
        if len(parts) == 3 and len(parts[1]) == 4:
            alias = parts[0] + "_" + parts[2]
            folders.setdefault(alias, folders[loc])

    os.makedirs(out_dir, exist_ok=True)
    lines = ['<RCC>', '  <qresource prefix="/">']
    for loc in sorted(folders):
        d = os.path.join(out_dir, loc)
        os.makedirs(d, exist_ok=True)
        path = os.path.join(d, "country.json")
        data = json.dumps(dict(sorted(folders[loc].items())), ensure_ascii=False,
                          separators=(",", ":"))
        if not os.path.exists(path) or open(path, encoding="utf-8").read() != data:
            with open(path, "w", encoding="utf-8") as f:
                f.write(data)
        lines.append('    <file alias="country-list/%s/country.json">%s</file>'
                     % (loc, os.path.abspath(path)))
    lines += ['  </qresource>', '</RCC>', '']
    with open(out_qrc, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
