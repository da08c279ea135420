#!/usr/bin/python3
"""What a user or a distribution gets from this build tree.

1. `cmake --install` into a temporary prefix lays down the binary, the
   launcher, the hicolor icon and the AppStream entry at the paths a desktop
   looks in; desktop-file-validate and `appstreamcli validate-tree` accept the
   installed files without errors or warnings, and the files name each other
   consistently (launcher Exec and Icon, AppStream launchable, provided
   binary, newest release = the project version).
2. `cpack -G DEB` on the same tree makes a package that installs those files
   under /usr, with Depends covering the Qt libraries (from dpkg-shlibdeps)
   and the Debian package of every QML module the interface imports, which
   no linker sees.

    test_install.py --cmake C --cpack P --build-dir B --version V
                    --source-dir S --qtpaths Q

Needs desktop-file-utils, appstream and dpkg-dev; fails naming the missing
package otherwise.
"""

import argparse
import configparser
import glob
import gzip
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

APP = "pondrel-sudoku"
METAINFO_ID = "org.example.pondrel.sudoku"
DESKTOP = f"share/applications/{APP}.desktop"
ICON = f"share/icons/hicolor/scalable/apps/{APP}.svg"
METAINFO = f"share/metainfo/{METAINFO_ID}.metainfo.xml"
BINARY = f"bin/{APP}"
MANUAL = f"share/man/man6/{APP}.6.gz"
TRAY_ICON = "share/icons/hicolor/scalable/status/pondrel-sudoku-dots-symbolic.svg"
INSTALLED = (BINARY, DESKTOP, ICON, METAINFO, MANUAL, TRAY_ICON)
# Debian's policy files, only in the package.
PACKAGE_ONLY = (f"share/doc/{APP}/copyright", f"share/doc/{APP}/changelog.Debian.gz")

TOOLS = {
    "desktop-file-validate": "desktop-file-utils",
    "appstreamcli": "appstream",
    "dpkg-deb": "dpkg",
    "dpkg-shlibdeps": "dpkg-dev",
    "dpkg-query": "dpkg",
}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise Failure(f"{' '.join(command)} failed ({result.returncode}):\n"
                      f"{result.stdout}{result.stderr}")
    return result.stdout


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    with open(path, encoding="utf-8") as file:
        parser.read_file(file)
    return parser["Desktop Entry"]


def exec_program(exec_line):
    """The program an Exec line starts: its first word, unquoted."""
    first = exec_line.split()[0]
    return first.strip('"')


def check_installed_tree(cmake, build_dir, version, prefix):
    run([cmake, "--install", build_dir, "--prefix", prefix])

    for relative in INSTALLED:
        check(os.path.isfile(os.path.join(prefix, relative)), f"not installed: {relative}")
    for relative in PACKAGE_ONLY:
        check(not os.path.exists(os.path.join(prefix, relative)),
              f"a plain install carries the Debian file {relative}")
    with gzip.open(os.path.join(prefix, MANUAL), "rt", encoding="utf-8") as manual:
        check(manual.readline().startswith(".TH PONDREL-SUDOKU 6"), "the manual page is not troff")
    mode = os.stat(os.path.join(prefix, BINARY)).st_mode
    check(mode & stat.S_IXUSR and mode & stat.S_IXOTH, f"{BINARY} is not executable for all")

    desktop_path = os.path.join(prefix, DESKTOP)
    result = subprocess.run(["desktop-file-validate", desktop_path], capture_output=True, text=True)
    output = (result.stdout + result.stderr).strip()
    check(result.returncode == 0 and "error:" not in output and "warning:" not in output,
          f"desktop-file-validate rejects the launcher:\n{output}")

    # validate-tree also pairs the metainfo with the launcher it names.
    metainfo_path = os.path.join(prefix, METAINFO)
    result = subprocess.run(["appstreamcli", "validate-tree", "--no-net", "--pedantic", prefix],
                            capture_output=True, text=True)
    output = (result.stdout + result.stderr).strip()
    issues = [line for line in output.splitlines() if re.match(r"^\s*[EW]: ", line)]
    check(result.returncode == 0 and not issues,
          f"appstreamcli rejects the installed metainfo:\n{output}")
    print(f"appstreamcli: {output.splitlines()[-1] if output else 'no output'}")

    entry = read_desktop_entry(desktop_path)
    program = exec_program(entry["Exec"])
    check(program == APP, f"Exec starts {program!r}, but the binary installed is {APP!r}")
    check(entry["Icon"] == APP and "/" not in entry["Icon"],
          f"Icon={entry['Icon']} does not name the installed theme icon {APP}")
    check(entry.get("TryExec", program) == program, "TryExec names another program")
    categories = [c for c in entry["Categories"].split(";") if c]

    svg = ElementTree.parse(os.path.join(prefix, ICON)).getroot()
    check(svg.tag.endswith("svg"), "the installed icon is not an SVG image")

    component = ElementTree.parse(metainfo_path).getroot()
    check(component.findtext("id") == METAINFO_ID,
          f"metainfo id {component.findtext('id')!r} does not match its file name")
    launchables = [l.text for l in component.findall("launchable[@type='desktop-id']")]
    check(launchables == [f"{APP}.desktop"],
          f"metainfo launchable {launchables} is not the installed launcher {APP}.desktop")
    binaries = [b.text for b in component.findall("provides/binary")]
    check(binaries == [APP], f"metainfo provides binaries {binaries}, installed is {APP}")
    meta_categories = [c.text for c in component.findall("categories/category")]
    check(not meta_categories or meta_categories == categories,
          f"metainfo categories {meta_categories} differ from the launcher's {categories}")
    releases = component.findall("releases/release")
    check(releases, "metainfo lists no release")
    # Releases are listed newest first; the newest must be what this tree builds.
    check(releases[0].get("version") == version,
          f"newest metainfo release is {releases[0].get('version')}, the project is {version}")
    check(re.fullmatch(r"\d{4}-\d{2}-\d{2}", releases[0].get("date") or ""),
          "the newest release has no date")


