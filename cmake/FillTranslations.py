#!/usr/bin/env python3
"""Writes the desktop integration files in every language the catalogues hold.

    FillTranslations.py CATALOGUES TEMPLATE OUTPUT
        Copies TEMPLATE to OUTPUT, expanding each line that holds a message id in double braces
        into the English text and one translated line per language. Desktop-entry style:
        "Key={{id}}" gives "Key=..." and "Key[fr]=..."; XML: "<tag>{{id}}</tag>" gives "<tag>" and
        "<tag xml:lang="fr">"; a <keyword> line gives one element per ";"-separated keyword and a
        <description> holds paragraphs (separated by an empty line) and lists (lines starting
        with "- "), each paragraph and list item translated in place as AppStream wants it.
    FillTranslations.py --c-rows CATALOGUES OUTPUT ID...
        Writes one C initializer row per language, {"fr", "text of ID1", ...}, English first;
        a text a language lacks is the English one.
"""

import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape, quoteattr

INI_LINE = re.compile(r"^(?P<key>[A-Za-z0-9-]+)=\{\{(?P<id>[\w.]+)\}\}$")
XML_LINE = re.compile(r"^(?P<indent>\s*)<(?P<tag>\w+)>\{\{(?P<id>[\w.]+)\}\}</(?P=tag)>$")


def fail(message):
    sys.exit(f"FillTranslations: {message}")


def read_catalogues(folder):
    """{language: {id: text}} with only finished, non-empty translations; English first."""
    catalogues = {}
    for path in sorted(pathlib.Path(folder).glob("balewick_*.ts")):
        language = path.stem.split("_", 1)[1]
        texts = {}
        for message in ElementTree.parse(path).iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not (translation.text or "").strip():
                continue
            texts[message.get("id")] = translation.text.strip()
        catalogues[language] = texts
    if "en" not in catalogues:
        fail(f"no English catalogue in {folder}")
    return {"en": catalogues.pop("en"), **catalogues}


def texts_of(catalogues, message_id):
    """[(language, text)] for the languages that have the message, English first."""
    if message_id not in catalogues["en"]:
        fail(f'no English text for "{message_id}"')
    return [(language, texts[message_id]) for language, texts in catalogues.items() if message_id in texts]


def desktop_value(key, text):
    if key == "Keywords":
        # A list value ends with its separator; stray spaces around the items would be searched for.
        return "".join(item.strip() + ";" for item in text.split(";") if item.strip())
    return text.replace("\\", "\\\\").replace("\n", "\\n")


def expand_ini(match, catalogues):
    key = match["key"]
    lines = []
    for language, text in texts_of(catalogues, match["id"]):
        suffix = "" if language == "en" else f"[{language}]"
        lines.append(f"{key}{suffix}={desktop_value(key, text)}")
    return lines


def lang_attribute(language):
    return "" if language == "en" else f" xml:lang={quoteattr(language)}"


def description_blocks(language, text):
    """[("p", paragraph) or ("ul", [items])] from the catalogue's plain-text layout."""
    blocks = []
    for block in re.split(r"\n\s*\n", text.strip()):
        lines = [line.strip() for line in block.splitlines() if line.strip()]
        if all(line.startswith("- ") for line in lines):
            blocks.append(("ul", [line[2:].strip() for line in lines]))
        elif any(line.startswith("- ") for line in lines):
            fail(f"{language}: a description block mixes list items and text")
        else:
            blocks.append(("p", " ".join(lines)))
    return blocks


def shape(blocks):
    return [(kind, len(body)) if kind == "ul" else (kind, 1) for kind, body in blocks]


def expand_description(indent, message_id, catalogues):
    translations = [(language, description_blocks(language, text))
                    for language, text in texts_of(catalogues, message_id)]
    english = translations[0][1]
    for language, blocks in translations:
        # Each paragraph and item is translated in place, so every language must match English.
        if shape(blocks) != shape(english):
            fail(f'{language}: "{message_id}" is not laid out as the English text')
    lines = [f"{indent}<description>"]
    for index, (kind, body) in enumerate(english):
        if kind == "p":
            for language, blocks in translations:
                lines.append(f"{indent}  <p{lang_attribute(language)}>{escape(blocks[index][1])}</p>")
            continue
        lines.append(f"{indent}  <ul>")
        for item in range(len(body)):
            for language, blocks in translations:
                lines.append(f"{indent}    <li{lang_attribute(language)}>{escape(blocks[index][1][item])}</li>")
        lines.append(f"{indent}  </ul>")
    lines.append(f"{indent}</description>")
    return lines


def expand_xml(match, catalogues):
    indent, tag, message_id = match["indent"], match["tag"], match["id"]
    if tag == "description":
        return expand_description(indent, message_id, catalogues)
    lines = []
    for language, text in texts_of(catalogues, message_id):
        values = [item.strip() for item in text.split(";") if item.strip()] if tag == "keyword" else [text]
        lines += [f"{indent}<{tag}{lang_attribute(language)}>{escape(value)}</{tag}>" for value in values]
    return lines


def fill_template(catalogues, template, output):
    is_xml = ".xml" in pathlib.Path(template).name
    pattern, expand = (XML_LINE, expand_xml) if is_xml else (INI_LINE, expand_ini)
    lines = []
    for number, line in enumerate(pathlib.Path(template).read_text(encoding="utf-8").splitlines(), 1):
        match = pattern.match(line)
        if match:
            lines += expand(match, catalogues)
        elif "{{" in line:
            fail(f"{template}:{number}: a message id where none can be expanded")
        else:
            lines.append(line)
    pathlib.Path(output).write_text("\n".join(lines) + "\n", encoding="utf-8")


def c_string(text):
    # Octal escapes for everything outside printable ASCII, so no escape can run into the next character.
    return '"' + "".join(character if 0x20 <= ord(character) < 0x7F and character not in '"\\?'
                         else "".join(f"\\{byte:03o}" for byte in character.encode("utf-8"))
                         for character in text) + '"'


def write_c_rows(catalogues, output, message_ids):
    for message_id in message_ids:
        texts_of(catalogues, message_id)
    rows = ["/* Generated from the translation catalogues. */"]
    for language, texts in catalogues.items():
        values = [c_string(texts.get(message_id, catalogues["en"][message_id])) for message_id in message_ids]
        rows.append("{" + ", ".join([c_string(language)] + values) + "},")
    pathlib.Path(output).write_text("\n".join(rows) + "\n", encoding="utf-8")


def main(arguments):
    if len(arguments) >= 4 and arguments[0] == "--c-rows":
        write_c_rows(read_catalogues(arguments[1]), arguments[2], arguments[3:])
    elif len(arguments) == 3:
        fill_template(read_catalogues(arguments[0]), arguments[1], arguments[2])
    else:
        fail(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
