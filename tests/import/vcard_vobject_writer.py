"""Writes vCards with the vobject package, which owes nothing to the program, for the import
tests to read: the cards as another program serialises them (its own folding, escaping and
parameter spelling).

    vcard_vobject_writer.py FILE
"""
import datetime
import sys

import vobject


def card(family, given, additional, **extra):
    c = vobject.vCard()
    c.add("n").value = vobject.vcard.Name(family=family, given=given, additional=additional)
    c.add("fn").value = " ".join(p for p in (given, additional, family) if p)
    for name, value, types in extra.get("lines", []):
        line = c.add(name)
        line.value = value
        if types:
            line.type_param = types
    return c


first = card(
    "Ščerbakova", "Jeļena", "Ņina",
    lines=[
        ("email", "jelena@example.org", "INTERNET"),
        ("email", "second@example.org", "INTERNET"),
        ("tel", "+371 2000 1234", "CELL"),
        ("tel", "+371 6000 1234", "HOME"),
        ("tel", "+371 6000 9999", "FAX"),
        ("adr", vobject.vcard.Address(street="Tērbatas iela 1, dz. 2", city="Rīga",
                                      code="LV-1011", country="Latvija"), "HOME"),
        ("bday", datetime.date(1977, 9, 8).isoformat(), None),
        ("note", "Rinda ar komatu, semikolu; un slīpsvītru \\.\nOtrā rinda, " + "gara " * 30,
         None),
        ("org", ["Piemērs SIA"], None),
    ])
second = card("Ozols", "Jānis", "", lines=[("bday", "1980-02-29", None)])

with open(sys.argv[1], "w", encoding="utf-8", newline="") as f:
    f.write(first.serialize())
    f.write(second.serialize())
