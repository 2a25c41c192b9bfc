#!/usr/bin/env python3
"""Turns a language's .po catalogue into the compact form the program reads.

    make_catalogue.py TEMPLATE.pot CATALOGUE.po OUTPUT    the language's texts
    make_catalogue.py TEMPLATE.pot - OUTPUT               the template's English texts

The compact form has one line for each entry of the template, in the template's order (which is
the program's own order of its texts): the text, UTF-8, with \\n and \\\\ for a line break and a
backslash, or an empty line where the English text stays. An entry is kept only when its key is in the template with the same
English text (msgid) and it has a translation: a text the template has changed since it was
translated, or that the catalogue lacks, stays English in the program. Each such entry is named on
standard error; a malformed catalogue fails.
"""
import sys


def unquote(line, path, number):
    line = line.strip()
    if len(line) < 2 or line[0] != '"' or line[-1] != '"':
        sys.exit(f"{path}:{number}: expected a quoted string")
    out, chars = [], iter(line[1:-1])
    for c in chars:
        if c != "\\":
            out.append(c)
            continue
        escaped = next(chars, None)
        mapping = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
        if escaped not in mapping:
            sys.exit(f"{path}:{number}: unknown escape \\{escaped}")
        out.append(mapping[escaped])
    return "".join(out)


def read_po(path):
    """{msgctxt: (msgid, msgstr)} of every entry with a msgctxt."""
    entries, entry, field = {}, {}, None

    def close():
        if "msgctxt" in entry:
            key = entry["msgctxt"]
            if key in entries:
                sys.exit(f"{path}: {key} appears twice")
            entries[key] = (entry.get("msgid", ""), entry.get("msgstr", ""))
        entry.clear()

    with open(path, encoding="utf-8") as po:
        for number, line in enumerate(po, 1):
            stripped = line.strip()
            if not stripped:
                close()
                field = None
            elif stripped.startswith("#"):
                continue
            elif stripped.startswith('"'):
                if field is None:
                    sys.exit(f"{path}:{number}: a continuation line without its field")
                entry[field] += unquote(stripped, path, number)
            else:
                field, _, value = stripped.partition(" ")
                if field not in ("msgctxt", "msgid", "msgstr"):
                    sys.exit(f"{path}:{number}: unknown field {field}")
                if field == "msgctxt" and entry:
                    close()
                entry[field] = unquote(value, path, number)
    close()
    return entries


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    template_path, catalogue_path, output_path = sys.argv[1:]
    template = read_po(template_path)
    if catalogue_path == "-":
        texts = {key: english for key, (english, _) in template.items()}
    else:
        texts = {}
        for key, (english, translation) in read_po(catalogue_path).items():
            if key not in template:
                print(f"{catalogue_path}: {key} is not in the template", file=sys.stderr)
            elif english != template[key][0]:
                print(f"{catalogue_path}: {key} translates an older English text", file=sys.stderr)
            elif translation:
                texts[key] = translation
        for key in template.keys() - texts.keys():
            print(f"{catalogue_path}: {key} stays English", file=sys.stderr)
    with open(output_path, "w", encoding="utf-8", newline="\n") as out:
        for key in template:
            out.write(escape(texts.get(key, "")) + "\n")


if __name__ == "__main__":
    main()
