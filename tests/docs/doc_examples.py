#!/usr/bin/env python3
"""Runs the shell examples of the documentation and checks its links.

A fenced block whose info string starts with "console" is a terminal session:
each line starting with "$ " is a command (a line ending in "\\" goes on in the
next one), and the lines up to the next command are what it prints, standard
output and standard error together. In the output shown, a line "..." stands
for any number of lines and "..." inside a line for any text. Every other
block (```sh for commands that need a display, packages or a long build) is
not run. A block is run in every locale below unless its info string names
one, as in ```console LC_ALL=de_DE.UTF-8.

The blocks of one file run in order in one fresh folder, as one session, with
tqhost of the build tree first on PATH and a registry and home of their own;
each file runs once per locale. Relative links and images must name a file
that exists and, with "#anchor", one of its headings.

usage: doc_examples.py BIN_DIR SOURCE_DIR [FILE.md ...]
"""
import difflib
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

LOCALES = ["C", "de_DE.UTF-8"]
FENCE = re.compile(r"^```(\S*)(.*)$")
LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)")


def blocks(lines):
    """Yields (line number, info, block lines) for each fenced block."""
    i = 0
    while i < len(lines):
        m = FENCE.match(lines[i])
        if not m:
            i += 1
            continue
        start, body = i + 1, []
        i += 1
        while i < len(lines) and lines[i].strip() != "```":
            body.append(lines[i])
            i += 1
        yield start, m.group(1) + m.group(2), body
        i += 1


def commands(start, body):
    """Yields (line number, command, expected output lines) of a session."""
    i = 0
    while i < len(body):
        if not body[i].startswith("$ "):
            raise ValueError(f"line {start + i + 1}: output before the first command")
        number, command = start + i + 1, body[i][2:]
        while command.endswith("\\") and i + 1 < len(body):
            i += 1
            command = command[:-1] + "\n" + body[i]
        i += 1
        expected = []
        while i < len(body) and not body[i].startswith("$ "):
            expected.append(body[i])
            i += 1
        yield number, command, expected


def pattern(expected):
    parts = []
    for line in expected:
        if line.strip() == "...":
            parts.append(r"(?:[^\n]*\n)*?")
        else:
            parts.append(".*".join(re.escape(p) for p in line.rstrip().split("...")) + r"\n")
    return re.compile("".join(parts), re.DOTALL)


def run_session(path, sessions, bindir, locale):
    failures = []
    with tempfile.TemporaryDirectory(prefix="tq-docs-") as tmp:
        work = Path(tmp) / "work"
        work.mkdir()
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME",
                            "XDG_DATA_HOME", "LANG", "LANGUAGE")}
        env.update(PATH=f"{bindir}:{env.get('PATH', '/usr/bin:/bin')}", HOME=tmp, LC_ALL=locale,
                   QORDB_REGISTRY=f"{tmp}/config/registry.xml", TZ="UTC")
        for info, session in sessions:
            named = re.search(r"LC_ALL=(\S+)", info)
            if named and named.group(1) != locale:
                continue
            for number, command, expected in session:
                try:
                    done = subprocess.run(["bash", "-c", command], cwd=work, env=env, timeout=120,
                                          stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                          stderr=subprocess.STDOUT)
                    actual = done.stdout.decode("utf-8", "replace")
                except subprocess.TimeoutExpired:
                    actual = "(no end after 120 s)\n"
                shown = "".join(line.rstrip() + "\n" for line in actual.splitlines())
                if not pattern(expected).fullmatch(shown):
                    diff = difflib.unified_diff([e + "\n" for e in expected], shown.splitlines(True),
                                                "shown", "printed")
                    failures.append(f"{path}:{number}: LC_ALL={locale} $ {command}\n"
                                    + "".join(diff))
    return failures


def slug(heading):
    text = re.sub(r"[`*_]|\[([^\]]*)\]\([^)]*\)", r"\1", heading.strip().lower())
    return re.sub(r"[^\w\- ]", "", text).replace(" ", "-")


def anchors(path):
    seen, result = {}, set()
    for line in text_lines(path, blank_code=False):
        m = re.match(r"^#{1,6}\s+(.*)$", line)
        if m:
            s = slug(m.group(1))
            n = seen.get(s, 0)
            seen[s] = n + 1
            result.add(s if n == 0 else f"{s}-{n}")
    return result


def text_lines(path, blank_code=True):
    """The lines of a Markdown file outside fenced blocks, inline code blanked."""
    fenced = False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("```"):
            fenced = not fenced
            continue
        if not fenced:
            yield re.sub(r"`[^`]*`", "", line) if blank_code else line


def check_links(path):
    failures = []
    for line in text_lines(path):
        for target in LINK.findall(line):
            if re.match(r"^[a-z]+:", target):
                continue
            name, _, anchor = target.partition("#")
            linked = (path.parent / name).resolve() if name else path
            if not linked.exists():
                failures.append(f"{path.name}: link to {target}: no file {name}")
            elif anchor and linked.suffix == ".md" and anchor not in anchors(linked):
                failures.append(f"{path.name}: link to {target}: {name or path.name} has no heading #{anchor}")
    return failures


def main():
    bindir, root = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    files = [Path(f).resolve() for f in sys.argv[3:]] or sorted(
        [root / "README.md", root / "data" / "README.md", *(root / "docs").glob("**/*.md")])
    failures, count = [], 0
    for path in files:
        shown = path.relative_to(root) if path.is_relative_to(root) else path
        failures += check_links(path)
        sessions = []
        for start, info, body in blocks(path.read_text(encoding="utf-8").splitlines()):
            if info.startswith("console"):
                try:
                    sessions.append((info, list(commands(start, body))))
                except ValueError as error:
                    failures.append(f"{shown}: {error}")
        count += sum(len(s) for _, s in sessions)
        if sessions:
            for locale in LOCALES:
                failures += run_session(shown, sessions, bindir, locale)
    for failure in failures:
        print(failure)
    print(f"{len(files)} files, {count} commands in {len(LOCALES)} locales, "
          f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
