#!/usr/bin/env python3
"""Turns the help sources (help/source/Help_XX.txt) into the help files that ship beside the
executable: an RTF file (help/Help_XX.rtf) and an HTML file (help/Help_XX.html) per guide, so
that a desktop without a program for RTF can show the guide in its web browser.

The sources use a small markup, one block per paragraph (blocks are separated by empty lines):
  # Title            the document title
  ## Heading         a chapter heading
  ### Heading        a section heading
  - text             a bulleted item (following lines indented by two blanks continue it)
  | a | b |          a table row; the first row of a table is its header
  text               a paragraph; consecutive lines are joined
Inline: **bold**, `program text` (set in a typewriter face), S_b (subscript), 10^15
(superscript). Lines starting with "%" are
comments. In the RTF, characters outside ASCII are written as Unicode escapes with a plain-letter
fallback, so every RTF reader shows them; the HTML is UTF-8 with its style sheet inline, so the
file stands alone.

Usage: help/make_help.py            (rebuilds every help file)
       help/make_help.py --check    (fails when a committed help file is not what the
                                     sources give)
"""

import os
import re
import sys
import unicodedata

# Per language: code page and language id of the document, font character set.
LANGUAGES = {
    "EN": {"codepage": 1252, "lang": 1033, "charset": 0, "title": "Kavorin - User Guide",
           "code": "en", "contents": "Contents"},
    "CS": {"codepage": 1250, "lang": 1029, "charset": 238,
           "title": "Kavorin - u\u017eivatelsk\u00e1 p\u0159\u00edru\u010dka",
           "code": "cs", "contents": "Obsah"},
}

BODY = r"\f0\fs21"
STYLES = {
    "title": r"\pard\plain\s1\keepn\sb0\sa240\outlinelevel0\b\f0\fs40\cf1 ",
    "h2": r"\pard\plain\s2\keepn\sb360\sa120\outlinelevel1\b\f0\fs28\cf1 ",
    "h3": r"\pard\plain\s3\keepn\sb240\sa80\outlinelevel2\b\f0\fs23\cf2 ",
    "para": r"\pard\plain\s0\sa120" + BODY + " ",
    "bullet": r"\pard\plain\s0\fi-284\li568\sa60\tx568" + BODY + r" \bullet\tab ",
    "subbullet": r"\pard\plain\s0\fi-284\li1136\sa60\tx1136" + BODY + r" \endash\tab ",
}
TEXT_WIDTH = 9070  # twips between the margins of an A4 page with 2.5 cm margins


# Plain stand-ins for readers that cannot show a character (accented letters lose the accent).
FALLBACKS = {"\u201e": "\\'22", "\u201c": "\\'22", "\u201d": "\\'22", "\u00d7": "x",
             "\u00b7": ".", "\u03c1": "r", "\u03c9": "w", "\u00a9": "c", "\u00b2": "\\'32",
             "\u00b3": "\\'33", "\u207b": "-", "\u2075": "\\'35"}


def fallback(ch):
    if ch in FALLBACKS:
        return FALLBACKS[ch]
    # A letter only: a digit or blank right after the escape's number would be misread.
    plain = unicodedata.normalize("NFKD", ch)[0]
    return plain if plain.isascii() and plain.isalpha() else "\\'3f"


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif 32 <= code < 127:
            out.append(ch)
        elif ch == "\u00a0":
            out.append("\\~")
        elif ch == "\u2013":
            out.append("\\endash ")
        elif ch == "\u2014":
            out.append("\\emdash ")
        elif code > 0xFFFF:
            raise ValueError("character outside the basic plane: %r" % ch)
        else:
            signed = code if code < 32768 else code - 65536
            out.append("\\u%d%s" % (signed, fallback(ch)))
    return "".join(out)


def inline(text):
    """Escapes text and applies **bold** and `program text`."""
    parts = re.split(r"(\*\*.+?\*\*|`.+?`)", text)
    out = []
    for part in parts:
        if part.startswith("**") and part.endswith("**") and len(part) > 4:
            out.append(r"{\b " + escape(part[2:-2]) + "}")
        elif part.startswith("`") and part.endswith("`") and len(part) > 2:
            out.append(r"{\f1 " + escape(part[1:-1]) + "}")
        else:
            out.append(scripts(escape(part)))
    return "".join(out)