def imported_modules(source_dir):
    modules = set()
    for path in glob.glob(os.path.join(source_dir, "ui", "**", "*.qml"), recursive=True):
        with open(path, encoding="utf-8") as file:
            for line in file:
                match = re.match(r"\s*import\s+([A-Za-z][\w.]*)", line)
                if match:
                    modules.add(match.group(1))
    return modules - {"Pondrel"}


def module_packages(modules, qml_dir):
    """Debian package of each imported QML module, following the modules a
    qmldir imports in turn. A module without a qmldir is built into a Qt
    library, which dpkg-shlibdeps already covers."""
    packages = {}
    pending = sorted(modules)
    seen = set()
    while pending:
        module = pending.pop()
        if module in seen:
            continue
        seen.add(module)
        qmldir = os.path.join(qml_dir, *module.split("."), "qmldir")
        if not os.path.isfile(qmldir):
            continue
        owner = run(["dpkg-query", "-S", qmldir]).split(":")[0].strip()
        packages[module] = owner
        with open(qmldir, encoding="utf-8") as file:
            for line in file:
                words = line.split()
                if len(words) >= 2 and words[0] in ("import", "depends"):
                    pending.append(words[1])
    return packages


def dependency_names(field):
    """Package names of a Depends-style field, alternatives included."""
    names = set()
    for clause in field.split(","):
        for alternative in clause.split("|"):
            name = alternative.strip().split(" ")[0].split("(")[0].strip()
            if name:
                names.add(name)
    return names


def check_debian_package(cpack, build_dir, version, source_dir, qml_dir, work):
    run([cpack, "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-G", "DEB", "-B", work])
    debs = glob.glob(os.path.join(work, f"{APP}_*.deb"))
    check(len(debs) == 1, f"cpack made {debs}, expected one {APP}_*.deb")
    deb = debs[0]
    print(f"package: {os.path.basename(deb)}, {os.path.getsize(deb) // 1024} KiB")

    def field(name):
        return run(["dpkg-deb", "-f", deb, name]).strip()

    check(field("Package") == APP, f"package name {field('Package')}")
    check(field("Version").split("-")[0] == version, f"package version {field('Version')}")
    check(field("Section") == "games", f"section {field('Section')}")
    check(field("Homepage").startswith("https://"), "no homepage")
    check(re.fullmatch(r".+ <[^@ ]+@[^@ ]+>", field("Maintainer")), "maintainer without an address")
    description = field("Description")
    check(len(description.splitlines()) > 1, "the package has no long description")

    depends = field("Depends")
    print(f"Depends: {depends}")
    names = dependency_names(depends)
    shlibs = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6qml6", "libqt6quick6"}
    check(shlibs <= names, f"dpkg-shlibdeps did not contribute {sorted(shlibs - names)}")
    packages = module_packages(imported_modules(source_dir), qml_dir)
    check(packages, "no imported QML module found under the Qt QML folder")
    missing = {module: package for module, package in packages.items() if package not in names}
    check(not missing, f"Depends misses the packages of imported QML modules: {missing}")
    check("fonts-noto-color-emoji" in dependency_names(field("Recommends")),
          "the emoji font is not recommended")

    listing = run(["dpkg-deb", "-c", deb])
    paths = {}
    for line in listing.splitlines():
        words = line.split()
        paths[words[-1].removeprefix(".")] = words[0]
    for relative in INSTALLED + PACKAGE_ONLY:
        check(f"/usr/{relative}" in paths, f"the package lacks /usr/{relative}")
    check(paths[f"/usr/{BINARY}"] == "-rwxr-xr-x", f"binary mode {paths[f'/usr/{BINARY}']}")
    outside = [p for p in paths if p not in ("/", "/usr/") and not p.startswith("/usr/")]
    check(not outside, f"the package installs outside /usr: {outside}")
    check(not any(p.startswith("/usr/local/") for p in paths), "the package installs into /usr/local")


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--cmake", required=True)
    arguments.add_argument("--cpack", required=True)
    arguments.add_argument("--build-dir", required=True)
    arguments.add_argument("--version", required=True)
    arguments.add_argument("--source-dir", required=True)
    arguments.add_argument("--qtpaths", required=True)
    options = arguments.parse_args()

    try:
        missing = sorted({package for tool, package in TOOLS.items() if not shutil.which(tool)})
        check(not missing, f"install the Debian packages {' '.join(missing)}")
        qml_dir = run([options.qtpaths, "--query", "QT_INSTALL_QML"]).strip()
        with tempfile.TemporaryDirectory(prefix="pondrel-install-") as work:
            check_installed_tree(options.cmake, options.build_dir, options.version,
                                 os.path.join(work, "prefix"))
            check_debian_package(options.cpack, options.build_dir, options.version,
                                 options.source_dir, qml_dir, os.path.join(work, "deb"))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
