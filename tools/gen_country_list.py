#!/usr/bin/env python3
"""Writes one country.json per locale (ISO 3166-1 alpha-2 code -> display
name) from the CLDR data shipped by Debian, with CLDR's inheritance resolved,
and the .qrc file that lists them under the prefix country-list/.

usage: gen_country_list.py qrc CLDR_COMMON_DIR OUT_DIR OUT_QRC
       gen_country_list.py files CLDR_COMMON_DIR OUT_DIR LOCALESCRIPTS

"qrc" writes the .qrc file alone (the folders depend on CLDR only), "files"
writes every country.json. A folder named by language and territory, as Qt
names locales, takes the CLDR locale with the script that Qt gives it, which
the program LOCALESCRIPTS (tools/localescripts.cpp) tells.
"""
import json
import os
import re
import subprocess
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


def locale_names(common):
    """The CLDR locales with territory names, resolved through CLDR's
    inheritance, and for each language_TERRITORY that CLDR has only with a
    script (zh_Hant_HK) the script-qualified locales in sorted order."""
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
    # alone (zh_Hant_HK is zh_HK to QLocale::name()).
    aliases = {}
    for loc in sorted(folders):
        parts = loc.split("_")
        if len(parts) == 3 and len(parts[1]) == 4:
            alias = parts[0] + "_" + parts[2]
            if alias not in folders:
                aliases.setdefault(alias, []).append(loc)
    return folders, aliases


def qt_scripts(tool, names):
    """Qt's script-qualified locale for each name: {"zh_HK": "zh_Hant_HK"}."""
    run = subprocess.run([tool], input="".join(n + "\n" for n in names), capture_output=True,
                         text=True, check=True)
    out = {}
    for line in run.stdout.splitlines():
        parts = line.split()
        if len(parts) == 2:
            out[parts[0]] = parts[1]
    return out


def write_qrc(out_dir, out_qrc, folders):
    lines = ['<RCC>', '  <qresource prefix="/">']
    for loc in sorted(folders):
        path = os.path.abspath(os.path.join(out_dir, loc, "country.json"))
        lines.append('    <file alias="country-list/%s/country.json">%s</file>' % (loc, path))
    lines += ['  </qresource>', '</RCC>', '']
    os.makedirs(os.path.dirname(os.path.abspath(out_qrc)), exist_ok=True)
    with open(out_qrc, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def write_files(out_dir, folders):
    # Every file is written, so that all of them are newer than what they
    # are made from.
    for loc, names in folders.items():
        d = os.path.join(out_dir, loc)
        os.makedirs(d, exist_ok=True)
        data = json.dumps(dict(sorted(names.items())), ensure_ascii=False, separators=(",", ":"))
        with open(os.path.join(d, "country.json"), "w", encoding="utf-8") as f:
            f.write(data)


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ("qrc", "files"):
        sys.stderr.write(__doc__)
        return 2
    mode, common, out_dir, last = sys.argv[1:5]
    folders, aliases = locale_names(common)
    if mode == "qrc":
        write_qrc(out_dir, last, list(folders) + list(aliases))
        return 0

    several = sorted(alias for alias, locs in aliases.items() if len(locs) > 1)
    qt = qt_scripts(last, several)
    out = dict(folders)
    for alias, locs in aliases.items():
        pick = locs[0]
        if len(locs) > 1:
            if qt.get(alias) in locs:
                pick = qt[alias]
            else:
                sys.stderr.write("gen_country_list: Qt gives %s no script of %s; %s taken\n"
                                 % (alias, " ".join(locs), pick))
        out[alias] = folders[pick]
    write_files(out_dir, out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