def scripts(rtf):
    """Sets the formula notation of the sheets: S_b as S with subscript b, 10^15 as 10 with
    superscript 15."""
    rtf = re.sub(r"\b([A-Za-z])_([A-Za-z0-9]+)\b", r"\1{\\sub \2}", rtf)
    return re.sub(r"\b10\^(-?[0-9]+)\b", r"10{\\super \1}", rtf)


def table(cells):
    columns = len(cells[0])
    # The first column holds short keys or symbols; the rest share the remaining width.
    first = 2600 if columns == 2 else 2200
    rest = (TEXT_WIDTH - first) // (columns - 1)
    edges = [first + i * rest for i in range(columns)]
    edges[-1] = TEXT_WIDTH
    border = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"
    out = []
    for index, row in enumerate(cells):
        header = index == 0
        line = [r"\trowd\trgaph108\trleft0"]
        if header:
            line.append(r"\trhdr")
        for edge in edges:
            shade = r"\clcbpat3" if header else ""
            line.append(border + shade + r"\cellx%d" % edge)
        for cell in row:
            text = inline(cell)
            if header:
                text = r"{\b " + text + "}"
            line.append(r"\pard\plain\intbl\sa40" + BODY + " " + text + r"\cell")
        line.append(r"\row")
        out.append("".join(line))
    out.append(r"\pard\plain\s0\sa120" + BODY + r"\par")
    return "\n".join(out)


def blocks(source):
    block = []
    for raw in source.splitlines():
        if raw.startswith("%"):
            continue
        if raw.strip() == "":
            if block:
                yield block
                block = []
        else:
            block.append(raw.rstrip())
    if block:
        yield block


def parse(source):
    """The guide as a list of (kind, content): ("title" | "h2" | "h3" | "para", text),
    ("list", [[level, text], ...]) with level 0 or 1, ("table", rows of cells)."""
    document = []
    for block in blocks(source):
        first = block[0]
        if first.startswith("|"):
            cells = [[c.strip() for c in row.strip().strip("|").split("|")] for row in block]
            if any(len(r) != len(cells[0]) for r in cells):
                raise ValueError("table rows differ in their number of cells: %r" % block[0])
            document.append(("table", cells))
        elif first.startswith("- "):
            items = []
            for line in block:
                if line.startswith("- "):
                    items.append([0, line[2:].strip()])
                elif line.startswith("  - "):
                    items.append([1, line[4:].strip()])
                elif line.startswith("  ") and items:
                    items[-1][1] += " " + line.strip()
                else:
                    raise ValueError("unexpected line in a list: %r" % line)
            document.append(("list", items))
        else:
            text = " ".join(line.strip() for line in block)
            for marker, kind in (("### ", "h3"), ("## ", "h2"), ("# ", "title")):
                if first.startswith(marker):
                    document.append((kind, text[len(marker):]))
                    break
            else:
                document.append(("para", text))
    return document


def convert(source, language):
    info = LANGUAGES[language]
    body = []
    for kind, content in parse(source):
        if kind == "table":
            body.append(table(content))
        elif kind == "list":
            for number, (level, item) in enumerate(content, 1):
                style = STYLES["bullet"] if level == 0 else STYLES["subbullet"]
                if number == len(content):  # the list ends with a paragraph's spacing
                    style = style.replace(r"\sa60", r"\sa120")
                body.append(style + inline(item) + r"\par")
        else:
            body.append(STYLES[kind] + inline(content) + r"\par")
    charset = info["charset"]
    header = "\n".join([
        r"{\rtf1\ansi\ansicpg%d\deff0\deflang%d" % (info["codepage"], info["lang"]),
        r"{\fonttbl{\f0\fswiss\fcharset%d Arial;}{\f1\fmodern\fcharset%d Courier New;}}"
        % (charset, charset),
        r"{\colortbl;\red0\green0\blue128;\red128\green0\blue0;\red230\green236\blue245;}",
        r"{\stylesheet{\s0\sa120" + BODY + r" Normal;}"
        r"{\s1\keepn\sb0\sa240\outlinelevel0\b\f0\fs40\cf1 heading 1;}"
        r"{\s2\keepn\sb360\sa120\outlinelevel1\b\f0\fs28\cf1 heading 2;}"
        r"{\s3\keepn\sb240\sa80\outlinelevel2\b\f0\fs23\cf2 heading 3;}}",
        r"{\info{\title " + escape(info["title"]) + r"}{\author Ternwick}}",
        r"\paperw11906\paperh16838\margl1418\margr1418\margt1418\margb1418",
        r"\viewkind4\uc1\lang%d" % info["lang"],
    ])
    return header + "\n" + "\n".join(body) + "\n}\n"


