# SPDX-License-Identifier: GPL-3.0-or-later
"""metainfo_test.py METAINFO DESKTOP_ENTRY VERSION SCREENSHOT_URL: the AppStream metadata is valid for
appstreamcli and says what the desktop entry says (an empty SCREENSHOT_URL: it names no screenshot)."""
import configparser
import subprocess
import sys
import xml.etree.ElementTree as ET

metainfo, desktop, version, screenshot = sys.argv[1:5]
failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}: the metadata has {got!r}, expected {want!r}")


result = subprocess.run(["appstreamcli", "validate", "--no-net", "--strict", metainfo],
                        capture_output=True, text=True)
if result.returncode != 0:
    failures.append("appstreamcli validate --strict failed:\n" + result.stdout + result.stderr)

entry = configparser.ConfigParser(interpolation=None)
entry.optionxform = str
entry.read(desktop, encoding="utf-8")
d = entry["Desktop Entry"]
root = ET.parse(metainfo).getroot()

check("launchable", root.findtext("launchable[@type='desktop-id']"), desktop.rsplit("/", 1)[-1])
check("name", root.findtext("name"), d["Name"])
check("licence", root.findtext("project_license"), "GPL-3.0-or-later")
check("summary", root.findtext("summary"), d["Comment"])
check("categories", [c.text for c in root.iter("category")], [c for c in d["Categories"].split(";") if c])
check("keywords", [k.text for k in root.iter("keyword")], [k for k in d["Keywords"].split(";") if k])
check("binary", root.findtext("provides/binary"), d["TryExec"].replace("-launcher", ""))
check("newest release", root.find("releases/release").get("version"), version)
check("screenshot", root.findtext("screenshots/screenshot/image"), screenshot or None)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
