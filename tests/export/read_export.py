"""Reads an export file with parsers that owe nothing to the program, and prints what they
found as JSON, for the tests to compare with the register.

    read_export.py vcard FILE   vCard cards read by the vobject package: a list of cards, each
                                a list of {name, params, value}; N and ADR values are lists of
                                their components; every card also gets "uid_of_id", the
                                name-based UUID of its X-ORVANEL-ID computed here.
    read_export.py csv FILE     the records read by the csv module, as lists of texts.
"""
import csv
import json
import sys
import uuid

# The namespace of the program's card UIDs, repeated here so that the UUIDs are checked by an
# implementation of their own.
UID_NAMESPACE = uuid.UUID("2719f079-9fee-44a4-982a-99f69306d0e7")


def component_text(value):
    # vobject gives a component that holds several values as a list.
    return ",".join(value) if isinstance(value, list) else value


def read_vcard(path):
    import vobject

    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    cards = []
    for card in vobject.readComponents(text):
        if card.name != "VCARD":
            raise ValueError("not a vCard: " + card.name)
        lines = []
        uid_of_id = None
        for line in card.lines():
            value = line.value
            if line.name == "N":
                value = [component_text(getattr(value, part)) for part in
                         ("family", "given", "additional", "prefix", "suffix")]
            elif line.name == "ADR":
                value = [component_text(getattr(value, part)) for part in
                         ("box", "extended", "street", "city", "region", "code", "country")]
            elif line.name == "X-ORVANEL-ID":
                uid_of_id = "urn:uuid:" + str(uuid.uuid5(UID_NAMESPACE, value))
            lines.append({"name": line.name, "params": line.params, "value": value})
        cards.append({"lines": lines, "uid_of_id": uid_of_id})
    return cards


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.reader(f, strict=True))


def main():
    kind, path = sys.argv[1], sys.argv[2]
    result = read_vcard(path) if kind == "vcard" else read_csv(path)
    json.dump(result, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main()