# ---- HTML ------------------------------------------------------------------------------

# The colours of the RTF guide: navy headings, dark red section headings, blue-grey table heads.
CSS = """
html { background: #eef1f6; }
body { margin: 0; color: #1f1f24; font: 16px/1.55 "Segoe UI", "DejaVu Sans", Arial,
       Helvetica, sans-serif; }
main { box-sizing: border-box; max-width: 50em; margin: 1.5em auto; padding: 2em 3em 2.5em;
       background: #fff; border: 1px solid #d5dbe6; border-radius: 6px; }
h1 { margin: 0 0 .5em; color: #000080; font-size: 2em; line-height: 1.2; }
h2 { margin: 1.8em 0 .6em; padding-bottom: .2em; border-bottom: 2px solid #e6ecf5;
     color: #000080; font-size: 1.4em; }
h3 { margin: 1.4em 0 .4em; color: #800000; font-size: 1.12em; }
p { margin: 0 0 .8em; }
ul { margin: 0 0 .8em; padding-left: 1.6em; }
li { margin: .25em 0; }
ul ul { margin: .25em 0 0; list-style-type: "\\2013\\00a0\\00a0"; }
table { width: 100%; margin: .4em 0 1.2em; border-collapse: collapse; }
th, td { padding: .3em .6em; border: 1px solid #a9b4c6; text-align: left;
         vertical-align: top; }
th { background: #e6ecf5; }
td:first-child { white-space: nowrap; }
code { padding: 0 .2em; border-radius: 3px; background: #f0f2f6;
       font-family: "DejaVu Sans Mono", Consolas, "Courier New", monospace; font-size: .92em; }
sub, sup { font-size: .75em; line-height: 0; }
nav { margin: 1.2em 0 0; padding: .8em 1.2em; background: #f5f7fb; border-left: 4px solid #000080; }
nav h2 { margin: 0 0 .3em; padding: 0; border: 0; font-size: 1.1em; }
nav ol { margin: 0; padding: 0; list-style: none; columns: 2; column-gap: 2em; }
nav li { margin: 0; padding: .12em 0; break-inside: avoid; }
a { color: #1a4fa0; }
@media (max-width: 40em) { main { margin: 0; padding: 1em 1.2em; border: 0; }
                           nav ol { columns: 1; } td:first-child { white-space: normal; } }
@media print { html { background: #fff; } main { max-width: none; margin: 0; padding: 0;
               border: 0; } nav { display: none; } h2, h3 { break-after: avoid; } }
"""


def html_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def html_scripts(text):
    text = re.sub(r"\b([A-Za-z])_([A-Za-z0-9]+)\b", r"\1<sub>\2</sub>", text)
    return re.sub(r"\b10\^(-?[0-9]+)\b", r"10<sup>\1</sup>", text)


def html_inline(text):
    """The HTML of text with **bold**, `program text`, subscripts and superscripts."""
    out = []
    for part in re.split(r"(\*\*.+?\*\*|`.+?`)", text):
        if part.startswith("**") and part.endswith("**") and len(part) > 4:
            out.append("<strong>" + html_escape(part[2:-2]) + "</strong>")
        elif part.startswith("`") and part.endswith("`") and len(part) > 2:
            out.append("<code>" + html_escape(part[1:-1]) + "</code>")
        else:
            out.append(html_scripts(html_escape(part)))
    return "".join(out)


