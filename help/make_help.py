#!/usr/bin/env python3
"""Turns the help sources (help/source/Help_XX.txt) into the RTF help files (help/Help_XX.rtf)
that ship beside the executable.

The sources use a small markup, one block per paragraph (blocks are separated by empty lines):
  # Title            the document title
  ## Heading         a chapter heading
  ### Heading        a section heading
  - text             a bulleted item (following lines indented by two blanks continue it)
  | a | b |          a table row; the first row of a table is its header
  text               a paragraph; consecutive lines are joined
Inline: **bold**, `program text` (set in a typewriter face), S_b (subscript), 10^15
(superscript). Lines starting with "%" are
comments. Characters outside ASCII are written as RTF Unicode escapes with a plain-letter
fallback, so every RTF reader shows them.

Usage: help/make_help.py            (rebuilds every help file)
"""

import os
import re
import sys
import unicodedata

# Per language: code page and language id of the document, font character set.
LANGUAGES = {
    "EN": {"codepage": 1252, "lang": 1033, "charset": 0, "title": "Kavorin - User Guide"},
    "CS": {"codepage": 1250, "lang": 1029, "charset": 238,
           "title": "Kavorin - u\u017eivatelsk\u00e1 p\u0159\u00edru\u010dka"},
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


def table(rows):
    cells = [[c.strip() for c in row.strip().strip("|").split("|")] for row in rows]
    columns = len(cells[0])
    if any(len(r) != columns for r in cells):
        raise ValueError("table rows differ in their number of cells: %r" % rows[0])
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


def convert(source, language):
    info = LANGUAGES[language]
    body = []
    for block in blocks(source):
        first = block[0]
        if first.startswith("|"):
            body.append(table(block))
        elif first.startswith("- "):
            items = []  # (level, text)
            for line in block:
                if line.startswith("- "):
                    items.append([0, line[2:].strip()])
                elif line.startswith("  - "):
                    items.append([1, line[4:].strip()])
                elif line.startswith("  ") and items:
                    items[-1][1] += " " + line.strip()
                else:
                    raise ValueError("unexpected line in a list: %r" % line)
            for number, (level, item) in enumerate(items, 1):
                style = STYLES["bullet"] if level == 0 else STYLES["subbullet"]
                if number == len(items):  # the list ends with a paragraph's spacing
                    style = style.replace(r"\sa60", r"\sa120")
                body.append(style + inline(item) + r"\par")
        else:
            text = " ".join(line.strip() for line in block)
            if first.startswith("### "):
                body.append(STYLES["h3"] + inline(text[4:]) + r"\par")
            elif first.startswith("## "):
                body.append(STYLES["h2"] + inline(text[3:]) + r"\par")
            elif first.startswith("# "):
                body.append(STYLES["title"] + inline(text[2:]) + r"\par")
            else:
                body.append(STYLES["para"] + inline(text) + r"\par")
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


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for language in LANGUAGES:
        with open(os.path.join(here, "source", "Help_%s.txt" % language), encoding="utf-8") as f:
            source = f.read()
        rtf = convert(source, language)
        with open(os.path.join(here, "Help_%s.rtf" % language), "w", encoding="ascii",
                  newline="\r\n") as f:
            f.write(rtf)
    return 0


if __name__ == "__main__":
    sys.exit(main())