def plain(text):
    """The text without its markup, for the page title."""
    return re.sub(r"\*\*(.+?)\*\*|`(.+?)`", lambda m: m.group(1) or m.group(2), text)


def html_list(items):
    out = ["<ul>"]
    open_sublist = False
    for index, (level, text) in enumerate(items):
        if level == 1 and not open_sublist:
            if index == 0:
                raise ValueError("a list begins with a sub-item: %r" % text)
            out[-1] = out[-1][: -len("</li>")]  # the sub-list belongs to the item before
            out.append("<ul>")
            open_sublist = True
        elif level == 0 and open_sublist:
            out.append("</ul></li>")
            open_sublist = False
        out.append("<li>" + html_inline(text) + "</li>")
    if open_sublist:
        out.append("</ul></li>")
    out.append("</ul>")
    return "\n".join(out)


def html_table(cells):
    out = ["<table>", "<thead>"]
    out.append("<tr>" + "".join("<th>" + html_inline(c) + "</th>" for c in cells[0]) + "</tr>")
    out.append("</thead>")
    out.append("<tbody>")
    for row in cells[1:]:
        out.append("<tr>" + "".join("<td>" + html_inline(c) + "</td>" for c in row) + "</tr>")
    out.append("</tbody>")
    out.append("</table>")
    return "\n".join(out)


def convert_html(source, language):
    info = LANGUAGES[language]
    document = parse(source)
    title = next((content for kind, content in document if kind == "title"), info["title"])
    chapters = [content for kind, content in document if kind == "h2"]
    body = []
    chapter = 0
    for kind, content in document:
        if kind == "h2":
            if chapter == 0 and len(chapters) > 1:
                # A table of contents before the first chapter.
                body.append('<nav>\n<h2>%s</h2>\n<ol>' % html_escape(info["contents"]))
                body.extend('<li><a href="#chapter-%d">%s</a></li>' % (number, html_inline(text))
                            for number, text in enumerate(chapters, 1))
                body.append("</ol>\n</nav>")
            chapter += 1
            body.append('<h2 id="chapter-%d">%s</h2>' % (chapter, html_inline(content)))
        elif kind == "title":
            body.append("<h1>" + html_inline(content) + "</h1>")
        elif kind == "h3":
            body.append("<h3>" + html_inline(content) + "</h3>")
        elif kind == "para":
            body.append("<p>" + html_inline(content) + "</p>")
        elif kind == "list":
            body.append(html_list(content))
        elif kind == "table":
            body.append(html_table(content))
    return "\n".join([
        "<!DOCTYPE html>",
        '<html lang="%s">' % info["code"],
        "<head>",
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        '<meta name="author" content="Ternwick">',
        "<title>%s</title>" % html_escape(plain(title)),
        "<style>" + CSS.rstrip() + "\n</style>",
        "</head>",
        "<body>",
        "<main>",
    ] + body + ["</main>", "</body>", "</html>", ""])


def outputs(here, language):
    """The help files of a language: (path, text, encoding, newline) each."""
    with open(os.path.join(here, "source", "Help_%s.txt" % language), encoding="utf-8") as f:
        source = f.read()
    return [(os.path.join(here, "Help_%s.rtf" % language), convert(source, language), "ascii",
             "\r\n"),
            (os.path.join(here, "Help_%s.html" % language), convert_html(source, language),
             "utf-8", "\n")]


def main(arguments):
    check = arguments == ["--check"]
    if arguments and not check:
        print("usage: make_help.py [--check]", file=sys.stderr)
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    stale = []
    for language in LANGUAGES:
        for path, text, encoding, newline in outputs(here, language):
            data = text.replace("\n", newline).encode(encoding)
            if check:
                try:
                    with open(path, "rb") as f:
                        current = f.read() == data
                except OSError:
                    current = False
                if not current:
                    stale.append(os.path.relpath(path))
            else:
                with open(path, "wb") as f:
                    f.write(data)
    for path in stale:
        print("%s is not up to date; run help/make_help.py" % path, file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
